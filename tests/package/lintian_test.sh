#!/bin/sh
# SPDX-License-Identifier: MIT
# Builds the release configuration of the program, installs it as the README
# says, packs the .deb as `make package` does, and has lintian check it as a
# distribution would: no error, no warning, no pedantic remark. The packed
# program must also run and print its version.
source=$1
build=$2
version=$3
compiler=$4
launcher=${5:-}
for tool in lintian dpkg-shlibdeps file; do
    command -v $tool >/dev/null 2>&1 || { echo "$tool is not installed: package check skipped"; exit 77; }
done
set -e
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" >"$build.log" 2>&1 ||
    { cat "$build.log"; exit 1; }
cmake --build "$build" >>"$build.log" 2>&1 || { cat "$build.log"; exit 1; }

installed="$build/installed"
rm -rf "$installed"
cmake --install "$build" --prefix "$installed" >>"$build.log" 2>&1 || { cat "$build.log"; exit 1; }
for file in bin/vora share/man/man1/vora.1.gz share/doc/vora/copyright share/doc/vora/changelog.gz \
            share/applications/org.example.Vora.desktop share/metainfo/org.example.Vora.metainfo.xml \
            share/icons/hicolor/scalable/apps/org.example.Vora.svg; do
    [ -f "$installed/$file" ] || { echo "FAIL: cmake --install does not install $file"; exit 1; }
done
echo "cmake --install installs the program, its manual page, licence and changelog"

rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >>"$build.log" 2>&1) || { cat "$build.log"; exit 1; }
deb=$(ls "$build"/vora_"$version"_*.deb)
echo "$deb"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

lintian --pedantic --display-info --fail-on error,warning,pedantic "$deb"
echo "lintian: no error, no warning, no pedantic remark"

root="$build/unpacked"
rm -rf "$root"
dpkg-deb -x "$deb" "$root"
line=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/vora" --version | head -n 1)
[ "$line" = "VORA $version" ] || { echo "FAIL: the packed program says \"$line\""; exit 1; }
echo "the packed program is VORA $version"
