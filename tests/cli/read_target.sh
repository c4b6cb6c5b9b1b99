#!/usr/bin/env bash
# Where read --out writes: only a new or empty folder or an earlier project,
# the user's own files left as they are, and a read stopped at any step of
# putting the project in place leaves one whole project, never a mix.
set -u
. "$(dirname "$0")/lib/pruefen.sh" "$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp" || exit 1

printf 'Attribute VB_Name = "Alt"\r\nSub Eins()\r\nEnd Sub\r\nSub Zwei()\r\nEnd Sub\r\n' > Alt.bas
printf 'Attribute VB_Name = "Neu"\r\nSub Drei()\r\nEnd Sub\r\n' > Neu.bas
printf 'Attribute VB_Name = "Noch"\r\nSub Vier()\r\nEnd Sub\r\n' > Noch.bas
"$cli" read --out proj Alt.bas || exit 1
alt=$("$cli" outline proj)
"$cli" read --out neu Neu.bas Noch.bas || exit 1
neu=$("$cli" outline neu)
# The project folder holds the project's files and nothing else of the read
whole() { # name, folder: its outline must be the old or the new project's, with the module texts it lists
  local o; o=$("$cli" outline "$2" 2>&1)
  if [ "$o" != "$alt" ] && [ "$o" != "$neu" ]; then check "$1: one whole project" "old or new outline" "$o"; fi
  local n; n=$(printf '%s\n' "$o" | grep -vc $'^\t')
  check "$1: module texts of that project" "$n" "$(ls "$2" | grep -c '^M[0-9]*\.txt$')"
}

# A folder with files of the user's that look like module texts is refused, untouched
mkdir eigen && printf 'mein' > eigen/M1.txt && printf 'auch' > eigen/M7.txt
err=$("$cli" read --out eigen Neu.bas 2>&1); rc=$?
check "foreign folder refused" 1 "$rc"
check "foreign folder message" "codebrindle-cli: der Ordner 'eigen' ist weder leer noch ein Projektordner (ohne CodeBrindle.mdb); gelesen wird in einen neuen oder leeren Ordner oder über ein Projekt" "$err"
check "the user's files untouched" "mein auch" "$(cat eigen/M1.txt) $(cat eigen/M7.txt)"
check "nothing added" "M1.txt M7.txt" "$(ls -A eigen | tr '\n' ' ' | sed 's/ $//')"
mkdir leer
"$cli" read --out leer Neu.bas Noch.bas; rc=$?
check "an empty folder taken" "0:$neu" "$rc:$("$cli" outline leer)"

# Over an earlier project: the user's notes stay, also as the same file
printf 'notiz' > proj/notizen.txt
ln proj/notizen.txt zweiter-name
chmod 750 proj
for schritt in vor-tausch nach-tausch; do
  cp -a proj "p-$schritt"
  CODEBRINDLE_TEST_LESEN=$schritt "$cli" read --out "p-$schritt" Neu.bas Noch.bas 2>/dev/null; rc=$?
  check "stopped $schritt: stopped" 137 "$rc"
  whole "stopped $schritt" "p-$schritt"
  check "stopped $schritt: notes" notiz "$(cat "p-$schritt/notizen.txt")"
done
check "stopped before the exchange: the earlier project" "$alt" "$("$cli" outline p-vor-tausch)"
check "stopped after the exchange: the new project" "$neu" "$("$cli" outline p-nach-tausch)"
ls -d .p-vor-tausch.codebrindle-read-* >/dev/null 2>&1 || check "a killed read leaves its folder" "a leftover" "none"
# The next read into the same place takes what the killed ones left
for schritt in vor-tausch nach-tausch; do
  "$cli" read --out "p-$schritt" Neu.bas || check "read after $schritt" 0 $?
  check "no leftover of $schritt" "" "$(ls -A | grep "^\.p-$schritt\.codebrindle-read-")"
  check "no leftover inside $schritt" "" "$(ls -A "p-$schritt" | grep codebrindle-read)"
done

"$cli" read --out proj Neu.bas Noch.bas; rc=$?
check "read over the project" "0:$neu" "$rc:$("$cli" outline proj)"
check "notes kept" notiz "$(cat proj/notizen.txt)"
check "notes are still the same file" "$(stat -c %i zweiter-name)" "$(stat -c %i proj/notizen.txt)"
check "the folder's rights kept" 750 "$(stat -c %a proj)"
check "only the new module texts" "M1.txt M2.txt" "$(ls proj | grep '^M' | tr '\n' ' ' | sed 's/ $//')"
check "nothing beside the folder" "" "$(ls -A | grep codebrindle-read)"
"$cli" read --out proj/ Alt.bas; rc=$?
check "a folder named with a separator at its end" "0:$alt" "$rc:$("$cli" outline proj)"

# A read into a link takes the linked folder's place, not the link's
ln -s proj verweis
"$cli" read --out verweis Alt.bas; rc=$?
check "read through a link" "0:$alt" "$rc:$("$cli" outline proj)"
[ -L verweis ] || check "the link stays a link" "a link" "$(ls -ld verweis)"

# Without the exchange (a folder above that cannot take the work folder),
# the files are moved in one by one, the database last
CODEBRINDLE_TEST_LESEN=ohne-tausch "$cli" read --out proj Neu.bas Noch.bas; rc=$?
check "read without the exchange" "0:$neu" "$rc:$("$cli" outline proj)"
check "notes kept without the exchange" notiz "$(cat proj/notizen.txt)"
exit $fail
