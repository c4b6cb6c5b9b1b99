#!/usr/bin/env bash
# A command that fails after it opened a project closes the project's
# database before it ends: every descriptor opened on CodeBrindle.mdb is
# closed again, as strace sees it. Where strace is missing or may not trace
# (a container without ptrace), the test says so and passes.
set -u
. "$(dirname "$0")/lib/pruefen.sh" "$1"
if ! command -v strace > /dev/null || ! strace -qq -o /dev/null true 2> /dev/null; then
  echo "SKIP: strace cannot trace here"
  exit 0
fi
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
cd "$tmp" || exit 1

printf 'Attribute VB_Name = "Modul1"\r\nSub A()\r\n    B\r\nEnd Sub\r\nSub B()\r\nEnd Sub\r\n' > Modul1.bas
printf 'Attribute VB_Name = "Modul2"\r\nSub C()\r\nEnd Sub\r\n' > Modul2.bas
"$cli" read --out p Modul1.bas Modul2.bas > /dev/null 2>&1 || { echo "FAIL: read"; exit 1; }
cp -r p ohne && rm ohne/M2.txt
printf 'alt' > nurlesen.rtf && chmod 444 nurlesen.rtf

# name, expected exit code, the command's arguments
geschlossen() {
  local name="$1" erwartet="$2"; shift 2
  strace -f -qq -e trace=openat,open,close -o spur "$cli" "$@" > /dev/null 2>&1; local rc=$?
  check "$name: exit" "$erwartet" "$rc"
  # fds opened on the database and not closed again, and how many were opened
  local befund
  befund=$(awk '
    /CodeBrindle\.mdb"/ && /= [0-9]+$/ { offen[$NF] = 1; geoeffnet++ }
    /close\([0-9]+\)/ { match($0, /close\([0-9]+\)/); fd = substr($0, RSTART + 6, RLENGTH - 7); delete offen[fd] }
    END { n = 0; for (k in offen) n++; print geoeffnet + 0, n }' spur)
  case "$befund" in
    "0 "*) check "$name: the database was opened" "opened" "never" ;;
    *" 0") ;;
    *) check "$name: every descriptor on the database closed" "0 left open" "$befund" ;;
  esac
}

geschlossen "rtf of a module that is not there" 1 rtf p --module Nope --out x.rtf
geschlossen "rtf onto a read-only file" 1 rtf p --out nurlesen.rtf
geschlossen "html with a module file missing" 1 html ohne
geschlossen "text of a module that is not there" 1 text p --module Nope
geschlossen "callers in a module that is not there" 1 callers p A --module Nope
geschlossen "definition in a module that is not there" 1 definition p A --module Nope
exit $fail
