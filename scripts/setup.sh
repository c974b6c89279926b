#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need. Idempotent: installs
# only what is missing, and refreshes the package lists only then.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-declarative-dev-tools
    libqt6sql6-sqlite libqt6opengl6-dev libgl-dev
    qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-layouts
    qml6-module-qtquick-templates qml6-module-qtquick-window qml6-module-qtquick-dialogs
    qml6-module-qtqml-workerscript qml6-module-qttest qml6-module-qt-labs-settings
    qml6-module-qtquick-shapes qml6-module-qtcore qml6-module-qt-labs-folderlistmodel
    libplist-dev liblilv-dev rapidjson-dev libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core poppler-utils xvfb xauth adwaita-icon-theme
    lilv-utils
)

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
