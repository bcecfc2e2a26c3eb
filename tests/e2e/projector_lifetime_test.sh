#!/bin/sh
# SPDX-License-Identifier: MIT
# qm5-projector ends on SIGTERM, and by itself when the process that started it has ended, so
# that an aborted test leaves nothing running. Usage: projector_lifetime_test.sh QM5_PROJECTOR
projector=$1

# Ended: no such process, or a zombie that nobody reaps.
gone_within_5s() {
    for _ in $(seq 50); do
        case "$(ps -o stat= -p "$1")" in "" | Z*) return 0 ;; esac
        sleep 0.1
    done
    kill "$1"
    return 1
}

printed=$(mktemp)
trap 'rm -f "$printed"' EXIT
# The parent ends once the projector is up, as an aborted test would.
orphan=$(sh -c '"$1" >"$2" & echo $!; while [ ! -s "$2" ]; do sleep 0.05; done' \
    sh "$projector" "$printed")
gone_within_5s "$orphan" || { echo "qm5-projector outlived the process that started it"; exit 1; }

"$projector" >/dev/null &
started=$!
sleep 0.2
kill -TERM "$started"
gone_within_5s "$started" || { echo "qm5-projector did not end on SIGTERM"; exit 1; }
echo "1 passed, 0 failed: qm5-projector ends with its parent and on SIGTERM"
