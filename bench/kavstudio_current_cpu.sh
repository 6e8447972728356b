#!/usr/bin/env bash
# KavStudio reading current values continuously on the simulated device
# ("/sim /page:current"), in real time: the CPU time it takes and whether its
# resident memory grows once it has run for a while. The program runs on the
# offscreen platform (or, with --xvfb, inside xvfb-run) from a temporary copy
# of build/bin; the script waits WARMUP seconds, then samples /proc/PID over
# RUN seconds: utime + stime from stat, VmRSS from status.
#
#   bench/kavstudio_current_cpu.sh [--xvfb] [--trend] [WARMUP] [RUN]     (defaults 60 60)
#
# --trend (implies --xvfb) opens the trend window with the page's own button
# (xdotool) before the warm-up, so every reading also goes into the trend.
# Its store grows in blocks of 4096 readings, so the allowed growth (end
# against start; a redraw's second picture is a passing peak) is the 8 MB
# per 24 hours share of the measuring window plus one such block.
#
# The device reports a track error with every result and "Write errors" is
# on, so each result shown leaves one line in the error log: their count in
# the measuring window says the program really measured. Targets: CPU at
# most 3 % of one core, no growth of the resident memory; the exit code is 1
# when one is missed.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${KAV_BUILD_DIR:-$root/build}"
xvfb=0
trend=0
while [ "${1:-}" = "--xvfb" ] || [ "${1:-}" = "--trend" ]; do
  [ "$1" = "--trend" ] && trend=1
  xvfb=1
  shift
done
warmup=${1:-60}
run=${2:-60}
[ -x "$build/bin/KavStudio" ] || { echo "not built: $build/bin/KavStudio" >&2; exit 1; }

work=$(mktemp -d)
pid=""
job=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "$job" ] && wait "$job" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp "$build/bin/KavStudio" "$work/"
for lib in "$build"/bin/*Brinda* "$build"/bin/*Valtrix* "$build"/bin/*Tacho*; do
  [ -e "$lib" ] && cp "$lib" "$work/"
done
printf '[KAV]\r\nConnect on load=1\r\nWrite errors=1\r\nLanguage=E\r\n' > "$work/Settings.ini"
# Per-user files (settings, logs, locks) stay inside the temporary folder too.
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

cd "$work"
switches=(/sim:"--track-error 1" /page:current)
if [ "$xvfb" = 1 ]; then
  # The program's own id, not xvfb-run's: it writes it before it becomes KavStudio.
  xvfb-run -a -s "-screen 0 1024x768x24" sh -c 'echo $$ > pid; exec ./KavStudio "$@"' sh "${switches[@]}" 2>xvfb.log &
  job=$!
  for _ in $(seq 50); do [ -s pid ] && break; sleep 0.1; done
  pid=$(cat pid 2>/dev/null || true)
else
  QT_QPA_PLATFORM=offscreen ./KavStudio "${switches[@]}" &
  job=$!
  pid=$job
fi
[ -n "$pid" ] && [ -d "/proc/$pid" ] || { echo "KavStudio did not start" >&2; exit 1; }

ticks=$(getconf CLK_TCK)
cpu() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"; }
results() { find "$work" -name 'Errors_*.log' -exec cat {} + 2>/dev/null | grep -c 'Error on 0 and 90 line' || true; }

if [ "$trend" = 1 ]; then
  command -v xdotool >/dev/null || { echo "missing: xdotool" >&2; exit 1; }
  # xvfb-run's display and its authority file, as the program got them.
  export DISPLAY XAUTHORITY
  DISPLAY=$(tr '\0' '\n' < "/proc/$pid/environ" | sed -n 's/^DISPLAY=//p')
  XAUTHORITY=$(tr '\0' '\n' < "/proc/$pid/environ" | sed -n 's/^XAUTHORITY=//p')
  main=""
  for _ in $(seq 100); do
    main=$(xdotool search --pid "$pid" --name KavStudio 2>/dev/null | head -1 || true)
    [ -n "$main" ] && break
    sleep 0.1
  done
  [ -n "$main" ] || { echo "no KavStudio window" >&2; exit 1; }
  sleep 3
  # The trend button below the page's panel (window coordinates).
  xdotool mousemove --window "$main" 104 392 click 1
  sleep 1
  xdotool search --pid "$pid" --name 'Trend of the current values' >/dev/null ||
    { echo "the trend window did not open" >&2; exit 1; }
  xdotool mousemove 1000 10 # no tooltip over the chart
fi
sleep "$warmup"
cpu0=$(cpu); rss0=$(rss); res0=$(results); t0=$(date +%s.%N)
rssmax=$rss0
for ((i = 0; i < run; i++)); do
  sleep 1
  r=$(rss)
  [ "$r" -gt "$rssmax" ] && rssmax=$r
done
cpu1=$(cpu); rss1=$(rss); res1=$(results); t1=$(date +%s.%N)

awk -v c0="$cpu0" -v c1="$cpu1" -v t0="$t0" -v t1="$t1" -v hz="$ticks" -v r0="$rss0" -v r1="$rss1" \
    -v rmax="$rssmax" -v n0="$res0" -v n1="$res1" -v w="$warmup" -v trend="$trend" 'BEGIN {
  secs = t1 - t0; cpus = (c1 - c0) / hz; pct = 100 * cpus / secs
  printf "warmup_s %d\nmeasured_s %.1f\nresults %d (%.2f per second)\ncpu_s %.2f\ncpu_percent %.2f\n", w, secs, n1 - n0, (n1 - n0) / secs, cpus, pct
  printf "rss_kb_start %d\nrss_kb_end %d\nrss_kb_max %d\nrss_growth_kb %d\n", r0, r1, rmax, rmax - r0
  allowed = 0
  growth = rmax - r0
  if (trend) {
    allowed = 8192 * secs / 86400 + 4096 * 27 / 1024
    growth = r1 - r0
    printf "trend_window open\nrss_growth_end_kb %d\nrss_growth_allowed_kb %d\n", growth, allowed
  }
  ok = (pct <= 3.0 && growth <= allowed && n1 > n0)
  print (ok ? "targets met" : "TARGET MISSED")
  exit (ok ? 0 : 1)
}'
