#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it on the bundled
# example workbook (or on the workbooks given).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
# The programs alone: the tests and benchmarks are the test command's.
cmake --preset release -DCB_BUILD_TESTS=OFF -DCB_BUILD_BENCH=OFF
cmake --build --preset release
bin=build/release/bin
beispiel=build/release/examples/Beispiel.xlsm
echo "== Built $bin/codebrindle (the window) and $bin/codebrindle-cli (the command line)"
echo "   To install them: cmake --install build/release (as root: /usr/local/bin, /usr/local/share/codebrindle)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "codebrindle needs a display: neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
  echo "Start it from a desktop session (or under xvfb-run); $bin/codebrindle-cli works without one." >&2
  exit 1
fi
if [ "$#" -eq 0 ]; then
  set -- "$beispiel"
  # What the window will show of it: the projects and modules listed, and
  # the project tree of the example read into a project folder.
  echo "== Listing of $beispiel"
  "$bin/codebrindle-cli" list "$beispiel"
  projekt=$(mktemp -d)
  trap 'rm -rf "$projekt"' EXIT
  "$bin/codebrindle-cli" read --out "$projekt" "$beispiel"
  echo "== Outline of the project read from it"
  "$bin/codebrindle-cli" outline "$projekt"
fi
"$bin/codebrindle" "$@"
