#!/usr/bin/env bash
# The real program, started several times on one cache folder: each
# running instance has a working folder of its own, a start beside a
# running instance cleans nothing, an instance killed with SIGKILL leaves
# its folder until the next start that finds no other instance, and an
# instance that ends removes its folder.
set -u
prog="$1"
tmp=$(mktemp -d /tmp/cb-instanzen-XXXXXX)
pids=()
aufraeumen() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap aufraeumen EXIT

export QT_QPA_PLATFORM=offscreen
export XDG_CACHE_HOME="$tmp/cache" XDG_CONFIG_HOME="$tmp/config" HOME="$tmp/home"
export XDG_RUNTIME_DIR="$tmp/run"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
bereich="$XDG_CACHE_HOME/codebrindle/TempDateien"
fail=0
check() { # name, expected, actual
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"; echo "  expected: $2"; echo "  actual:   $3"; fail=1
  fi
}

ordner() { # the instance folders, sorted
  (cd "$bereich" 2>/dev/null && ls -d T_* 2>/dev/null | LC_ALL=C sort)
}
anzahl() { ordner | grep -c . ; }
# Waits (up to 10 s) until the condition (a shell command) holds.
warten_bis() {
  local i
  for ((i = 0; i < 200; i++)); do
    eval "$1" && return 0
    sleep 0.05
  done
  echo "FAIL: timed out waiting for: $1; folders: $(ordner | tr '\n' ' ')"
  for f in "$tmp"/log.*; do [ -s "$f" ] && { echo "--- $f"; cat "$f"; }; done
  exit 1
}
warten_auf() { warten_bis "[ \"\$(anzahl)\" = $1 ]"; }
starten() { # name: starts an instance in the background, its pid in pid_<name>
  "$prog" >"$tmp/log.$1" 2>&1 &
  pids+=($!)
  printf -v "pid_$1" '%s' "$!"
}
neu_seit() { # the folders now that were not in $1
  comm -13 <(printf '%s\n' $1 | LC_ALL=C sort) <(ordner)
}
beenden() { # pid, signal: waits until the process has gone
  kill "-$2" "$1"
  wait "$1" 2>/dev/null
}

starten a
warten_auf 1
ordner_a=$(ordner)
echo "von A" >"$bereich/$ordner_a/M1.txt"

starten b
warten_auf 2
ordner_b=$(neu_seit "$ordner_a")
check "B has a folder of its own" 1 "$(printf '%s\n' "$ordner_b" | grep -c '^T_')"
check "B's start left A's file" "von A" "$(cat "$bereich/$ordner_a/M1.txt" 2>&1)"

beenden "$pid_a" KILL
check "A's folder stays after SIGKILL" "von A" "$(cat "$bereich/$ordner_a/M1.txt" 2>&1)"

# B still runs: a new start cleans nothing.
starten c
warten_auf 3
ordner_c=$(neu_seit "$ordner_a $ordner_b")
check "C's start beside B left A's folder" "von A" "$(cat "$bereich/$ordner_a/M1.txt" 2>&1)"

# Ending normally (SIGTERM closes as the window does) removes the own folder.
beenden "$pid_b" TERM
beenden "$pid_c" TERM
check "B and C removed their folders" "$ordner_a" "$(ordner)"

# Alone now: the start cleans what the killed instance left.
starten d
warten_bis '[ "$(anzahl)" = 1 ] && [ "$(ordner)" != "$ordner_a" ]'
ordner_d=$(ordner)
check "the killed instance's folder is gone" "" "$(ls -A "$bereich/$ordner_a" 2>/dev/null)"
check "only D's folder is left" 1 "$(anzahl)"
beenden "$pid_d" TERM
check "D removed its folder" "" "$(ordner)"
if [ $fail != 0 ]; then
  for f in "$tmp"/log.*; do [ -s "$f" ] && { echo "--- $f"; cat "$f"; }; done
fi
exit $fail
