#!/usr/bin/env bash
# Project folders built and queried from the command line: read, outline,
# callers, definition, with their exit codes and messages.
set -u
. "$(dirname "$0")/lib/pruefen.sh" "$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp" || exit 1

# Module files as the VBA editor exports them; one with LF line breaks.
mkdir -p src/sub
printf 'Attribute VB_Name = "Modul1"\r\nOption Explicit\r\nPublic Sub Start()\r\n    Hilfe 1\r\n    x = Größe()\r\nEnd Sub\r\n' > src/Modul1.bas
printf 'Attribute VB_Name = "Werkzeug"\nPublic Sub Hilfe(n)\nEnd Sub\nPublic Function Größe() As Long\n    Größe = Hilfe2 + Hilfe_x\nEnd Function\nProperty Get Wert() As Long\nEnd Property\nSub Einsam()\nEnd Sub\n' > src/sub/Werkzeug.bas
printf 'VERSION 1.0 CLASS\r\nBEGIN\r\n  MultiUse = -1\r\nEND\r\nAttribute VB_Name = "Liste"\r\nPrivate Sub Class_Initialize()\r\n    Hilfe 2 '"'"' Hilfe\r\nEnd Sub\r\n' > src/Liste.cls

"$cli" read --out proj src/Modul1.bas src/sub/Werkzeug.bas src/Liste.cls; rc=$?
check "read module files" 0 "$rc"
[ -f proj/CodeBrindle.mdb ] && [ -f proj/M1.txt ] && [ -f proj/M3.txt ] || check "project files" "CodeBrindle.mdb M1..M3.txt" "$(ls proj)"

out=$("$cli" outline proj | od -An -c -w1000 | tr -s ' ')
check "outline" "$(printf 'Modul1\r\n\tStart\r\nWerkzeug\r\n\tEinsam\r\n\tGröße\r\n\tHilfe\r\n\tWert\r\nListe\r\n\tClass_Initialize\r\n' | od -An -c -w1000 | tr -s ' ')" "$out"

out=$("$cli" callers proj Hilfe --module Werkzeug | tr -d '\r'); rc=$?
check "callers of Hilfe" "$(printf 'Modul1\n\tStart\nListe\n\tClass_Initialize')" "$out"
check "callers exit" 0 "$rc"
out=$("$cli" callers proj Größe --module werkzeug | tr -d '\r')
check "callers of Größe, module name in any case" "$(printf 'Modul1\n\tStart\nWerkzeug\n\tGröße')" "$out"
out=$("$cli" callers proj Einsam --module Werkzeug 2>&1); rc=$?
check "a routine called nowhere" "0:" "$rc:$out"
err=$("$cli" callers proj Wert --module Werkzeug 2>&1 >/dev/null); rc=$?
check "property message" "1:Property wird von der Routinensuche nicht unterstützt" "$rc:$err"
err=$("$cli" callers proj Start --module Werkzeug 2>&1 >/dev/null); rc=$?
check "routine of another module" "1:Infos zu Routine nicht gefunden" "$rc:$err"

out=$("$cli" definition proj hilfe --module Modul1); rc=$?
check "definition in another module" "0:$(printf 'Werkzeug\t1')" "$rc:$out"
out=$("$cli" definition proj Class_Initialize --module Liste)
check "private definition in its own module" "$(printf 'Liste\t1')" "$out"
err=$("$cli" definition proj Class_Initialize --module Modul1 2>&1 >/dev/null); rc=$?
check "private definition elsewhere" "1:Bezeichner unter Cursor nicht erkannt" "$rc:$err"

# Options shape the stored lines; a second read replaces the first, and
# only the program's own files go from the folder.
printf 'keep' > proj/notes.txt
printf 'old' > proj/M9.txt
"$cli" read --out proj --option rle=-1 src/Modul1.bas src/sub/Werkzeug.bas
out=$("$cli" definition proj Hilfe --module Modul1)
check "empty line before routines" "$(printf 'Werkzeug\t2')" "$out"
[ -f proj/M9.txt ] && check "stale module text removed" "no M9.txt" "M9.txt"
[ -f proj/M3.txt ] && check "stale module text removed" "no M3.txt" "M3.txt"
check "other files kept" "keep" "$(cat proj/notes.txt)"

# A .vbp with a module in a subfolder, and Windows-1251 module files
printf 'Attribute VB_Name = "\xcc\xee\xe4\xf3\xeb\xfc"\r\nSub \xd1\xf2\xe0\xf0\xf2()\r\nEnd Sub\r\n' > src/cyr.bas
printf 'Type=Exe\r\nModule=Modul1; Modul1.bas\r\nModule=Werkzeug; sub\\Werkzeug.bas\r\nModule=cyr.bas\r\nName="Projekt1"\r\n' > src/projekt.vbp
"$cli" read --out vbp --codepage 1251 src/projekt.vbp; rc=$?
check "read vbp" 0 "$rc"
out=$("$cli" outline vbp | tr -d '\r')
check "vbp outline" "$(printf 'Modul1\n\tStart\nWerkzeug\n\tEinsam\n\tGröße\n\tHilfe\n\tWert\nМодуль\n\tСтарт')" "$out"

# Failures: a module missing, broken code, bad arguments, no project
printf 'Type=Exe\r\nModule=Fehlt; Fehlt.bas\r\n' > src/fehlt.vbp
err=$("$cli" read --out bad src/fehlt.vbp 2>&1); rc=$?
check "missing module exit" 1 "$rc"
contains "missing module message" "$(printf 'Das Projekt konnte nicht gelesen werden.\nMögliche Ursachen:\nEin Modul ist nicht im gleichen Verzeichnis wie die vbp gespeichert.\nIm Code befinden sich Syntaxerrors')" "$err"
contains "missing module named" "Fehlt.bas" "$err"
printf 'Sub Kaputt\r\nEnd Sub\r\n' > src/kaputt.bas
err=$("$cli" read --out bad src/kaputt.bas 2>&1); rc=$?
check "broken code exit" 1 "$rc"
contains "broken code message" "Im Code befinden sich Syntaxerrors" "$err"
err=$("$cli" outline "$tmp/src" 2>&1); rc=$?
check "no project" "1:$(printf 'Projekt in %s/src/\nist nicht mehr intakt' "$tmp")" "$rc:$err"
err=$("$cli" read --out x src/notes.xlsx 2>&1); rc=$?
check "unknown input kind" 1 "$rc"
check "unknown input kind said" "codebrindle-cli: 'src/notes.xlsx' wird nicht gelesen: keine Arbeitsmappe, keine .vbp-Projektdatei und keine Moduldatei (.bas .cls .frm .ctl .dob .dsr .pag)" "$err"
# A .vbp or a workbook beside module files is a wrong call, with the usage
err=$("$cli" read --out x src/projekt.vbp src/cyr.bas 2>&1); rc=$?
check "vbp with module files" 2 "$rc"
contains "vbp with module files said" "codebrindle-cli: eine .vbp-Projektdatei wird allein gelesen" "$err"
contains "vbp with module files usage" "Aufruf:" "$err"
printf 'PK\003\004' > src/Mappe.xlsm
err=$("$cli" read --out x src/Mappe.xlsm src/cyr.bas 2>&1); rc=$?
check "workbook with module files" 2 "$rc"
contains "workbook with module files said" "codebrindle-cli: Arbeitsmappen werden ohne Moduldateien gelesen" "$err"
err=$("$cli" callers proj Hilfe --module Nirgends 2>&1); rc=$?
check "unknown module" 1 "$rc"
contains "unknown module named" "Nirgends" "$err"
# A failed read leaves an earlier project whole; without one, the rows it
# stored stay.
before=$("$cli" outline proj)
printf 'Type=Exe\r\nName="Leer"\r\n' > src/leer.vbp
err=$("$cli" read --out proj src/leer.vbp 2>&1); rc=$?
check "vbp without modules" 1 "$rc"
contains "vbp without modules named" "leer.vbp" "$err"
err=$("$cli" read --out proj src/gibtsnicht.vbp 2>&1); rc=$?
check "missing vbp" 1 "$rc"
mkdir -p src/Ordner.bas
err=$("$cli" read --out proj src/Ordner.bas 2>&1); rc=$?
check "a folder as module file" 1 "$rc"
contains "a folder as module file named" "Ordner.bas" "$err"
mkdir -p noprog && cp "$cli" noprog/
err=$(noprog/"$(basename "$cli")" read --out proj src/Modul1.bas 2>&1); rc=$?
check "template missing" 1 "$rc"
contains "template missing message" "existiert nicht !!!" "$err"
check "earlier project intact" "$before" "$("$cli" outline proj)"
out=$("$cli" callers proj Hilfe --module Werkzeug | tr -d '\r'); rc=$?
check "earlier module texts intact" "0:$(printf 'Modul1\n\tStart')" "$rc:$out"
[ -z "$(ls -A proj | grep codebrindle-read)" ] || check "no read folder left" "" "$(ls -A proj)"
err=$("$cli" read --out proj src/Modul1.bas src/kaputt.bas 2>&1); rc=$?
check "broken code over a project" 1 "$rc"
contains "earlier project kept" "codebrindle-cli: das Projekt in 'proj' bleibt, wie es war" "$err"
check "earlier project intact after broken code" "$before" "$("$cli" outline proj)"
# A move into the folder that fails part way (where the folders cannot be
# exchanged, and the files go in one by one) keeps the rest of the read and
# says where it is.
"$cli" read --out teil src/Modul1.bas src/sub/Werkzeug.bas src/Liste.cls >/dev/null
rm teil/M2.txt && mkdir teil/M2.txt
err=$(CODEBRINDLE_TEST_LESEN=ohne-tausch "$cli" read --out teil src/Modul1.bas src/sub/Werkzeug.bas src/Liste.cls 2>&1); rc=$?
check "a failed move" 1 "$rc"
contains "a failed move named" "codebrindle-cli: M2.txt kann nicht nach '$tmp/teil' verschoben werden: " "$err"
rest=$(ls -d teil/.codebrindle-read-* 2>/dev/null | head -1)
[ -n "$rest" ] && [ -f "$rest/CodeBrindle.mdb" ] || check "the rest of the read kept" "a folder with CodeBrindle.mdb" "$(ls -A teil)"
contains "the kept folder named" "$rest" "$err"
"$cli" read --out leer src/gibtsnicht.vbp 2>/dev/null
[ -e leer ] && check "no empty folder after a failed read" "no folder" "$(ls -la leer)"
"$cli" read --out neu src/Modul1.bas src/kaputt.bas 2>/dev/null
[ -e neu ] && check "a failed read leaves no project to be taken for a sound one" "no folder" "$(ls -A neu)"
mkdir leer2 && "$cli" read --out leer2 src/Modul1.bas src/kaputt.bas 2>/dev/null
check "nor in an empty folder" "" "$(ls -A leer2)"

for args in "read src/Modul1.bas" "read --out x" "read --out x --codepage abc src/Modul1.bas" "read --out x --codepage 99999 src/Modul1.bas" \
            "read --out x --module M src/Modul1.bas" "outline" "outline proj extra" "callers proj Hilfe" \
            "definition proj --module Modul1" "outline proj --module Modul1"; do
  # shellcheck disable=SC2086
  err=$("$cli" $args 2>&1 >/dev/null); rc=$?
  check "exit code for '$args'" 2 "$rc"
  contains "usage for '$args'" "Aufruf:" "$err"
done
exit $fail
