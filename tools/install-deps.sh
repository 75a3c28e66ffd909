#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs the Debian packages that VORA needs, when any of them is missing.
# Uses sudo when not run as root.
#   (no option)  building and running the program
#   --package    also building the .deb
#   --test       also the test suite, the fuzz targets and the developer tools
set -eu

packages="cmake ninja-build g++ make qt6-base-dev qt6-svg-dev libgl-dev"
package_tools="dpkg-dev file"
case "${1:-}" in
--package) packages="$packages $package_tools" ;;
--test) packages="$packages $package_tools clang libgtest-dev libgmock-dev libbenchmark-dev \
libclang-rt-14-dev locales xvfb xauth xdotool libxdo-dev libx11-dev x11-utils imagemagick \
desktop-file-utils appstream lintian man-db ngspice poppler-utils valgrind" ;;
esac

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
