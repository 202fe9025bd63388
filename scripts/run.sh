#!/usr/bin/env bash
# Installs what is missing, builds, and starts Veltrano on a demo model memory directory (./demo).
# Without a display it runs under Xvfb, saves a screenshot of the window and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/deps.sh

jobs=$(nproc); ((jobs > 2)) && jobs=2
build=${VELTRANO_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# veltrano_data writes the icon bitmaps into $build/share/veltrano, where the program finds them.
cmake --build "$build" --target veltrano veltrano-cli veltrano_data -j"$jobs"

demo="$root/demo"
models="$demo/models"
home="$demo/home"
cli="$root/$build/tools/cli/veltrano-cli"

# make_memory FILE TYPE NAME DATE: one model memory file with its date as modification time.
make_memory() {
  local file="$models/$1" type=$2 name=$3 date=$4
  "$cli" new "$type" "$file" >/dev/null
  "$cli" set "$file" 'GLOBAL\MODEL NAME\NAME' "$name" >/dev/null
  touch -d "$date" "$file"
}

rm -rf "$demo"
mkdir -p "$models"
make_memory ASW28.FC "glider 4 servos" "ASW28" "2026-05-01 10:00"
make_memory ASW28_1.FC "glider 4 servos" "ASW28" "2026-08-14 17:30"
make_memory ASW28_2.FC "glider 4 servos" "ASW28" "2026-11-20 09:05"
make_memory ASK21.FC "glider 2 servos" "ASK21" "2026-03-07 14:12"
make_memory EXTRA300.FC "acro" "EXTRA 300" "2026-10-02 18:45"
make_memory LOGO600.FC "heli h1" "LOGO 600" "2026-09-23 11:20"
make_memory LOGO600_1.FC "heli h1" "LOGO 600" "2026-10-30 16:03"
make_memory UHU.FC "standard" "UHU" "2025-12-24 08:30"
# A comment on the newest ASW28 (Windows-1252, CR LF, as the program writes them).
printf 'Neue Servos im H\xf6henruder, Wegeinstellung gepr\xfcft.\r\nErstflug 21.11.26: Schwerpunkt passt.\r\n' \
  >"$models/ASW28_2.TXT"
touch -d "2026-11-20 09:05" "$models/ASW28_2.TXT"

# Settings in a text store under a home folder of its own, so a user's real settings stay as
# they are: the model memory directory, the last active memory, the comment page shown.
store="$home/RegRepl/HKEY_CURRENT_USER/Software/Morlind/Veltrano/10"
mkdir -p "$store"
printf '%s\n' "$models/" >"$store/ModelMemDir.txt"
printf 'ASW28\n' >"$store/ModelMem.txt"
printf '3\n' >"$store/Optionen.txt"

run_veltrano() { (cd "$demo" && HOME="$home" XDG_CONFIG_HOME="$home/.config" exec "$root/$build/app/veltrano"); }

if [[ -n "${DISPLAY:-}" ]]; then
  run_veltrano
  exit
fi

# No display: run under Xvfb, wait for the window, take a screenshot, stop.
shot="$demo/veltrano.png"
rm -f "$shot"
screenshot_under_xvfb() {
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  set -u
  start() { ( cd "$1" && HOME="$2" XDG_CONFIG_HOME="$2/.config" exec "$3" ) & pid=$!; }
  wait_window() {
    for _ in $(seq 1 100); do
      xwininfo -root -tree 2>/dev/null | grep -q "\"Veltrano\"" && return 0
      kill -0 "$pid" 2>/dev/null || return 1
      sleep 0.1
    done
    return 1
  }
  start "$1" "$2" "$3"
  wait_window || { echo "the window did not come up" >&2; exit 1; }
  sleep 1.5
  import -window root "$4"
  kill "$pid"; wait "$pid" 2>/dev/null || true
'  _ "$demo" "$home" "$root/$build/app/veltrano" "$shot"
}
# A display number taken by someone else at the same moment fails the start; try again then.
for attempt in 1 2 3; do
  screenshot_under_xvfb && [[ -f "$shot" ]] && break
  echo "retrying under another display ($attempt)" >&2
done
[[ -f "$shot" ]] || { echo "no screenshot" >&2; exit 1; }
echo "$shot"
