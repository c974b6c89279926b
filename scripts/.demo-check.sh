#!/usr/bin/env bash
# Builds the program, generates the sample library and runs the main job on it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-cli-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DZV_BUILD_TESTS=OFF
cmake --build build-cli-rel --target zuzuze-vizozod
demo=build-cli-rel/demo-library
rm -rf "$demo"
build-cli-rel/bin/zuzuze-vizozod demo-library "$demo"
build-cli-rel/bin/zuzuze-vizozod scan --system-root "$demo" --home "$demo/Users/alex" \
    "$demo/Library/Audio/Plug-Ins" "$demo/Users/alex/Library/Audio/Plug-Ins" \
    "$demo/Library/Application Support/Avid/Audio/Plug-Ins" "$demo/Volumes/Studio SSD"
