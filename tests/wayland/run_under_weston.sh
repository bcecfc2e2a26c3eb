#!/bin/sh
# SPDX-License-Identifier: MIT
# Starts a headless weston of its own and runs, on its Wayland display, the scenario test and then
# the real qm5-control against qm5-projector, ended by SIGTERM. Each must exit with status 0 and
# write nothing to stderr. Skips (status 77) only when weston cannot start.
# Usage: run_under_weston.sh SCENARIO_TEST QM5_CONTROL QM5_PROJECTOR KEEP_LIBRARIES
set -u
scenario=$1 control=$2 projector=$3
# Qt's Wayland plugins stay loaded to the end, so that a leak of theirs is named and suppressed.
export LD_PRELOAD="$4${LD_PRELOAD:+:$LD_PRELOAD}"
# Under AddressSanitizer the preloaded library comes before its runtime.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0"

work=$(mktemp -d) || exit 1
weston_pid= control_pid= projector_pid=
cleanup() {
    for pid in $control_pid $projector_pid $weston_pid; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
socket=qm5-test-$$

weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
tries=0
until [ -S "$XDG_RUNTIME_DIR/$socket" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$weston_pid" 2>/dev/null; then
        echo "SKIP: weston cannot start a headless compositor here:"
        cat "$work/weston.log"
        exit 77
    fi
    sleep 0.1
done
export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QM5_TEST_PLATFORM=wayland
unset DISPLAY

fail=0
expect_clean() { # name status stderr-file
    if [ "$2" -ne 0 ]; then echo "FAIL: $1 exited with status $2"; fail=1; fi
    if [ -s "$3" ]; then echo "FAIL: $1 wrote to stderr:"; cat "$3"; fail=1; fi
}

"$scenario" 2>"$work/scenario.err"
expect_clean "the scenario test" $? "$work/scenario.err"

# The real program: started, connected, ended by a logout's SIGTERM.
"$projector" --log "$work/projector.log" >"$work/projector.out" &
projector_pid=$!
tries=0
until [ -s "$work/projector.out" ] || [ "$tries" -gt 100 ]; do tries=$((tries + 1)); sleep 0.1; done
"$control" --com1 "$(head -n 1 "$work/projector.out")" 2>"$work/control.err" &
control_pid=$!
tries=0
until grep -q 'line opened' "$work/projector.log" 2>/dev/null || [ "$tries" -gt 100 ]; do
    tries=$((tries + 1))
    sleep 0.1
done
sleep 0.5
kill -TERM "$control_pid"
wait "$control_pid"
status=$?
control_pid=
expect_clean "qm5-control" "$status" "$work/control.err"
grep -q 'line closed' "$work/projector.log" || { echo "FAIL: the line was not closed"; fail=1; }

[ "$fail" -eq 0 ] && echo "wayland: the scenario and qm5-control ran clean under weston"
exit "$fail"
