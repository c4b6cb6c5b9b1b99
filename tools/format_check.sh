#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of the checkout differs from .clang-format; prints
# the files. `tools/format_check.sh --fix` rewrites them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t dateien < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests bench tools fuzz -name '*.cpp' -o -name '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${dateien[@]}"
    exit 0
fi
abweichend=()
for f in "${dateien[@]}"; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || abweichend+=("$f")
done
if [ ${#abweichend[@]} -gt 0 ]; then
    echo "Not formatted as .clang-format says (run tools/format_check.sh --fix):" >&2
    printf '  %s\n' "${abweichend[@]}" >&2
    exit 1
fi
echo "format: ${#dateien[@]} files as .clang-format says"
