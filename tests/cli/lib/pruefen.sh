# What every command-line test shares: the program under test by its full
# path (the tests change folder), a count of failures, and the two checks.
# Sourced with the test's first argument.
case "$1" in /*) cli="$1" ;; *) cli="$PWD/$1" ;; esac
fail=0
check() { # name, expected, actual
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"; echo "  expected: $(printf '%q' "$2")"; echo "  actual:   $(printf '%q' "$3")"; fail=1
  fi
}
contains() { # name, needle, haystack
  case "$3" in *"$2"*) ;; *) echo "FAIL: $1"; echo "  wanted: $(printf '%q' "$2")"; echo "  in:     $(printf '%q' "$3" | head -c 600)"; fail=1;; esac
}
