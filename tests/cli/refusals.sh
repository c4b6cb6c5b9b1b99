#!/usr/bin/env bash
# Files the command line does not read, said alike by list and read: a
# PowerPoint 97-2003 file, a project too large to read, a locked project.
set -u
. "$(dirname "$0")/lib/pruefen.sh" "$1"
cbwb="$(dirname "$cli")/cbwb"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp" || exit 1
ausgelassen='codebrindle-cli: nicht aufgelistet werden Projekte, die für die Anzeige gesperrt sind, und Module mit höchstens zwei Zeilen'
keins='Ein Projekt 1 gibt es nicht: aufgelistet sind 0 Projekte.'

printf '%s\r\n' 'Attribute VB_Name = "Rechnen"' 'Sub A()' '    x = 1' 'End Sub' > Rechnen.bas
"$cbwb" mappe.xlsm Rechnen.bas || { echo "FAIL: cbwb"; exit 1; }

# PowerPoint 97-2003 holds its project where the reader does not look: the
# file kind is refused, in list and in read, and not said to hold no project.
"$cbwb" folien.ppt Rechnen.bas || { echo "FAIL: cbwb"; exit 1; }
cp folien.ppt FOLIEN.PPS
ppt="\"$tmp/folien.ppt\": Die Datei ist eine PowerPoint-Präsentation im Format 97–2003; Dateien dieser Art werden nicht gelesen."
out=$("$cli" list folien.ppt 2>"$tmp/err"); rc=$?
check "list of a .ppt" "1:" "$rc:$out"
check "list says why" "$ppt" "$(cat "$tmp/err")"
err=$("$cli" read --out p folien.ppt 2>&1 >/dev/null); rc=$?
check "read of a .ppt" 1 "$rc"
check "read says what list says" "$ppt"$'\n'"$keins" "$err"
[ -e p ] && check "no folder left by a refused .ppt" "no p" "$(ls -la p)"
err=$("$cli" read --out p FOLIEN.PPS 2>&1 >/dev/null)
check "a slide show of the same format" "\"$tmp/FOLIEN.PPS\": Die Datei ist eine PowerPoint-Präsentation im Format 97–2003; Dateien dieser Art werden nicht gelesen." "$(head -n 1 <<<"$err")"
# Beside a readable workbook it is named and left out; the workbook is read.
err=$("$cli" read --out p folien.ppt mappe.xlsm 2>&1 >/dev/null); rc=$?
check "read beside a .ppt" "0:$ppt" "$rc:$err"
check "the workbook beside it read" "$(printf 'Rechnen\r\n\tA\r')" "$("$cli" outline p)"
out=$("$cli" list folien.ppt mappe.xlsm 2>/dev/null); rc=$?
check "list beside a .ppt" "1:$(printf 'VBAProject [mappe.xlsm]\r\n\tRechnen\r')" "$rc:$out"

# A project past the size limit: the limit and the project's size, not the
# module in which the allowance ran out.
"$cbwb" --generate 40 4000000 gross.xlsm || { echo "FAIL: cbwb"; exit 1; }
muster="^\"$tmp/gross.xlsm\": Das VBA-Projekt der Datei ist zu groß: entpackt umfasst es ([0-9.]+) Bytes, gelesen werden höchstens 67\\.108\\.864 Bytes \\(64 MiB\\)\\.\$"
err=$("$cli" list gross.xlsm 2>&1 >/dev/null); rc=$?
check "list of a project too large" 1 "$rc"
if [[ "$err" =~ $muster ]]; then
  groesse=${BASH_REMATCH[1]//./}
  [ "$groesse" -gt 67108864 ] || check "the project's size beyond the limit" "> 67108864" "$groesse"
else
  check "list names the limit and the size" "$muster" "$err"
fi
lesen=$("$cli" read --out g gross.xlsm 2>&1 >/dev/null); rc=$?
check "read of a project too large" 1 "$rc"
check "read says what list says" "$err"$'\n'"$keins" "$lesen"

# A locked project: read says what the listing leaves out, in list's words.
"$cbwb" --locked --name Geheim gesperrt.xlsm Rechnen.bas || { echo "FAIL: cbwb"; exit 1; }
out=$("$cli" list gesperrt.xlsm 2>"$tmp/err"); rc=$?
check "list of a locked project" "0:" "$rc:$out"
check "list says what is left out" "codebrindle-cli: kein Projekt aufzulisten"$'\n'"$ausgelassen" "$(cat "$tmp/err")"
err=$("$cli" read --out p2 gesperrt.xlsm 2>&1 >/dev/null); rc=$?
check "read of a locked project" 1 "$rc"
check "read names what is left out" "$keins"$'\n'"$ausgelassen" "$err"
err=$("$cli" read --out p2 --project 2 mappe.xlsm gesperrt.xlsm 2>&1 >/dev/null); rc=$?
check "the locked one of two" 1 "$rc"
check "the locked one of two said" "Ein Projekt 2 gibt es nicht: aufgelistet ist 1 Projekt."$'\n'"$ausgelassen" "$err"
exit $fail
