#!/usr/bin/env bash
# A workbook whose modules are full of one-line routines (event handlers as
# the VBA editor lets one write them, Sub, Function and Property forms, with
# comments, several in a row, among ordinary routines) reads completely and
# is browsed like any other; a read that fails names the module and why.
set -u
. "$(dirname "$0")/lib/pruefen.sh" "$1"
cbwb="$(dirname "$cli")/cbwb"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp" || exit 1

printf '%s\r\n' 'Attribute VB_Name = "Rechnen"' 'Option Explicit' \
  'Sub A(): End Sub' 'Sub B(): End Sub' \
  'Public Sub Zeigen(o As Object)' '    x = 1: End Sub' \
  'Public Function Doppelt(n As Long) As Long: Doppelt = 2 * n: End Function '"'"' kurz' \
  'Sub C()' '    A: B' 'End Sub' > Rechnen.bas
printf '%s\r\n' 'Attribute VB_Name = "Hover"' 'Option Explicit' \
  'Private WithEvents m_Box As MSForms.CheckBox' \
  'Private Sub m_Box_Click(): Zeigen Me: End Sub' \
  'Private Sub m_Box_MouseMove(ByVal Button As Integer, ByVal X As Single): Zeigen Me: End Sub '"'"' hover' \
  'Public Function Breite() As Long: Breite = Doppelt(3): End Function' \
  'Public Property Get Farbe() As Long: Farbe = 1: End Property' \
  'Public Property Let Farbe(ByVal v As Long): End Property' \
  'Public Sub Close()' '    Zeigen Me' 'End Sub' > Hover.cls
"$cbwb" einzeiler.xlsm Rechnen.bas Hover.cls || { echo "FAIL: cbwb"; exit 1; }

"$cli" read --out proj einzeiler.xlsm; check "read the workbook" 0 "$?"
out=$("$cli" outline proj | tr -d '\r')
check "every routine a row" "$(printf 'Rechnen\n\tA\n\tB\n\tC\n\tDoppelt\n\tZeigen\nHover\n\tBreite\n\tClose\n\tFarbe\n\tFarbe\n\tm_Box_Click\n\tm_Box_MouseMove')" "$out"
out=$("$cli" callers proj Zeigen --module Rechnen | tr -d '\r')
check "called from one-line routines" "$(printf 'Hover\n\tm_Box_Click\n\tm_Box_MouseMove\n\tClose')" "$out"
out=$("$cli" callers proj Doppelt --module Rechnen | tr -d '\r')
check "a one-line function called from one, and from its own body" "$(printf 'Rechnen\n\tDoppelt\nHover\n\tBreite')" "$out"
out=$("$cli" callers proj A --module Rechnen | tr -d '\r')
check "the first of two in a row" "$(printf 'Rechnen\n\tC')" "$out"
out=$("$cli" definition proj B --module Hover | tr -d '\r')
check "definition of the second of two in a row" "$(printf 'Rechnen\t3')" "$out"
out=$("$cli" definition proj m_Box_MouseMove --module Hover | tr -d '\r')
check "definition of a one-line handler" "$(printf 'Hover\t4')" "$out"
out=$("$cli" definition proj Close --module Rechnen | tr -d '\r')
check "a routine named like a keyword" "$(printf 'Hover\t8')" "$out"

# Code the reader cannot split: the message names the workbook, the module
# and the line, from a workbook and from module files alike.
printf '%s\r\n' 'Attribute VB_Name = "Kaputt"' 'Option Explicit' 'Sub Ohne' 'End Sub' > Kaputt.bas
"$cbwb" kaputt.xlsm Rechnen.bas Kaputt.bas || { echo "FAIL: cbwb"; exit 1; }
err=$("$cli" read --out k1 kaputt.xlsm 2>&1 >/dev/null); rc=$?
check "a workbook that cannot be read" 1 "$rc"
contains "the failure message stays" "Fehler beim Einlesen !" "$err"
contains "workbook, module and cause" "Mappe $tmp/kaputt.xlsm, Modul Kaputt: Routinenkopf ohne Klammer: Sub Ohne" "$err"
err=$("$cli" read --out k2 Rechnen.bas Kaputt.bas 2>&1 >/dev/null); rc=$?
check "module files that cannot be read" 1 "$rc"
contains "the failure message stays" "Das Projekt konnte nicht gelesen werden." "$err"
contains "file, module and cause" "Datei $tmp/Kaputt.bas, Modul Kaputt: Routinenkopf ohne Klammer: Sub Ohne" "$err"
exit $fail
