#!/usr/bin/env bash
# A read onto a disk that fills up says so, and leaves no folder that the
# other commands would take for a sound project. Needs a small tmpfs of its
# own; where none can be mounted (no root, a container without the right)
# the test says so and passes.
set -u
. "$(dirname "$0")/lib/pruefen.sh" "$1"
tmp=$(mktemp -d)
cleanup() { mountpoint -q "$tmp/voll" 2>/dev/null && umount "$tmp/voll"; rm -rf "$tmp"; }
trap cleanup EXIT
cd "$tmp" || exit 1
mkdir voll
if ! mount -t tmpfs -o size=96k tmpfs voll 2>/dev/null; then
  echo "SKIP: no tmpfs can be mounted here"
  exit 0
fi
# Many routines of long lines: more than the small disk holds
{
  printf 'Attribute VB_Name = "Gross"\r\n'
  for i in $(seq 1 1500); do
    printf "Sub Routine%d()\r\n    MsgBox \"%s\"\r\nEnd Sub\r\n" "$i" "$(printf '%0100d' "$i")"
  done
} > Gross.bas
err=$("$cli" read --out voll/proj Gross.bas 2>&1); rc=$?
check "a full disk fails the read" 1 "$rc"
contains "a full disk said as such" "Das Projekt kann nicht gespeichert werden." "$err"
contains "with its cause" "Kein Platz mehr auf dem Datenträger" "$err"
case "$err" in *Syntaxerrors*) check "no causes of broken code" "" "$err";; esac
[ -e voll/proj ] && check "no project left" "no folder" "$(ls -A voll/proj)"
check "nothing of the read left" "" "$(ls -A voll)"
# A project already there stays whole
printf 'Attribute VB_Name = "Klein"\r\nSub A()\r\nEnd Sub\r\n' > Klein.bas
"$cli" read --out voll/klein Klein.bas || check "a small read fits" 0 $?
vorher=$("$cli" outline voll/klein)
err=$("$cli" read --out voll/klein Gross.bas 2>&1); rc=$?
check "full disk over a project" 1 "$rc"
contains "the earlier project kept" "bleibt, wie es war" "$err"
check "the earlier project whole" "$vorher" "$("$cli" outline voll/klein)"
check "nothing beside it" "klein" "$(ls -A voll)"
exit $fail
