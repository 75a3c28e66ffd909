#!/bin/sh
# SPDX-License-Identifier: MIT
# check_quietly.sh ALLOWED TOOL ARGS...: runs a checker and fails on anything
# it says beyond its success line, hints and pedantic remarks included,
# except lines matching the regular expression ALLOWED ("" allows none).
allowed=$1
shift
tool=$1
command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed: check skipped"; exit 77; }
out=$("$@" 2>&1)
status=$?
printf '%s\n' "$out"
[ $status -eq 0 ] || { echo "FAIL: $tool exited with $status"; exit 1; }
remarks=$(printf '%s\n' "$out" | grep -v -e '^$' -e 'Validation was successful')
[ -n "$allowed" ] && remarks=$(printf '%s\n' "$remarks" | grep -v -E -e "$allowed")
[ -z "$remarks" ] || { echo "FAIL: $tool has remarks"; exit 1; }
echo "$tool: no remarks"
