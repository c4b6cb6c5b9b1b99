#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it on the bundled
# example workbook (or on the workbooks given).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake --preset release
cmake --build --preset release
bin=build/release/bin
beispiel=build/release/examples/Beispiel.xlsm
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
