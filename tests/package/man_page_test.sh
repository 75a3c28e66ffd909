#!/bin/sh
# SPDX-License-Identifier: MIT
# The manual page renders without a warning from man or groff, with the
# sections a reader looks for and the project's version.
page=$1
version=$2
command -v man >/dev/null 2>&1 || { echo "man is not installed: check skipped"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" >"$dir/out" 2>"$dir/err"
status=$?
cat "$dir/out" "$dir/err"
[ $status -eq 0 ] || { echo "FAIL: man exited with $status"; exit 1; }
[ -s "$dir/err" ] && { echo "FAIL: man or groff warned"; exit 1; }
for heading in NAME SYNOPSIS DESCRIPTION OPTIONS FILES "EXIT STATUS" "VORA $version"; do
    grep -q "$heading" "$dir/out" || { echo "FAIL: no \"$heading\" in the page"; exit 1; }
done
echo "the manual page renders"
