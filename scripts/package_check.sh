#!/usr/bin/env bash
# Checks a built kavstudio_*.deb the way a user meets it: lintian, install
# with apt-get, the desktop entry and metainfo as installed, kavctl on the
# simulated device (in the process and through its D2XX library), KavStudio
# /sim started from /usr/bin under xvfb-run with a fresh home (the window
# comes up, says "Online", logs into the user's data folder and writes nothing
# beside itself; a screenshot is kept; ended from its menu, it keeps its
# settings in the user's configuration folder), then apt-get purge and
# nothing of the package left. Run as root on Debian 12. Usage: package_check.sh DEB [SHOTDIR]
set -uo pipefail

deb=$(realpath "$1")
shots=$(realpath -m "${2:-$(dirname "$deb")}")
mkdir -p "$shots"
status=0
fail() {
    echo "package check FAILED: $*"
    status=1
}
export DEBIAN_FRONTEND=noninteractive

echo "-- lintian"
lintian --fail-on error,warning --display-info "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1 || fail "lintian reports errors or warnings"

echo "-- install"
apt-get install -y -qq "$deb" >/dev/null || { fail "apt-get install"; exit 1; }
files=$(dpkg-query -L kavstudio)
libdir=$(dirname "$(dpkg-query -L kavstudio | grep '/kavstudio/libBrinda.so$')")

echo "-- installed files"
desktop-file-validate /usr/share/applications/org.kavstudio.KavStudio.desktop || fail "desktop entry"
appstreamcli validate --no-net /usr/share/metainfo/org.kavstudio.KavStudio.metainfo.xml >/dev/null ||
    fail "AppStream metainfo"
for page in KavStudio kavctl kav100sim; do
    man -w "$page" >/dev/null 2>&1 || fail "manual page $page"
done
[ "$(KavStudio --version)" = "KavStudio $(dpkg-query -W -f='${Version}' kavstudio)" ] || fail "KavStudio --version"
kavctl --version >/dev/null && kav100sim --version >/dev/null || fail "--version"

echo "-- kavctl"
kavctl --sim info >"$shots/kavctl-info.json" && grep -q '"result": 0' "$shots/kavctl-info.json" ||
    fail "kavctl --sim info"
kavctl --d2xx="$libdir/libkav100sim_ftd2xx.so" exec RD_Info 3 >/dev/null || fail "kavctl through the D2XX library"

echo "-- KavStudio /sim from /usr/bin"
home=$(mktemp -d)
out="$shots/kavstudio-out.txt"
before=$(find /usr/bin "$libdir" -newer "$deb" -type f 2>/dev/null | sort)
cat >"$home/start.sh" <<'INNER'
#!/bin/sh
# Inside the virtual X server: start, wait for "Online", take the picture,
# then end the program as a user does (menu "Program", "Exit"), so it writes
# its settings.
cd /
KavStudio /sim /kommun >"$KAV_OUT" 2>&1 &
pid=$!
i=0
while [ $i -lt 60 ] && ! grep -q "status: Online" "$KAV_OUT"; do sleep 0.5; i=$((i + 1)); done
sleep 1
import -window root "$KAV_SHOT"
win=$(xdotool search --name '^KavStudio$' | head -n 1)
xdotool mousemove --window "$win" 30 8 click 1
sleep 1
xdotool key Up Return
i=0
while [ $i -lt 20 ] && kill -0 $pid 2>/dev/null; do sleep 0.5; i=$((i + 1)); done
if kill -0 $pid 2>/dev/null; then
    echo "KavStudio did not end from its menu"
    kill $pid
fi
wait $pid
echo "KavStudio exit status $?"
INNER
chmod +x "$home/start.sh"
mkdir -m 700 "$home/run"
env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run" KAVSTUDIO_TRACE_STATUS=1 KAV_OUT="$out" \
    KAV_SHOT="$shots/kavstudio.png" timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" "$home/start.sh" >>"$out"
cat "$out"
grep -q "KavStudio exit status 0" "$out" || fail "KavStudio did not end through its menu"
grep -q "^Language=" "$home/.config/KavStudio/Settings.ini" 2>/dev/null ||
    fail "no Settings.ini in the user's configuration folder"
grep -q "KavStudio status: Online" "$out" || fail "the window did not connect to the simulated device"
colours=$(identify -format '%k' "$shots/kavstudio.png" 2>/dev/null || echo 0)
echo "screenshot $shots/kavstudio.png: $colours colours"
[ "$colours" -gt 50 ] || fail "the screenshot is blank"
ls "$home/.local/share/KavStudio/"Kommun_*.log >/dev/null 2>&1 || fail "no communication log in the user's data folder"
after=$(find /usr/bin "$libdir" -newer "$deb" -type f 2>/dev/null | sort)
[ "$before" = "$after" ] || fail "the program wrote beside itself: $(comm -13 <(echo "$before") <(echo "$after"))"
rm -rf "$home"

echo "-- purge"
apt-get purge -y -qq kavstudio >/dev/null || fail "apt-get purge"
# Every file the package held is gone (folders other packages share stay),
# and nothing named after it is left anywhere in /usr.
left=$(echo "$files" | while read -r f; do
    [ -e "$f" ] && [ ! -d "$f" ] && echo "$f"
done)
left+=$(find /usr -path '*kavstudio*' -o -name 'kavctl*' -o -name 'kav100sim*' -o -name '*org.kavstudio*' \
    -o -name 'libkav_designer_controls*' 2>/dev/null)
[ -z "$left" ] || fail "left in /usr after purge: $left"
exit $status
