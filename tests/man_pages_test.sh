#!/bin/sh
# SPDX-License-Identifier: MIT
# Each manual page as man shows it on an 80-column terminal: no line wider than 80 columns (a
# Japanese character takes two) and no line that ends in a hyphen, where troff broke a word, an
# option or a path in two. Skips (status 77) only where man is not installed.
# Usage: man_pages_test.sh PAGE...
set -u
command -v man >/dev/null 2>&1 || { echo "man is not installed: skipped"; exit 77; }
# wc -L counts display columns only in a UTF-8 locale; man renders in the locale's encoding.
export LC_ALL=C.UTF-8 MANWIDTH=80
unset MANOPT MANROFFOPT MAN_KEEP_FORMATTING

shown=$(mktemp) || exit 1
trap 'rm -f "$shown"' EXIT
status=0
for page in "$@"; do
    if ! man -l "$page" >"$shown" 2>/dev/null || [ "$(wc -l <"$shown")" -lt 20 ]; then
        echo "$page: man did not render it"
        status=1
        continue
    fi
    if [ "$(wc -L <"$shown")" -gt 80 ]; then
        while IFS= read -r line; do
            width=$(printf '%s\n' "$line" | wc -L)
            [ "$width" -gt 80 ] && echo "$page: $width columns: $line"
        done <"$shown"
        status=1
    fi
    # U+2010 is the hyphen troff adds; a minus glued to a word is an option or path broken after it.
    if grep -n -e '‐$' -e '[[:alnum:]]-$' "$shown" | sed "s|^|$page: broken at line end: |" |
        grep .; then
        status=1
    fi
done
exit "$status"
