#!/usr/bin/env bash
# Screenshots of the verdict band: each result page (the three measurements,
# a record from the device's memory, a record file) under a PASS, a FAIL and
# an INCOMPLETE profile, then the profile editor and the end of a test run.
# Runs like scripts/screenshots.sh: a temporary copy of build/bin under
# xvfb-run, clicks with xdotool, pictures with ImageMagick's import.
#
#   scripts/verdict_screenshots.sh [OUTDIR]      (default: build/verdict-screenshots)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${KAV_BUILD_DIR:-$root/build}"
out="${1:-$build/verdict-screenshots}"
for tool in xvfb-run import xdotool; do
  command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done
[ -x "$build/bin/KavStudio" ] && [ -x "$build/bin/kavctl" ] || { echo "not built: KavStudio, kavctl" >&2; exit 1; }
mkdir -p "$out"
out=$(cd "$out" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/bin/KavStudio" "$work/"
for lib in "$build"/bin/*Brinda* "$build"/bin/*Valtrix* "$build"/bin/*Tacho*; do
  [ -e "$lib" ] && cp "$lib" "$work/"
done
mkdir -p "$work/profiles" "$work/Messungen" "$work/Pruefungen"
"$build/bin/kavctl" --sim measure current --save "$work/Messungen/A.kav" >/dev/null
# The simulated encoder: 1024 pulses at about 1500 1/min.
cat > "$work/profiles/Pass.json" <<'JSON'
{"name": "Pass", "pulses": 1024, "speed_rpm": [100, 6000], "bad_pulses_max": 10, "oscillation_pp_arcsec_max": 32767}
JSON
cat > "$work/profiles/Fail.json" <<'JSON'
{"name": "Fail", "pulses": 2048, "current_ma_max": 10, "bad_pulses_max": 0, "oscillation_pp_arcsec_max": 1}
JSON
cat > "$work/profiles/Incomplete.json" <<'JSON'
{"name": "Incomplete", "pulses": 1024, "speed_rpm": [20000, 30000]}
JSON

cat > "$work/shoot.sh" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
work=$1; out=$2
# Starts the program with a profile (empty: none), runs the steps ("x y
# [double]", "key NAME", "type TEXT", "wait S"), grabs the screen.
flow() {
  local profile=$1 switches=$2 name=$3; shift 3
  printf '[KAV]\r\nConnect on load=1\r\nWrite errors=0\r\nLanguage=E\r\nProgramm path=%s\r\n[KavStudio]\r\nProfile=%s\r\nTestRunFolder=%s\r\n' \
    "$work/Messungen/" "$profile" "$work/Pruefungen" > "$work/Settings.ini"
  ( cd "$work" && exec ./KavStudio $switches ) &
  local pid=$!
  sleep 5
  local win
  win=$(xdotool search --name '^KavStudio$' | head -1)
  for step in "$@"; do
    set -- $step
    case "$1" in
      key) xdotool key "$2" ;;
      type) xdotool type --delay 20 "$2" ;;
      wait) sleep "$2"; continue ;;
      *)
        xdotool mousemove --window "$win" "$1" "$2"
        if [ "${3:-}" = double ]; then xdotool click --repeat 2 --delay 80 1; else xdotool click 1; fi
        ;;
    esac
    sleep 1.5
  done
  import -window root "$out/$name.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$out/$name.png"
}
sim='/sim:"--steady --speed 1500 --pulses 1024 --deviations 2"'
for p in Pass Fail Incomplete; do
  n=$(echo "$p" | tr 'A-Z' 'a-z')
  flow "$p" "$sim /page:current" "current-$n"
  flow "$p" "$sim /page:badpulses" "badpulses-$n" "wait 3"
  flow "$p" "$sim /page:oscillation" "oscillation-$n" "wait 3"
  flow "$p" "$sim" "records-device-$n" "$GERAET" "$LISTE double"
  flow "$p" "$sim" "records-file-$n" "$COMPUTER" "$DATEI double"
done
flow "" "$sim /page:current" "current-none"
# The menu "Test profile", then "Edit profiles …".
flow Pass "$sim" "editor" "$MENU" "key Up" "key Up" "key Return"
# "Test run …": the folder dialog takes the remembered folder, then one OK per step.
flow Fail "$sim" "test-run-end" "$MENU" "key Up" "key Return" "key Return" "wait 2" "key Return" "wait 6" "key Return" "wait 8" \
  "key Return" "wait 8"
INNER
chmod +x "$work/shoot.sh"
# Window coordinates (menu bar included): home buttons, the second record line,
# the first file; the menu "Test profile" (its items by the keyboard from below).
export GERAET="104 347" LISTE="104 184" COMPUTER="104 465" DATEI="104 378" MENU="120 8"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/shoot.sh" "$work" "$out"
