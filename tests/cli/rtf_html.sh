#!/usr/bin/env bash
# The command line as a user calls it: exact bytes, exit codes, messages.
set -u
. "$(dirname "$0")/lib/pruefen.sh" "$1"

header=$'{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}\r\n{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\fswiss MS Sans Serif;}{\\f3\\fswiss MS Sans Serif;}{\\f4\\fswiss\\fprq2 System;}}\r\n{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue128;\\red0\\green128\\blue0;\\red128\\green0\\blue0;}\r\n\\deflang1031\\pard\\li105\\tx283\\tx566\\tx849\\tx1132\\tx1415\\tx1698\\tx1981\\tx2264\\tx2547\\tx2830\\plain\\f3\\fs20 '
out=$(printf 'Dim x As Long' | "$cli" rtf -; echo "rc=$?")
check "rtf of Dim x As Long" "${header}\\cf1 Dim\\cf0  x \\cf1 As\\cf0  \\cf1 Long\\cf0 }rc=0" "$out"

# LF line breaks become paragraphs; options apply
out=$(printf "Sub A()\n\tx = 1\nEnd Sub\n" | "$cli" rtf - --option rouf=0 --option "font=Courier New,12" --option tab=10 | tail -c 160)
case "$out" in *'\b '*) check "no bold with rouf=0" "" "$out";; esac
case "$out" in *$'\r\n\\par \\tab x = 1\r\n\\par '*) ;; *) check "tab and paragraph" "...\\par \\tab x = 1..." "$out";; esac
full=$(printf 'x' | "$cli" rtf - --option "font=Courier New,12" --option tab=10)
case "$full" in *'{\f3\fswiss Courier New;}'*'\tx567\tx1134'*'\plain\f3\fs24 x}') ;; *) check "font and tabs" "Courier New, fs24, tx567" "$full";; esac

# Windows-1252 bytes in the RTF; a character beyond it survives as \uN
out=$(printf 'x = "Gr\xc3\xb6\xc3\x9fe \xd0\x96"' | "$cli" rtf - | tail -c 40 | od -An -c -w400 | tr -s ' ')
case "$out" in *'G r 366 337 e \ u 1 0 4 6 ?'*) ;; *) check "rtf bytes" "G r 366 337 e \\u1046?" "$out";; esac

# HTML fragment in UTF-8
out=$(printf 'If a < b Then x = "\xc3\xa4\xd0\x96" \x27 c' | "$cli" html -)
check "html" '<pre><span style="font-family=MS Sans Serif,Arial; font-size=10pt"; ><span style="color:#000080"; >If</span> a &lt; b <span style="color:#000080"; >Then</span> x = <span style="color:#800000"; >&#34;&auml;Ж&#34;</span> <span style="color:#008000"; >'"'"' c</span></span></pre>' "$out"

# Empty input, NUL and the marker character
out=$(printf '' | "$cli" rtf - | tail -c 16)
check "empty input" '\plain\f3\fs20 }' "$out"
out=$(printf 'a\0b \xc5\xb8 c' | "$cli" html - | od -An -tx1 -w400 | tr -d ' \n')
case "$out" in *6100622020c5b8*|*610062*c5b8*) ;; *) check "NUL and marker kept" "61 00 62 ... c5 b8" "$out";; esac

# Wrong arguments: exit 2, what is wrong in German on the first line, then
# the usage on stderr
while IFS='|' read -r args said; do
  # shellcheck disable=SC2086
  err=$(printf 'x' | "$cli" $args 2>&1 >/dev/null); rc=$?
  check "exit code for '$args'" 2 "$rc"
  check "message for '$args'" "codebrindle-cli: $said" "$(head -n 1 <<<"$err")"
  case "$err" in *$'\n\nAufruf: codebrindle-cli BEFEHL [ARGUMENTE] [--option SCHLÜSSEL=WERT]...\n'*) ;;
    *) check "usage text for '$args'" "Aufruf: ..." "$err";; esac
done <<'EOF'
|kein Befehl angegeben
rtf|falsche Argumente für 'rtf'
rtf x y|falsche Argumente für 'rtf'
bogus -|unbekannter Befehl 'bogus'
rtf - --option|--option braucht SCHLÜSSEL=WERT
rtf - --option nokey=1|unbekannter Optionsschlüssel 'nokey'
rtf - --option =1|--option braucht SCHLÜSSEL=WERT, nicht '=1'
rtf - --frob|unbekannte Option '--frob'
rtf - --option fkey=abc|--option fkey nimmt eine ganze Zahl, nicht 'abc'
rtf - --option tab=|--option tab nimmt eine ganze Zahl, nicht ''
rtf - --option font=Arial|--option font nimmt NAME,GRÖSSE mit einer Größe von 1 bis 1638, nicht 'Arial'
rtf - --option font=Arial,|--option font nimmt NAME,GRÖSSE mit einer Größe von 1 bis 1638, nicht 'Arial,'
rtf - --option font=Arial,zwölf|--option font nimmt NAME,GRÖSSE mit einer Größe von 1 bis 1638, nicht 'Arial,zwölf'
rtf - --option font=Arial,0|--option font nimmt NAME,GRÖSSE mit einer Größe von 1 bis 1638, nicht 'Arial,0'
rtf - --option font=,10|--option font nimmt NAME,GRÖSSE mit einer Größe von 1 bis 1638, nicht ',10'
html - --option font=Arial,99999|--option font nimmt NAME,GRÖSSE mit einer Größe von 1 bis 1638, nicht 'Arial,99999'
rtf - --out|--out braucht einen Wert
EOF

# Help is asked for, not a mistake; the usage is German like the rest
out=$("$cli" --help); rc=$?
check "help exit code" 0 "$rc"
check "help text on stdout" "Aufruf: codebrindle-cli BEFEHL [ARGUMENTE] [--option SCHLÜSSEL=WERT]..." "$(head -n 1 <<<"$out")"
for word in 'usage:' 'commands:' 'options (' ' the ' ' of ' ' from '; do
  case "$out" in *"$word"*) check "no English '$word' in the usage" "" "$word";; esac
done

# A write failure is an error, not a success
if [ -w /dev/full ]; then
  printf 'x' | "$cli" rtf - > /dev/full 2>/dev/null; rc=$?
  check "write to a full device" 1 "$rc"
fi
exit $fail
