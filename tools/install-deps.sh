#!/bin/sh
# Installs the Debian packages that building and testing VORA needs, when any
# of them is missing. Uses sudo when not run as root.
set -eu

packages="cmake ninja-build g++ make clang qt6-base-dev qt6-svg-dev libgl-dev \
libgtest-dev libgmock-dev libbenchmark-dev libclang-rt-14-dev"
[ "${1:-}" = "--test" ] && packages="$packages ngspice locales xvfb xauth xdotool imagemagick desktop-file-utils appstream dpkg-dev"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $p"
done
[ -z "$missing" ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing missing Debian packages:$missing"
log=$(mktemp)
if ! { $sudo apt-get update -qq &&
       $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing; } \
       >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    echo "Installing the packages failed." >&2
    exit 1
fi
rm -f "$log"
