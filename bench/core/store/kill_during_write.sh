#!/usr/bin/env bash
# Kills a process that saves a model memory and its comment over and over (store_write_loop)
# at random moments, KILLS times, and after each kill checks that the memory file and the
# comment file each hold one whole version (never torn, empty or missing), and at the end that
# the leftover temporary files do not block a save.
# Usage: bench/core/store/kill_during_write.sh [BUILD_DIR] [KILLS]
set -uo pipefail
build=${1:-build}
kills=${2:-500}
writer=$build/bench/core/store/store_write_loop
cli=$build/tools/cli/veltrano-cli
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fc=$tmp/ASW28.FC
txt=$tmp/ASW28.TXT
fcA=$(python3 -c 'import sys; sys.stdout.write((b"FC2830\x07\x4e" + b"\xa5" * 1870).hex())')
fcB=$(python3 -c 'import sys; sys.stdout.write((b"FC2830\x07\x4e" + b"\x5a" * 1870).hex())')
txtA=$(python3 -c 'import sys; sys.stdout.write(((b"a" * 60 + b"\r\n") * 200).hex())')
txtB=$(python3 -c 'import sys; sys.stdout.write(((b"b" * 60 + b"\r\n") * 200).hex())')
torn=0 missing=0 saves=0
xxd -r -p <<<"$fcA" >"$fc"
xxd -r -p <<<"$txtA" >"$txt"
for ((i = 1; i <= kills; i++)); do
  "$writer" "$fc" 2>/dev/null &
  pid=$!
  sleep "0.0$((RANDOM % 40 + 5))"
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  for pair in "$fc:$fcA:$fcB" "$txt:$txtA:$txtB"; do
    IFS=: read -r file a b <<<"$pair"
    if [[ ! -e $file ]]; then
      missing=$((missing + 1))
      continue
    fi
    got=$(xxd -p "$file" | tr -d '\n')
    [[ $got == "$a" || $got == "$b" ]] || torn=$((torn + 1))
  done
done
leftovers=$(find "$tmp" -maxdepth 1 -name '.vt*' | wc -l)
# A save after all of it still works, with the leftovers in place.
"$cli" set "$fc" 'GLOBAL\TIMER\TIMER 1 TIME' 5 >/dev/null 2>&1 && saves=1
echo "kills: $kills, torn or empty files: $torn, missing files: $missing," \
  "temporary leftovers: $leftovers, save afterwards: $([[ $saves == 1 ]] && echo ok || echo FAILED)"
