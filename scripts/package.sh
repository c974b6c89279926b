#!/usr/bin/env bash
# Builds a Release in build-package/ and packs it as build-package/zuzuze-vizozod_<version>_<arch>.deb,
# then checks the installed tree and the package (scripts/check-install.sh, lintian included).
# Install it with: apt install ./build-package/zuzuze-vizozod_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DZV_BUILD_TESTS=OFF -DZV_BUILD_BENCH=OFF
cmake --build build-package
rm -f build-package/zuzuze-vizozod_*.deb
bash scripts/check-install.sh build-package
ls build-package/zuzuze-vizozod_*.deb
