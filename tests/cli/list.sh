#!/usr/bin/env bash
# "list FILE...": the VBA projects of workbook files as a structure listing;
# a file that cannot be read is named on stderr and the others are listed.
set -u
. "$(dirname "$0")/lib/pruefen.sh" "$1"
# Beside the checkout; a checkout directly under / must not give "//shared".
oben="$(cd "$(dirname "$0")/../../.." && pwd)"
data="${oben%/}/shared/testdata"

# Wrong arguments
"$cli" list >/dev/null 2>&1; check "list without files" 2 "$?"

# A missing file: named on stderr, nothing listed, exit 1
err=$("$cli" list /nonexistent/Mappe1.xlsm 2>&1 >/dev/null); rc=$?
check "missing file exit code" 1 "$rc"
case "$err" in *'"/nonexistent/Mappe1.xlsm"'*) ;; *) check "missing file named" "\"/nonexistent/Mappe1.xlsm\": ..." "$err";; esac
out=$("$cli" list /nonexistent/Mappe1.xlsm 2>/dev/null)
check "missing file lists nothing" "" "$out"

if [ ! -f "$data/MANIFEST.tsv" ]; then
  echo "SKIP: no test data at $data"
  exit $fail
fi

bin="$data/liteninkiran__excel-interface/xl/vbaProject.bin"
expected=$'InterfaceDemo [vbaProject.bin]\r\n\tModule1\r\n\tclsInterestC\r\n\tclsInterestB\r\n\tclsInterestA\r\n\tiInterest\r\n'
out=$("$cli" list "$bin"; echo "rc=$?")
check "one workbook" "${expected}rc=0" "$out"

# The locked add-in is left out silently; the file without VBA is named; the rest is listed
locked="$data/doomiris__VBA_Proxy_Switcher/domisoft.proxy.xlam"
novba="$data/tafia__calamine/tests/issue3.xlsm"
out=$("$cli" list "$locked" "$novba" "$bin" 2>/dev/null; echo "rc=$?")
check "locked and unreadable beside a readable one" "${expected}rc=1" "$out"
err=$("$cli" list "$locked" "$novba" "$bin" 2>&1 >/dev/null)
case "$err" in *"$novba"*) ;; *) check "unreadable file named" "$novba ..." "$err";; esac
case "$err" in *domisoft*) check "locked file not reported" "" "$err";; esac

# Nothing listable: an empty listing, and a word on why
out=$("$cli" list "$locked" 2>/dev/null; echo "rc=$?")
check "only a locked project" "rc=0" "$out"
err=$("$cli" list "$locked" 2>&1 >/dev/null)
check "empty listing explained" "$(printf '%s\n%s' 'codebrindle-cli: kein Projekt aufzulisten' \
  'codebrindle-cli: nicht aufgelistet werden Projekte, die für die Anzeige gesperrt sind, und Module mit höchstens zwei Zeilen')" "$err"
exit $fail
