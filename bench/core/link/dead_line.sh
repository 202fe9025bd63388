#!/usr/bin/env bash
# A transmitter that goes away mid-transfer: fc28-sim sends a memory but stalls after 300 bytes,
# is killed 1 s later, and veltrano-cli (without --timeout) must end at once with a message.
# Prints the CLI's exit code, the time from the kill to its end and its CPU use; then the link
# code of the window on a hung-up line (link_idle_cpu --waiting --hangup).
# Usage: bench/core/link/dead_line.sh [BUILD_DIR] [RUNS]
set -uo pipefail
build=${1:-build}
runs=${2:-5}
sim=$build/tools/sim/fc28-sim
cli=$build/tools/cli/veltrano-cli
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$cli" new acro "$tmp/m.fc" || exit 1
for ((i = 1; i <= runs; i++)); do
  rm -f "$tmp/dev" "$tmp/out.fc"
  "$sim" send "$tmp/m.fc" --baud 4800 --fault stall:300 --path-file "$tmp/dev" --timeout 30 \
    2>/dev/null >/dev/null &
  simpid=$!
  while [[ ! -s $tmp/dev ]]; do sleep 0.05; done
  /usr/bin/time -f "%e %U %S" -o "$tmp/time" "$cli" receive "$tmp/out.fc" \
    --device "$(cat "$tmp/dev")" 2>"$tmp/err" &
  clipid=$!
  sleep 2
  kill "$simpid"
  killed=$(date +%s.%N)
  wait "$clipid"
  rc=$?
  ended=$(date +%s.%N)
  read -r wall user sys < <(tail -1 "$tmp/time")
  printf 'run %d: exit %d, ended %.2f s after the kill, CPU %.2f s over %.1f s (%.1f %%), %s, %s\n' \
    "$i" "$rc" "$(echo "$ended - $killed" | bc)" "$(echo "$user + $sys" | bc)" "$wall" \
    "$(echo "100 * ($user + $sys) / $wall" | bc -l)" \
    "$( [[ -e $tmp/out.fc ]] && echo "out.fc written" || echo "nothing written")" \
    "$(grep -v '^COM\|^Format\|^Block' "$tmp/err" | head -1)"
done
"$build/bench/core/link/link_idle_cpu" 5 --waiting --hangup 2>/dev/null
