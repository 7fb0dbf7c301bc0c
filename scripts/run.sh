#!/usr/bin/env bash
# Installs what is missing, builds and starts Tarvel 3.
#
#   scripts/run.sh [--demo | --unit] [ARGS...]
#
# --demo starts the program attached to a simulated ignition unit: the
# simulator (tarvel3ctl simulate) runs on a pseudo-terminal, and a demo
# settings folder (build/demo-home) maps COM1 to it through its PORTS section,
# so live data shows at once and Read, Program and Verify work. --unit starts
# the program on the real serial ports with the user's own settings. Without
# either, the demo runs when no unit is configured yet (no settings file).
# ARGS go to the program (for example DEUTSCH). Build output goes to standard
# error.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=auto
case "${1:-}" in
  --demo) mode=demo; shift ;;
  --unit) mode=unit; shift ;;
esac

{
  scripts/deps.sh run
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build -j2 --target tarvel3 tarvel3ctl
} >&2

program=build/src/app/tarvel3
ctl=build/tools/tarvel3ctl/tarvel3ctl

user_home="${TARVEL3_HOME:-${XDG_CONFIG_HOME:-$HOME/.config}/tarvel3}"
if [ "$mode" = auto ]; then
  if [ -e "$user_home/tarvel3" ]; then mode=unit; else mode=demo; fi
fi
[ "$mode" = unit ] && exec "$program" "$@"

# Demo: the simulated unit on a pseudo-terminal, mapped to COM1.
demo_home="$PWD/build/demo-home"
mkdir -p "$demo_home"
sim_out="$demo_home/simulator.out"
"$ctl" simulate >"$sim_out" 2>"$demo_home/simulator.log" &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null || true' EXIT
for _ in $(seq 200); do  # up to 20 s on a busy machine
  [ -s "$sim_out" ] && break
  sleep 0.1
done
pty=$(head -n 1 "$sim_out")
[ -n "$pty" ] || { echo "run.sh: the simulated unit did not start" >&2; exit 1; }

# Keep what the last demo run saved, but always use COM1 and the new device.
settings="$demo_home/tarvel3"
kept=""
[ -e "$settings" ] && kept=$(awk '
  /^\[/ { section = toupper($0) }
  section == "[FORM_HLAV]" && $0 !~ /^\[/ && $0 !~ /^ComPort(Auto)?=/ { print }
' "$settings" | tr -d '\r')
{
  printf '[FORM_HLAV]\r\nComPort=1\r\n'
  [ -n "$kept" ] && printf '%s\n' "$kept" | sed 's/$/\r/'
  printf '[PORTS]\r\nCOM1=%s\r\n' "$pty"
} >"$settings.new"
mv "$settings.new" "$settings"

echo "Tarvel 3 on the simulated unit at $pty (settings in $demo_home)" >&2
TARVEL3_HOME="$demo_home" "$program" "$@" &
app=$!
# Asked to end, the program saves its settings and parameters before it goes.
trap 'kill -TERM $app 2>/dev/null' TERM INT HUP
status=0
wait $app || status=$?
# A trapped signal interrupts the first wait; the program is still closing.
while kill -0 $app 2>/dev/null; do wait $app || status=$?; done
exit $status
