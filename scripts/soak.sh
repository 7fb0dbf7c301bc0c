#!/usr/bin/env bash
# Soak of the link: N cycles of program, verify and read back against the
# simulated unit on a pseudo-terminal, with dropped requests, corrupted
# answers, stray bytes and late answers. Prints every cycle, then the cycles,
# the faults the unit injected, the bytes lost (read back vs. programmed) and
# the time per operation. Run it again after every change to the link.
#
#   scripts/soak.sh [-n CYCLES] [-b BUILD_DIR] [-- SIMULATE_SWITCHES...]
#
# Default switches: --drop-every 7 --corrupt-every 11 --noise --delay 20.
# Exit status 0 when every operation succeeded and no byte was lost.
set -u

cycles=20
build=build
switches=(--drop-every 7 --corrupt-every 11 --noise --delay 20)
while [ $# -gt 0 ]; do
    case "$1" in
        -n) cycles=$2; shift 2 ;;
        -b) build=$2; shift 2 ;;
        --) shift; switches=("$@"); break ;;
        -h|--help) sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        *) echo "usage: $0 [-n CYCLES] [-b BUILD_DIR] [-- SIMULATE_SWITCHES...]" >&2; exit 2 ;;
    esac
done
case "$cycles" in ''|*[!0-9]*|0) echo "soak: CYCLES must be a positive number" >&2; exit 2 ;; esac

ctl=$build/tools/tarvel3ctl/tarvel3ctl
if [ ! -x "$ctl" ]; then
    echo "soak: $ctl not found; build it first: cmake --build $build --target tarvel3ctl" >&2
    exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tarvel3-soak-XXXXXX")
sim_pid=
cleanup() {
    [ -n "$sim_pid" ] && kill -TERM "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# The run's own, empty settings: no port mapping of the user's gets in the way.
export TARVEL3_HOME=$work/home

"$ctl" simulate "${switches[@]}" >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
port=
for _ in $(seq 100); do
    port=$(head -n 1 "$work/sim.out" 2>/dev/null)
    [ -n "$port" ] && break
    sleep 0.1
done
if [ -z "$port" ]; then
    echo "soak: the simulated unit did not start: $(cat "$work/sim.err")" >&2
    exit 1
fi
echo "soak: $cycles cycles against the simulated unit on $port (${switches[*]})"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

declare -A failed=([program]=0 [verify]=0 [read]=0)
declare -A total_ms=([program]=0 [verify]=0 [read]=0)
declare -A max_ms=([program]=0 [verify]=0 [read]=0)
lost_total=0

for cycle in $(seq "$cycles"); do
    # A different bike (and so a different parameter set) every cycle.
    bike=$(( (cycle * 7) % 41 ))
    "$ctl" defaults --bike "$bike" >"$work/want.ign"
    "$ctl" normalise "$work/want.ign" >"$work/want.norm"
    line=$(printf 'cycle %*d/%d bike %2d' "${#cycles}" "$cycle" "$cycles" "$bike")
    for op in program verify read; do
        start=$(now_ms)
        case $op in
            program) "$ctl" program --port "$port" "$work/want.ign" >"$work/$op.out" 2>"$work/$op.err" ;;
            verify)  "$ctl" verify --port "$port" "$work/want.ign" >"$work/$op.out" 2>"$work/$op.err" ;;
            read)    rm -f "$work/got.ign"; "$ctl" read --port "$port" "$work/got.ign" >"$work/$op.out" 2>"$work/$op.err" ;;
        esac
        status=$?
        ms=$(( $(now_ms) - start ))
        total_ms[$op]=$(( total_ms[$op] + ms ))
        [ "$ms" -gt "${max_ms[$op]}" ] && max_ms[$op]=$ms
        if [ "$status" -ne 0 ]; then
            failed[$op]=$(( failed[$op] + 1 ))
            line+=$(printf '  %s FAILED(%d: %s)' "$op" "$status" "$(tail -n 1 "$work/$op.err")")
        else
            line+=$(printf '  %s %d.%02d s' "$op" $((ms / 1000)) $((ms % 1000 / 10)))
        fi
    done
    # Bytes lost: what was read back against what was programmed.
    if [ -f "$work/got.ign" ]; then
        lost=$(cmp -l "$work/want.norm" "$work/got.ign" 2>/dev/null | wc -l)
        size_want=$(wc -c <"$work/want.norm")
        size_got=$(wc -c <"$work/got.ign")
        lost=$(( lost + (size_want > size_got ? size_want - size_got : size_got - size_want) ))
    else
        lost=$(wc -c <"$work/want.norm")
    fi
    lost_total=$(( lost_total + lost ))
    echo "$line  lost $lost"
done

kill -TERM "$sim_pid" 2>/dev/null
wait "$sim_pid" 2>/dev/null
sim_pid=
faults=$(grep '^simulate:' "$work/sim.err" | sed 's/^simulate: //')

echo
echo "cycles:          $cycles"
echo "faults injected: ${faults:-unknown}"
echo "bytes lost:      $lost_total"
for op in program verify read; do
    printf '%-8s         %d failed, mean %d ms, max %d ms\n' "$op:" "${failed[$op]}" \
        $(( total_ms[$op] / cycles )) "${max_ms[$op]}"
done
[ "${failed[program]}" -eq 0 ] && [ "${failed[verify]}" -eq 0 ] && [ "${failed[read]}" -eq 0 ] && [ "$lost_total" -eq 0 ]
