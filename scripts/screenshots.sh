#!/usr/bin/env bash
# Makes the README's pictures (docs/main-window.png, docs/simulation-tab.png)
# with the offscreen renderer, from a build folder: scripts/screenshots.sh [build]
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
mkdir -p docs
ORV_SCREENSHOT_DIR="$PWD/docs" QT_QPA_PLATFORM=offscreen "$build/bin/test_ui" --gtest_filter='Screenshots.*'
echo "Written: docs/main-window.png docs/simulation-tab.png"
