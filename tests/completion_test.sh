#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What bash offers on Tab with the completion from the source tree, against the program built:
# codes for --send, serial devices as the device dialog lists them for --com1 and
# --find, a pseudo-terminal included, the consoles /dev/ttyN never. Skips (status 77) only where
# bash-completion is not installed. Usage: completion_test.sh COMPLETION QM5_CONTROL
completion=$1 program=$2
framework=/usr/share/bash-completion/bash_completion
[[ -r $framework ]] || { echo "bash-completion is not installed: skipped"; exit 77; }
# shellcheck source=/dev/null
source "$framework"
# shellcheck source=/dev/null
source "$completion"

# What Tab offers for a command line whose last word is the one completed, one a line.
offered() {
    local COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMP_LINE="$*"
    local COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _qm5_control "$1" "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}" 2>/dev/null
    printf '%s\n' "${COMPREPLY[@]}"
}
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

codes=$(offered "$program" --send C0 | sort | tr '\n' ' ')
[[ $codes == "C00 C01 C02 "* ]] || fail "--send C0 offers '$codes', not the codes C00, C01, ..."

# A pseudo-terminal of the test's own (opening the multiplexer makes one), as a virtual
# projector's is.
exec 3<>/dev/ptmx
# Tests beside this one open and close pseudo-terminals of their own: a listing that one changed
# meanwhile is taken again, a few times at most.
for _ in 1 2 3 4 5; do
    pty=$(compgen -G '/dev/pts/[0-9]*' | sort -V | tail -n 1)
    devices=$(offered "$program" --com1 '')
    found=$(offered "$program" --find --json '')
    [[ (-z $pty || $devices == *"$pty"*) && $found == "$devices" ]] && break
done
[[ -z $pty || $devices == *"$pty"* ]] || fail "--com1 offers no $pty: '$devices'"
[[ $devices != */dev/pts/ptmx* ]] || fail "--com1 offers the multiplexer /dev/pts/ptmx"
[[ $found == "$devices" ]] || fail "--find offers other devices"
consoles=$(offered "$program" --com1 /dev/tt | grep -E '^/dev/tty[0-9]*$')
[[ -z $consoles ]] || fail "--com1 /dev/tt offers consoles:" $consoles
# By-id names, then ports, then pseudo-terminals, then the network's schemes.
order=$(sed -E 's|^/dev/serial/by-id/.*|1|; s|^/dev/pts/.*|3|; s|^/dev/.*|2|; s|.*://$|4|' \
    <<<"$devices")
[[ $order == "$(sort -n <<<"$order")" ]] || fail "--com1 offers the kinds out of order: $devices"
exec 3>&-

[[ $failed -eq 0 ]] && echo "completion: codes, and devices as the dialog lists them"
exit "$failed"
