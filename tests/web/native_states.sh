#!/usr/bin/env bash
# Screenshots of the native program in the states the web check compares:
# the same keys, in the same order, as tests/web/check_page.js sends the page.
# Usage: tests/web/native_states.sh BUILD_DIR OUT_DIR   (needs a DISPLAY)
set -euo pipefail
build=$(cd "$1" && pwd)
out=$2
mkdir -p "$out"
cd "$build/assets"
"$build/marivane" >"$out/native.log" 2>&1 &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --sync --onlyvisible --name '^Marivane$' 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "native_states: no Marivane window" >&2; exit 1; }

shot() { sleep 1.5; import -silent -window "$window" "$out/$1.png"; }
keys() { local key=$1 n=$2; for _ in $(seq 1 "$n"); do xdotool key --window "$window" "$key" 2>/dev/null; sleep 0.03; done; }

# The help panel has faded by nine seconds after start.
sleep 9
shot start
keys Down 40; shot depth50
keys Up 20; keys F3 1; shot clear30
keys F3 1; shot open30
keys F3 1; shot coastal30
keys F6 1; shot torch
keys F4 1; shot chart
