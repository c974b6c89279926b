#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need. Idempotent: installs
# only what is missing, and refreshes the package lists only then.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-declarative-dev-tools
    libqt6opengl6-dev libgl-dev qml6-module-qttest
    libplist-dev liblilv-dev rapidjson-dev libgtest-dev libgmock-dev libbenchmark-dev
    # The fuzz targets (scripts/fuzz.sh): clang with its libFuzzer and sanitizer run-times.
    clang libclang-rt-dev
    poppler-utils xvfb xauth
    lilv-utils
    # The installed tree and the Debian package: icons, manual page, checks, completion tests.
    librsvg2-bin help2man man-db file lintian desktop-file-utils appstream zsh
)
# What the program loads at run time by name (QML modules, Qt plug-ins, font, icons): the Debian
# package depends on the same list.
while read -r package; do
    [[ $package =~ ^[a-z0-9] ]] && packages+=("$package")
done <"$(dirname "$0")/../packaging/runtime-packages.txt"

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

run_as_root() {
    if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
run_as_root apt-get update -q
run_as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
