#!/usr/bin/env bash
# A project folder from elsewhere, damaged or hostile: every command that
# opens it answers within a few seconds with exit 1 and a message that
# names the file or the broken project, never a hang (124), a crash or 0.
set -u
. "$(dirname "$0")/lib/pruefen.sh" "$1"
case "${2:?the damaging tool cbbeschaedigen as second argument}" in /*) beschaedigen="$2" ;; *) beschaedigen="$PWD/$2" ;; esac
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp" || exit 1

printf 'Attribute VB_Name = "Modul1"\r\nPublic Sub Start()\r\n    Hilfe 1\r\nEnd Sub\r\n' > Modul1.bas
printf 'Attribute VB_Name = "Werkzeug"\r\nPublic Sub Hilfe(n)\r\nEnd Sub\r\n' > Werkzeug.bas
"$cli" read --out echt Modul1.bas Werkzeug.bas > /dev/null || { echo "FAIL: read"; exit 1; }

# Every command on the folder, each under a guard that turns a hang into 124.
befehle=("outline @" "callers @ Hilfe --module Werkzeug" "definition @ Hilfe --module Modul1"
         "html @" "rtf @ --out $tmp/aus.rtf" "text @ --module Modul1")
laeuft() { # case, command with @ for the folder, expected exit, expected message
  local args=${2//@/$tmp/$1} err rc
  # shellcheck disable=SC2086
  err=$(timeout 5 "$cli" $args 2>&1 > /dev/null < /dev/null); rc=$?
  check "$1: exit of '${2%% *}'" "$3" "$rc"
  [ -z "$4" ] || contains "$1: message of '${2%% *}'" "$4" "$err"
}

# The intact folder first: the same commands succeed on it.
for b in "${befehle[@]}"; do laeuft echt "$b" 0 ""; done

# Module texts: the commands that read them refuse, naming the file; the
# outline and the definition come from the database alone and stay whole.
for fall in fifo:"keine gewöhnliche Datei" zero:"verweist aus dem Projektordner hinaus" \
            aussen:"verweist aus dem Projektordner hinaus" ordner:"keine gewöhnliche Datei" \
            gross:"größer als 64 MiB"; do
  name=${fall%%:*}; warum=${fall#*:}
  "$beschaedigen" "$name" echt "$name" || { echo "FAIL: damaging $name"; fail=1; continue; }
  laeuft "$name" "outline @" 0 ""
  laeuft "$name" "definition @ Hilfe --module Modul1" 0 ""
  for b in "callers @ Hilfe --module Werkzeug" "html @" "rtf @ --out $tmp/aus.rtf" "text @ --module Modul1"; do
    laeuft "$name" "$b" 1 "Datei nicht lesbar: $tmp/$name/M1.txt: $warum"
  done
  out=$(timeout 5 "$cli" text "$tmp/$name" --module Modul1 2>&1)
  case "$out" in codebrindle-cli:*) ;; *) check "$name: the message names the program" "codebrindle-cli: ..." "$out";; esac
done
check "nothing beside the folder read" "" "$(cat aus.rtf 2>/dev/null | grep -a Fremd)"

# The database: a view without end in place of a table, or no database at
# all, is the broken project for every command.
for fall in rout-endlos mod-endlos keine-db; do
  "$beschaedigen" "$fall" echt "$fall" || { echo "FAIL: damaging $fall"; fail=1; continue; }
  for b in "${befehle[@]}"; do
    laeuft "$fall" "$b" 1 "Projekt in $tmp/$fall/
ist nicht mehr intakt"
  done
done

# Real tables too large for any project: the listing of all routines stops
# at the bound of one query's work rather than run on.
if "$beschaedigen" rout-riesig echt riesig; then
  laeuft riesig "outline @" 1 "Projekt in $tmp/riesig/
ist nicht mehr intakt"
  laeuft riesig "text @ --module Modul1" 0 ""
else
  echo "FAIL: damaging rout-riesig"; fail=1
fi

exit $fail
