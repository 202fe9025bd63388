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
cmake --build "$build" --target veltrano veltrano-cli -j"$jobs"

demo="$root/demo"
models="$demo/models"
home="$demo/home"
cli="$root/$build/tools/cli/veltrano-cli"

# The Standard factory memory, offsets 0..469; 470..1869 repeat 120..469.
standard_image_hex() {
  local head='
04050600050013140E0400000008090000000000000000580000000000000000
0000000000000000FEFEC0C0003C003C82008200820082008000000000000000
0000000000000000FF80808021292C00252C2500342832003235240021353800
21353800213538002135380019232800FFF08081828300000001020304050607
0000000000000000000000000000000064646464646464646464646464646464
6464646464646464646464646464646400000000000000000000000064646464
6464646464646464646464640000000000000000000000000000000080006464
000081006464000083006464000081E03232000000008AE032320000000093E0
3232000000009CE0323200000000A5E0323200000000AEE03232000000000909
0909090982008200820082008200646464640000000000000000646464646464
64640000A8BED4EA00162C425800FFFFFFFFF7FFFFFF8485868788898A8B8080
8080808080808081828384848586808080808080808780808080808080800000
00000000000032326464E4E46464E46432323232000032323232000032320000
000032320000323232326464E4E4000000000000000000000000001E32320000
00000000000000000000000000000000000000000000'
  head=$(tr -d ' \n' <<<"$head")
  local block=${head:240}  # bytes 120..469
  printf '%s%s%s%s%s' "$head" "$block" "$block" "$block" "$block"
}

# Writes a Standard memory named $2 to $1 without the command-line tool: "FC2830", length 1870.
write_standard_memory() {
  local out=$1 name=$2 hex codes="" i c
  hex=$(standard_image_hex)
  for ((i = 0; i < 12; i++)); do
    c=${name:i:1}
    case "$c" in
      [A-Z]) codes+=$(printf '%02X' $(($(printf '%d' "'$c") - 64))) ;;
      [0-9]) codes+=$(printf '%02X' $((53 + c))) ;;
      *) codes+="00" ;;
    esac
  done
  hex="464332383330074E${codes}${hex:24}"
  printf '%b' "$(sed 's/../\\x&/g' <<<"$hex")" >"$out"
}

# make_memory FILE TYPE NAME DATE: one model memory file with its date as modification time.
make_memory() {
  local file="$models/$1" type=$2 name=$3 date=$4
  if ! { "$cli" new "$type" "$file" >/dev/null 2>&1 &&
         "$cli" set "$file" 'GLOBAL\MODEL NAME\NAME' "$name" >/dev/null 2>&1; }; then
    write_standard_memory "$file" "$name"
  fi
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
printf '11\n' >"$store/Optionen.txt"

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
  if [[ ! -f "$1/Ok.bmp" ]]; then
    # The program writes its icon files five seconds after start; they show from the next start.
    for _ in $(seq 1 100); do [[ -f "$1/OrdnerOffen.bmp" ]] && break; sleep 0.1; done
    kill "$pid"; wait "$pid" 2>/dev/null || true
    start "$1" "$2" "$3"
    wait_window || { echo "the window did not come up" >&2; exit 1; }
  fi
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
