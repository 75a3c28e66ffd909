#!/bin/sh
# SPDX-License-Identifier: MIT
# With real X events under Xvfb (no window manager): windows reopen where the
# user left them, those still open at the end included; geometry off every
# screen and a corrupt settings file are ignored; the window class is the
# one the desktop entry announces; Enter leaves the About window.
#   windows_x11_test.sh VORA DESKTOP_ENTRY
vora=$1
entry=$2
if [ -z "${VORA_UNDER_XVFB:-}" ]; then
    for tool in xvfb-run xdotool xprop; do
        command -v $tool >/dev/null 2>&1 || { echo "$tool is not installed: test skipped"; exit 77; }
    done
    VORA_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1366x768x24" sh "$0" "$@"
fi

dir=$(mktemp -d)
export XDG_CONFIG_HOME="$dir"
unset QT_QPA_PLATFORM
conf="$dir/VORA/VORA.conf"
pid=""
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$dir"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The first visible window whose title matches, waiting up to 20 s.
find_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
# "x y width height" of a window.
geometry() {
    xdotool getwindowgeometry "$1" |
        sed -n 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p; s/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p' |
        tr '\n' ' ' | sed 's/ $//'
}
# Starts VORA and closes the preface; sets $pid and $main.
start() {
    "$vora" >"$dir/log" 2>&1 &
    pid=$!
    preface=$(find_window '^Preface$')
    main=$(find_window '^VORA$')
    [ -n "$preface" ] && [ -n "$main" ] || { fail "VORA did not start"; cat "$dir/log"; exit 1; }
    xdotool windowfocus --sync "$preface" key Return
}
# Ends VORA with the main window's Exit (Ctrl+X) and waits for it.
finish() {
    xdotool windowfocus --sync "$main" key ctrl+x
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
    kill -0 $pid 2>/dev/null && { fail "Exit did not end VORA"; kill $pid; }
    wait $pid
    status=$?
    [ $status -eq 0 ] || fail "VORA ended with status $status"
    pid=""
}
help_title='^How To Intaracting With "VORA" Soft$'

# First run: the defaults, then the main window and the help window moved;
# Exit hides the main window, the help window is still open at the end.
start
default_main=$(geometry "$main")
class=$(xprop -id "$main" WM_CLASS | sed 's/.*= "\([^"]*\)", "\([^"]*\)"/\2/')
announced=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ "$class" = "$announced" ] || fail "window class \"$class\", desktop entry says \"$announced\""
xdotool windowmove --sync "$main" 100 80 windowsize --sync "$main" 700 450
xdotool windowfocus --sync "$main" key F1
help=$(find_window "$help_title")
default_help=$(geometry "$help")
xdotool windowmove --sync "$help" 320 200
finish

# Second run: both where they were left.
start
[ "$(geometry "$main")" = "100 80 700 450" ] || fail "main window at $(geometry "$main"), not 100 80 700 450"
xdotool windowfocus --sync "$main" key F1
help=$(find_window "$help_title")
set -- $(geometry "$help")
[ "$1 $2" = "320 200" ] || fail "help window at $1 $2, not 320 200"
# The About window's Exit keeps the first focus (the licence comes after it).
xdotool windowfocus --sync "$main" key ctrl+b
about=$(find_window '^About VORA Soft$')
xdotool windowfocus --sync "$about" key Return
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name '^About VORA Soft$')" ] || fail "Enter did not leave About"
finish

# Third run: geometry beyond the screen (1366x768) opens at the defaults.
sed -i 's/^frame=@Rect(100 80 /frame=@Rect(1200 80 /' "$conf"
grep -q '^frame=@Rect(1200 80 ' "$conf" || fail "the settings file is not as expected: $(cat "$conf")"
start
[ "$(geometry "$main")" = "$default_main" ] ||
    fail "geometry off the screen: main window at $(geometry "$main"), not $default_main"
finish

# Fourth run: a corrupt settings file.
head -c 3000 /dev/urandom >"$conf"
printf '[frmHelp]\nframe=@Rect(320 200\n' >>"$conf"
start
[ "$(geometry "$main")" = "$default_main" ] ||
    fail "corrupt file: main window at $(geometry "$main"), not $default_main"
xdotool windowfocus --sync "$main" key F1
help=$(find_window "$help_title")
[ "$(geometry "$help")" = "$default_help" ] ||
    fail "corrupt file: help window at $(geometry "$help"), not $default_help"
finish

[ $failures -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "windows reopen where they were left; unusable geometry is ignored"
