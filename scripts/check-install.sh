#!/usr/bin/env bash
# Checks what a build installs and packs: installs it into a temporary folder and validates the
# desktop entry, the AppStream data, the manual page, the icons and the completions; then checks
# that the Debian package holds each piece, depends on every run-time package, and that lintian
# finds no error in it.
# Usage: check-install.sh BUILD_DIR (a configured and built folder; its package is made with cpack)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
app_id=$(sed -n 's/^set(ZV_APP_ID \(.*\))$/\1/p' CMakeLists.txt)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share
pieces=(
    usr/bin/zuzuze-vizozod
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    usr/share/man/man1/zuzuze-vizozod.1.gz
    usr/share/bash-completion/completions/zuzuze-vizozod
    usr/share/zsh/vendor-completions/_zuzuze-vizozod
    usr/share/doc/zuzuze-vizozod/copyright
    usr/share/doc/zuzuze-vizozod/changelog.gz
)
for size in 16 22 24 32 48 64 128 256 512; do
    pieces+=("usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" | grep -q "PNG image data, $size x $size," ||
        fail "the ${size}x$size icon is not a $size-pixel PNG"
done
for piece in "${pieces[@]}"; do
    [[ -s $root/$piece ]] || fail "not installed: /$piece"
done

desktop-file-validate "$share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --explain "$share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
warnings=$(man --warnings -l "$share/man/man1/zuzuze-vizozod.1.gz" 2>&1 >/dev/null) || fail "man cannot read the page"
[[ -z $warnings ]] || fail "man warns: $warnings"
bash -n "$share/bash-completion/completions/zuzuze-vizozod" || fail "bash cannot read the completion"
! command -v zsh >/dev/null || zsh -n "$share/zsh/vendor-completions/_zuzuze-vizozod" || fail "zsh cannot read the completion"

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/zuzuze-vizozod_*.deb)
echo "package: $deb"
listing=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
for piece in "${pieces[@]}"; do
    grep -qx "\./$piece" <<<"$listing" || fail "not in the package: /$piece"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
while read -r package; do
    [[ $package =~ ^[a-z0-9] ]] || continue
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "the package does not depend on $package"
done <packaging/runtime-packages.txt
grep -q "libqt6quick6" <<<"$depends" || fail "no shared-library dependencies were computed"
[[ $(dpkg-deb -f "$deb" Section) == sound ]] || fail "the section is not sound"
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" || fail "lintian finds errors"

((failures == 0)) || { echo "check-install: $failures failures"; exit 1; }
echo "check-install: every piece installed, valid and packed"
