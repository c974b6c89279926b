#!/usr/bin/env bash
# Builds the program and catalogues the generated sample library (written once into the user's
# cache folder, with a catalogue of its own there; the user's catalogue is never touched).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DZV_BUILD_TESTS=OFF
cmake --build build --target zuzuze-vizozod
build/bin/zuzuze-vizozod demo
