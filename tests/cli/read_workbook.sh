#!/usr/bin/env bash
# "read" from a workbook: the example workbook that the build writes, read
# whole and by module, then queried like any project folder.
set -u
. "$(dirname "$0")/lib/pruefen.sh" "$1"
mappe="$(dirname "$cli")/../examples/Beispiel.xlsm"
if [ ! -f "$mappe" ]; then
  echo "FAIL: no example workbook at $mappe"; exit 1
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$cli" read --out "$tmp/ganz" "$mappe"; check "read the whole project" 0 "$?"
out=$("$cli" outline "$tmp/ganz" | tr -d '\r' | grep -v $'^\t')
check "every listed module, in the project tree's order" \
  "$(printf 'FrmEingabe\nModRechnen\nModStart\nModTexte\nKlsKunde\nKlsRechnung\nTabelle1\nThisWorkbook')" "$out"
out=$("$cli" callers "$tmp/ganz" Brutto --module ModRechnen | tr -d '\r')
check "callers across modules" "$(printf 'ModRechnen\n\tBrutto\nKlsRechnung\n\tBetrag')" "$out"

"$cli" read --out "$tmp/teil" --module klskunde --module ModTexte "$mappe"; check "read two modules" 0 "$?"
out=$("$cli" outline "$tmp/teil" | tr -d '\r' | grep -v $'^\t')
check "modules named in any case" "$(printf 'ModTexte\nKlsKunde')" "$out"

# An unreadable workbook beside it is named on stderr and left out of the
# listing; --project counts the listed projects only.
printf 'keine Mappe' > "$tmp/kaputt.xlsm"
err=$("$cli" read --out "$tmp/neben" "$tmp/kaputt.xlsm" "$mappe" 2>&1 >/dev/null); rc=$?
check "read beside an unreadable workbook" 0 "$rc"
case "$err" in *"$tmp/kaputt.xlsm"*) ;; *) check "unreadable workbook named" "$tmp/kaputt.xlsm ..." "$err";; esac
out=$("$cli" outline "$tmp/neben" | tr -d '\r' | grep -v $'^\t' | head -1)
check "the readable project was read" "FrmEingabe" "$out"
"$cli" read --out "$tmp/x" --project 2 "$tmp/kaputt.xlsm" "$mappe" >/dev/null 2>&1
check "the unreadable workbook is no project" 1 "$?"
"$cli" read --out "$tmp/x" "$tmp/kaputt.xlsm" >/dev/null 2>&1
check "nothing readable" 1 "$?"

# A module that is not listed may be one of two lines or fewer: read says
# what the listing leaves out, as list does.
err=$("$cli" read --out "$tmp/x" --module Fehlt "$mappe" 2>&1); rc=$?
check "a module that is not listed" 1 "$rc"
check "a message for the missing module" "$(printf '%s\n%s' \
  'Das Modul "Fehlt" ist im Projekt Beispiel [Beispiel.xlsm] nicht aufgelistet.' \
  'codebrindle-cli: nicht aufgelistet werden Projekte, die für die Anzeige gesperrt sind, und Module mit höchstens zwei Zeilen')" "$err"
# One workbook, one project: a second is nothing the listing left out.
err=$("$cli" read --out "$tmp/x" --project 2 "$mappe" 2>&1); rc=$?
check "a project that is not listed" 1 "$rc"
check "the project that is not listed named" "Ein Projekt 2 gibt es nicht: aufgelistet ist 1 Projekt." "$err"
err=$("$cli" read --out "$tmp/x" --project 0 "$mappe" 2>&1); rc=$?
check "project 0 is a wrong argument" 2 "$rc"
check "why project 0 is wrong" "codebrindle-cli: --project nimmt eine Zahl ab 1, nicht '0'" "$(head -n 1 <<<"$err")"
err=$("$cli" read --out "$tmp/x" --codepage 1251 "$mappe" 2>&1); rc=$?
check "a code page for a workbook is a wrong argument" 2 "$rc"
check "why --codepage is wrong" \
  "codebrindle-cli: --codepage gilt für Moduldateien; eine Arbeitsmappe nennt ihre Codepage selbst" "$(head -n 1 <<<"$err")"
"$cli" read --out "$tmp/x" --module A "$tmp/ganz/M1.txt" >/dev/null 2>&1
check "a text file is no input" 1 "$?"
exit $fail
