#!/usr/bin/env bash
# Screenshots of KavStudio on the simulated KAV100, in German and in English:
# offline start, the connection panel during an attempt, connected home, a
# failed attempt (silent device), the three measurement pages with a result
# (developer switch /page:NAME; the device's flags choose what it reports):
# current values normal, with the codes 110/120 and their notes, with the
# track-error button and with the "ERROR" gauge; bad pulses with five list
# entries; the oscillation chart over four Y ranges and with "/math"; the
# page "Daten vom Gerät" with the device's records, the file browser
# walking a folder of record files, a record file of each type opened, and
# saving with the save dialog, the overwrite question and the cancel message.
# Runs the program under a virtual X server
# (xvfb-run), clicks with xdotool and grabs the screen with ImageMagick's
# import.
#
#   scripts/screenshots.sh [OUTDIR]      (default: build/screenshots)
#
# The program runs from a temporary copy of build/bin, so its "Settings.ini"
# is the script's own and the build folder stays untouched.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${KAV_BUILD_DIR:-$root/build}"
out="${1:-$build/screenshots}"
exe="$build/bin/KavStudio"

for tool in xvfb-run import xdotool; do
  command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done
[ -x "$exe" ] || { echo "not built: $exe (scripts/kav.sh build)" >&2; exit 1; }
mkdir -p "$out"
out=$(cd "$out" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$exe" "$work/"
[ -x "$build/bin/kavctl" ] || { echo "not built: $build/bin/kavctl" >&2; exit 1; }
# Record files for the file browser, written as "Daten speichern" writes them.
for f in Lager/Regal_3 Motor/Motorpruefstand Motor/M1 Motor/Welle_A Pumpen/P12; do
  mkdir -p "$work/Messungen/2024/$(dirname "$f")"
  mode=current
  case "$f" in *Welle*) mode=oscillation ;; *P12) mode=badpulses ;; esac
  "$build/bin/kavctl" --sim measure "$mode" --save "$work/Messungen/2024/$f.kav" >/dev/null
done
for lib in "$build"/bin/*Brinda* "$build"/bin/*Valtrix* "$build"/bin/*Tacho*; do
  [ -e "$lib" ] && cp "$lib" "$work/"
done

# One picture: settings, switches, how long to let the program work, file name.
cat > "$work/shoot.sh" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
work=$1; out=$2
shoot() {
  local language=$1 connect=$2 switches=$3 wait=$4 name=$5
  printf '[KAV]\r\nConnect on load=%s\r\nWrite errors=0\r\nLanguage=%s\r\n' "$connect" "$language" \
    > "$work/Settings.ini"
  ( cd "$work" && exec ./KavStudio $switches ) &
  local pid=$!
  sleep "$wait"
  import -window root "$out/$name.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$out/$name.png"
}
# A page reached by clicks: the program starts connected (with the given
# switches), the steps run in order, then the screen is grabbed. A step is
# "x y [double]" (a click at window coordinates), "key NAME", "type TEXT"
# (keys to the focused window, e.g. a dialog) or "shot NAME" (a picture on
# the way, e.g. with a dialog open).
flow() {
  local language=$1 switches=$2 name=$3; shift 3
  printf '[KAV]\r\nConnect on load=1\r\nWrite errors=0\r\nLanguage=%s\r\nProgramm path=%s\r\n' \
    "$language" "$work/Messungen/2024/" > "$work/Settings.ini"
  ( cd "$work" && exec ./KavStudio $switches ) &
  local pid=$!
  sleep 4
  local win
  win=$(xdotool search --name '^KavStudio$' | head -1)
  for step in "$@"; do
    set -- $step
    case "$1" in
      key) xdotool key "$2" ;;
      type) xdotool type --delay 20 "$2" ;;
      shot) import -window root "$out/$2.png"; echo "$out/$2.png"; continue ;;
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
pages() {
  local language=$1 name=$2; shift 2
  flow "$language" /sim "$name" "$@"
}
for language in D E; do
  suffix=$([ "$language" = D ] && echo de || echo en)
  shoot "$language" 0 "/sim" 3 "offline-$suffix"
  shoot "$language" 1 "/sim:slow" 4 "attempt-$suffix"
  shoot "$language" 1 "/sim" 4 "connected-$suffix"
  shoot "$language" 1 "/sim:silent" 14 "failed-$suffix"
  shoot "$language" 1 '/sim:"--steady --speed 1480 --symmetry0 3 --symmetry90 254 --phase 1 --track-error 0" /page:current' 4 "current-$suffix"
  shoot "$language" 1 '/sim:"--symmetry0 110 --symmetry90 120 --phase 110 --track-error 0" /page:current' 4 "current-codes-$suffix"
  shoot "$language" 1 '/sim:"--track-error 2" /page:current' 4 "current-track-error-$suffix"
  shoot "$language" 1 '/sim:"--steady --speed 18001 --track-error 0" /page:current' 4 "current-error-gauge-$suffix"
  shoot "$language" 1 '/sim:"--seed 11" /page:badpulses' 6 "badpulses-$suffix"
  # 200 pulses: one revolution is the 200 samples the axis shows without "/math".
  for peak in 80 450 4000 25000; do
    shoot "$language" 1 "/sim:\"--pulses 200 --oscillation-peak $peak\" /page:oscillation" 5 "oscillation-$peak-$suffix"
  done
  # With "/math" the axis runs over five revolutions of 1024 samples.
  shoot "$language" 1 '/sim:"--samples 5120 --oscillation-peak 180" /math /page:oscillation' 6 "oscillation-math-$suffix"
  # "Daten vom Gerät", then a record loaded by a double-click (its header above).
  pages "$language" "records-device-$suffix" "$GERAET" "$LISTE double"
  # "Daten vom Computer", into the folder "Motor", a file selected.
  pages "$language" "records-browser-$suffix" "$COMPUTER" "$MOTOR double" "$DATEI"
  # A record file of each type opened by a double-click: current values (M1),
  # rotational oscillation (Welle_A), bad pulses (Pumpen/P12).
  pages "$language" "records-file-current-$suffix" "$COMPUTER" "$MOTOR double" "$DATEI double"
  pages "$language" "records-file-oscillation-$suffix" "$COMPUTER" "$MOTOR double" "$DATEI3 double"
  pages "$language" "records-file-badpulses-$suffix" "$COMPUTER" "$PUMPEN double" "$DATEI double"
  # Saving the current values: continuous reading off, "Daten speichern", the
  # save dialog; an existing file chosen gives the question, "No" the cancel message.
  flow "$language" "/sim /page:current" "save-cancelled-$suffix" "$IMMER" "$SPEICHERN" "shot save-dialog-$suffix" \
    "type $work/Messungen/2024/Lager/Regal_3.kav" "key Return" "shot save-overwrite-$suffix" "key Escape"
done
INNER
chmod +x "$work/shoot.sh"

# Where to click, in window coordinates (the menu bar included): the home
# buttons, the second record line, the folders "Motor" and "Pumpen" (sixth
# and seventh row below the open folder's parents), the first and third file,
# and on the page "Aktuell" the box "Werte immer lesen" and "Daten speichern".
export GERAET="104 347" LISTE="104 184" COMPUTER="104 465" MOTOR="104 313" PUMPEN="104 331" DATEI="104 378" \
  DATEI3="104 404" IMMER="23 286" SPEICHERN="104 213"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/shoot.sh" "$work" "$out"
