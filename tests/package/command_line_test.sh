#!/bin/sh
# SPDX-License-Identifier: MIT
# --help and --version answer with no display of any kind; an unknown option
# or an argument gets the usage on standard error and status 2, and opens no
# window (it could not: there is no display).
vora=$1
version=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0

run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$dir/config" \
        "$vora" "$@" >"$dir/out" 2>"$dir/err"
    status=$?
}

# check DESCRIPTION COMMAND...: counts a failure when the command fails.
check() {
    what=$1
    shift
    if ! "$@"; then
        echo "FAIL: $what"
        echo "  status $status; stdout:"; sed 's/^/    /' "$dir/out"
        echo "  stderr:"; sed 's/^/    /' "$dir/err"
        failures=$((failures + 1))
    fi
}

for option in --version -v; do
    run $option
    check "$option: status 0" [ $status -eq 0 ]
    check "$option: first line is the version" [ "$(head -n 1 "$dir/out")" = "VORA $version" ]
    check "$option: the licence" grep -q "MIT" "$dir/out"
    check "$option: nothing on stderr" [ ! -s "$dir/err" ]
done

for option in --help -h; do
    run $option
    check "$option: status 0" [ $status -eq 0 ]
    check "$option: usage line" [ "$(head -n 1 "$dir/out")" = "Usage: vora [options]" ]
    check "$option: lists --version" grep -q -e "--version" "$dir/out"
    check "$option: Qt's options stay hidden" [ -z "$(grep -e "-platform" "$dir/out")" ]
    check "$option: nothing on stderr" [ ! -s "$dir/err" ]
done

run --bogus
check "unknown option: status 2" [ $status -eq 2 ]
check "unknown option: named on stderr" grep -q "Unknown option 'bogus'" "$dir/err"
check "unknown option: usage on stderr" grep -q "^Usage: vora" "$dir/err"
check "unknown option: nothing on stdout" [ ! -s "$dir/out" ]

run extra
check "argument: status 2" [ $status -eq 2 ]
check "argument: named on stderr" grep -q "Unexpected argument 'extra'" "$dir/err"
check "argument: usage on stderr" grep -q "^Usage: vora" "$dir/err"

run -platform offscreen --version
check "Qt's own options are accepted" [ $status -eq 0 ]

run --platform
check "a Qt option without its value: status 2" [ $status -eq 2 ]

[ $failures -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "the command line answers without a display"
