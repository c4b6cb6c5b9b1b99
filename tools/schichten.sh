#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The direction of the core's libraries, as src/CMakeLists.txt links them:
# a file may include headers of its own library and of those below it only.
# The linker cannot see an include of a header-only type or an inline
# function, so this check runs with the tests. Exit 1 names every include
# against the direction.
set -euo pipefail
src="$(cd "$(dirname "$0")/.." && pwd)/src"
kern="app settings store render analysis import projects export steuerung"
declare -A erlaubt=(
    [app]="app"
    [settings]="settings app"
    [store]="store app"
    [render]="render app settings"
    [analysis]="analysis render store app settings"
    [import]="import analysis render store app settings"
    [projects]="projects import analysis render store app settings"
    [export]="export render store app settings"
    [steuerung]="$kern"
    [testhilfen]="testhilfen import analysis render store app settings"
    [cli]="cli $kern"
    [ui]="ui $kern"
)
fehler=0
for bereich in "${!erlaubt[@]}"; do
    [ -d "$src/$bereich" ] || continue
    while IFS=: read -r datei zeile text; do
        ziel=$(sed -E 's/^#include "([A-Za-z_]+)\/.*/\1/' <<<"$text")
        if [[ " ${erlaubt[$bereich]} " != *" $ziel "* ]]; then
            echo "src/${datei#"$src/"}:$zeile: $bereich must not include $ziel ($text)" >&2
            fehler=1
        fi
    done < <(grep -rnE '^#include "[A-Za-z_]+/' "$src/$bereich" || true)
done
for ordner in "$src"/*/; do
    name=$(basename "$ordner")
    [ -n "${erlaubt[$name]:-}" ] || { echo "src/$name: a folder the direction does not know" >&2; fehler=1; }
done
[ $fehler -eq 0 ] && echo "layers: every include of src/ keeps to the direction"
exit $fehler
