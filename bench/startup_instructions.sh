#!/bin/sh
# SPDX-License-Identifier: MIT
# Start-up counted in instructions, which do not drift with the load of the
# machine as wall-clock times do. Runs the program's start-up probe and the two
# bare yardsticks (a main window with a menu bar and a line of text; the same
# showing the Preface box) under callgrind on the offscreen platform, each
# until its main window and its message box are on screen, and prints the
# total instruction count of each process (callgrind's Ir) and the ratios.
# Peak resident memory is taken from runs without valgrind (median of 5),
# since valgrind's own memory would swamp it.
#   bench/startup_instructions.sh <folder of the probes>
set -eu

probes=${1:?usage: $0 <folder of the probes>}
limit=1.2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"

# The same small environment for every run, so that counts repeat; $until
# says whether the probe waits for a message box too.
until=message
run() {
    env -i PATH=/usr/bin:/bin HOME="${HOME:-/tmp}" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
        VORA_PROBE_UNTIL="$until" timeout 300 "$@"
}

# Median peak resident memory in KiB of five runs (the "shown" line's third word).
peak_kib() {
    for i in 1 2 3 4 5; do
        run "$1" 2>/dev/null | awk '$1 == "shown" { print $3 }'
    done | sort -n | sed -n 3p
}

instructions() {
    run valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" "$1" \
        >"$work/out" 2>"$work/err" || { cat "$work/out" "$work/err" >&2; exit 1; }
    grep -q '^shown ' "$work/out" || { echo "$1 did not report" >&2; cat "$work/err" >&2; exit 1; }
    sed -n 's/^==[0-9]*== Collected : *\([0-9]*\)$/\1/p' "$work/err"
}

set -- vora_startup_probe message "VORA" \
       vora_menu_window window "bare window, menu bar and label" \
       vora_preface_window message "the same with the Preface box"
results=""
while [ $# -gt 0 ]; do
    program="$probes/$1"
    until=$2
    shift
    run "$program" >/dev/null 2>&1 # fills the file and font caches
    ir=$(instructions "$program")
    kib=$(peak_kib "$program")
    [ -n "$ir" ] && [ -n "$kib" ] || { echo "no figure for $1" >&2; exit 1; }
    results="$results$2|$ir|$kib
"
    shift 2
done

printf '%s' "$results" | awk -F'|' -v limit="$limit" '
    { name[NR] = $1; ir[NR] = $2; kib[NR] = $3 }
    END {
        print "Start-up to the main window and the Preface box, offscreen (callgrind, total Ir)"
        printf "%-34s %14s %9s %9s %11s %9s %9s\n", "", "instructions", "/ menu", "/ preface",
               "peak MiB", "/ menu", "/ preface"
        for (i = 1; i <= NR; ++i)
            printf "%-34s %12.1f M %8.2fx %8.2fx %11.1f %8.2fx %8.2fx\n", name[i], ir[i] / 1e6,
                   ir[i] / ir[2], ir[i] / ir[3], kib[i] / 1024, kib[i] / kib[2], kib[i] / kib[3]
        ok = ir[1] / ir[3] <= limit && kib[1] / kib[3] <= limit
        printf "Goal: VORA <= %.1fx the bare window with the Preface box in instructions and memory: %s\n",
               limit, ok ? "met" : "NOT MET"
    }'
