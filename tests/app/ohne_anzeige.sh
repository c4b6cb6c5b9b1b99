#!/usr/bin/env bash
# Started without any display, the program says so in a sentence and ends,
# instead of Qt's abort.
set -u
prog="$1"
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$prog" 2>&1 >/dev/null); rc=$?
fail=0
if [ "$rc" != 1 ]; then echo "FAIL: exit code $rc, expected 1"; fail=1; fi
case "$err" in
  *"Keine Anzeige gefunden"*"codebrindle-cli arbeitet ohne"*) ;;
  *) echo "FAIL: message: $err"; fail=1 ;;
esac
case "$err" in *einstall*) echo "FAIL: Qt's abort text: $err"; fail=1 ;; esac
exit $fail
