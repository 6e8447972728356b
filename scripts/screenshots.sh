#!/usr/bin/env bash
# Screenshots of KavStudio on the simulated KAV100, in German and in English:
# offline start, the connection panel during an attempt, connected home, a
# failed attempt (silent device), and the three measurement pages with a
# result (developer switch /page:NAME; the device's flags choose what it
# reports): current values normal, with the codes 110/120 and their notes,
# with the track-error button and with the "ERROR" gauge; bad pulses with
# five list entries; the oscillation chart over four Y ranges and with
# "/math". Runs the program under a virtual X server (xvfb-run) and grabs the
# screen with ImageMagick's import.
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

for tool in xvfb-run import; do
  command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done
[ -x "$exe" ] || { echo "not built: $exe (scripts/kav.sh build)" >&2; exit 1; }
mkdir -p "$out"
out=$(cd "$out" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$exe" "$work/"
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
done
INNER
chmod +x "$work/shoot.sh"

xvfb-run -a -s "-screen 0 1024x768x24" "$work/shoot.sh" "$work" "$out"
