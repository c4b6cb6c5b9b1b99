#!/usr/bin/env bash
# Exports of a stored project folder from the command line: html, rtf and
# text of one module or of the whole project, and their refusals.
set -u
. "$(dirname "$0")/lib/pruefen.sh" "$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf 'Attribute VB_Name = "Modul1"\r\nSub Hallo()\r\n    MsgBox "Gr\xc3\xbc\xc3\x9fe" '"'"' Gru\xc3\x9f\r\nEnd Sub\r\n' > "$work/Modul1.bas"
printf 'VERSION 1.0 CLASS\r\nBEGIN\r\n  MultiUse = -1  '"'"'True\r\nEND\r\nAttribute VB_Name = "Klasse1"\r\nPublic Function F(a As Long) As Long\r\n    F = a + 1\r\nEnd Function\r\n' > "$work/Klasse1.cls"
"$cli" read --out "$work/p" "$work/Modul1.bas" "$work/Klasse1.cls" > /dev/null 2>&1 || { echo "FAIL: read"; exit 1; }

# text: the module as the pane shows it, markers gone, CR LF lines
out=$("$cli" text "$work/p" --module modul1 | od -An -tx1 -w10000 | tr -d ' \n')
code=$(printf 'Sub Hallo()\r\n    MsgBox "Gr\xc3\xbc\xc3\x9fe" '"'"' Gru\xc3\x9f\r\nEnd Sub\r\n' | od -An -tx1 -w10000 | tr -d ' \n')
case "$out" in "$code"*) ;; *) check "text of Modul1" "$code..." "$out";; esac
case "$out" in *c5b8*) check "no marker left in the text" "" "$out";; esac

# html of one module, with and without the credit line
out=$("$cli" html "$work/p" --module Modul1)
contains "html fragment start" '<pre><span style="font-family=MS Sans Serif,Arial; font-size=10pt"; ><b><span style="color:#000080"; >Sub</span> Hallo&#40;&#41;</b>' "$out"
contains "html string entities" '<span style="color:#800000"; >&#34;Gr&uuml;&szlig;e&#34;</span>' "$out"
case "$out" in *'</span></pre>') ;; *) check "html fragment end" "...</span></pre>" "${out: -20}";; esac
case "$out" in *'Code Brindle</a>'*) check "no credit unless asked" "" "$out";; esac
out=$("$cli" html "$work/p" --module Modul1 --credit)
case "$out" in *$'</pre>\r\n<br><span style=" font-weight:bold;"> Code eingef&uuml;gt mit: </span> <a '*'" target="blank">Excel Code Brindle</a>') ;;
  *) check "credit line" "</pre>CR LF<br>...Excel Code Brindle</a>" "${out: -200}";; esac

# html of the project: one fragment per module, each with its header
out=$("$cli" html "$work/p")
check "fragments in the project" 2 "$(grep -o '<pre>' <<<"$out" | wc -l)"
contains "module header" "'  Modul&#58;  Klasse1  Typ = Klassenmodul" "$out"

# rtf of the project and of one module, in Windows-1252
"$cli" rtf "$work/p" --out "$work/p.rtf"; rc=$?
check "rtf project exit" 0 "$rc"
rtf=$(od -An -c -w100000 "$work/p.rtf" | tr -s ' ')
case "$(head -c 6 "$work/p.rtf")" in '{\rtf1') ;; *) check "rtf header" '{\rtf1' "$(head -c 6 "$work/p.rtf")";; esac
check "rtf header blocks" 2 "$(grep -ao "'  Modul:  " "$work/p.rtf" | wc -l)"
contains "rtf cp1252 bytes" 'G r 374 337 e' "$rtf"
"$cli" rtf "$work/p" --module KLASSE1 --out "$work/k.rtf"; rc=$?
check "rtf module exit" 0 "$rc"
check "rtf module has no header block" 0 "$(grep -ac "Modul:" "$work/k.rtf")"
contains "rtf module code" 'F = a + 1' "$(cat "$work/k.rtf")"

# --out names a link: the user's own, so the file it names is written, and
# a read-only one is refused rather than replaced by a rename
mkdir "$work/ablage"
printf 'alt' > "$work/ablage/echt.rtf"
ln -s "$work/ablage/echt.rtf" "$work/verweis.rtf"
"$cli" rtf "$work/p" --module Klasse1 --out "$work/verweis.rtf"; rc=$?
check "rtf through a named link exit" 0 "$rc"
[ -L "$work/verweis.rtf" ] || check "the named link stays a link" "a link" "$(ls -ld "$work/verweis.rtf")"
contains "rtf through a named link" 'F = a + 1' "$(cat "$work/ablage/echt.rtf")"
printf 'alt' > "$work/nurlesen.rtf"
chmod 444 "$work/nurlesen.rtf" "$work/ablage/echt.rtf"
cp "$work/ablage/echt.rtf" "$work/echt.vorher"
err=$("$cli" rtf "$work/p" --out "$work/nurlesen.rtf" 2>&1 >/dev/null); rc=$?
check "read-only rtf exit" 1 "$rc"
check "read-only rtf message" "Datei ist schreibgeschützt: $work/nurlesen.rtf" "$err"
check "read-only rtf kept" alt "$(cat "$work/nurlesen.rtf")"
err=$("$cli" rtf "$work/p" --out "$work/verweis.rtf" 2>&1 >/dev/null); rc=$?
check "read-only linked rtf exit" 1 "$rc"
contains "read-only linked rtf message" "Datei ist schreibgeschützt: $work/verweis.rtf (Verweis auf " "$err"
check "read-only linked rtf kept" "$(cat "$work/echt.vorher")" "$(cat "$work/ablage/echt.rtf")"

# refusals: wrong arguments 2, a project or module that is not there 1
for args in "text $work/p" "rtf $work/p" "rtf $work/p --module Modul1" "html $work/p extra" "text $work/p --module x --credit" "html"; do
  # shellcheck disable=SC2086
  "$cli" $args > /dev/null 2>&1; rc=$?
  check "exit code for '$args'" 2 "$rc"
done
err=$("$cli" html "$work/p" --module Nope 2>&1 >/dev/null); rc=$?
check "unknown module exit" 1 "$rc"; check "unknown module message" "codebrindle-cli: das Projekt hat kein Modul namens 'Nope'" "$err"
mkdir "$work/leer"
err=$("$cli" text "$work/leer" --module Modul1 2>&1 >/dev/null); rc=$?
check "folder without database exit" 1 "$rc"; contains "not intact" "ist nicht mehr intakt" "$err"
err=$("$cli" rtf "$work/p" --out "$work/fehlt/x.rtf" 2>&1 >/dev/null); rc=$?
check "unwritable rtf exit" 1 "$rc"; contains "unwritable rtf message" "x.rtf" "$err"
printf 'alt' > "$work/alt.rtf"
rm "$work/p/M2.txt"
err=$("$cli" rtf "$work/p" --out "$work/alt.rtf" 2>&1 >/dev/null); rc=$?
check "missing module file exit" 1 "$rc"; contains "missing module file message" "M2.txt" "$err"
check "old rtf kept" alt "$(cat "$work/alt.rtf")"
err=$("$cli" html "$work/p" 2>&1 >/dev/null); rc=$?
check "missing module file html exit" 1 "$rc"; contains "missing module file html message" "M2.txt" "$err"
exit $fail
