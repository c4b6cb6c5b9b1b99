#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test headless:
# the development build with warnings as errors, then everything again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
bash tools/format_check.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
cmake --preset asan -DCB_BUILD_UI=ON
cmake --build --preset asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan
