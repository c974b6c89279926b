#!/usr/bin/env bash
# Renders the desktop application's screenshots into docs/ (library in dark and light, a card
# opened on its detail, the dashboard in dark and light, the folder-access sheet, the in-window
# folder and save choosers), on the generated sample library, under a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-shots -G Ninja -DCMAKE_BUILD_TYPE=Release -DZV_BUILD_BENCH=OFF
cmake --build build-shots --target ui_screenshots
mkdir -p docs
xvfb-run -a -s "-screen 0 1600x1200x24" build-shots/bin/ui_screenshots docs
