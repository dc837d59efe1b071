#!/bin/sh
# Builds the Debian package from the build folder, checks its menu entry and
# software-centre description, installs it, starts the installed program from
# an empty home folder under a virtual display and waits for its window, then
# removes the package again. Without root the package is unpacked into a
# scratch folder and started from there instead.
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target package >/dev/null
deb=$(ls -t "$build"/sumdrop_*.deb | head -n 1)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Section Maintainer Depends
# The sound plugin is loaded late, but its libraries must still be declared.
dpkg-deb --field "$deb" Depends | grep -q libqt6multimedia6 || { echo "the package does not depend on Qt Multimedia"; exit 1; }
dpkg-deb --field "$deb" Depends | grep -q libqt6sql6-sqlite || { echo "the package does not depend on the SQLite driver"; exit 1; }
dpkg-deb --field "$deb" Depends | grep -q libqt6sql6-psql || { echo "the package does not depend on the PostgreSQL driver"; exit 1; }

scratch=$(mktemp -d)
installed=no
cleanup() {
    [ "$installed" = yes ] && dpkg -r sumdrop >/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

dpkg -x "$deb" "$scratch/root"
share="$scratch/root/usr/share"
for file in bin/sumdrop lib/sumdrop/libsumdrop_sound.so share/sumdrop/cool.wav share/sumdrop/error.wav \
            share/applications/example.sumdrop.Sumdrop.desktop \
            share/metainfo/example.sumdrop.Sumdrop.metainfo.xml \
            share/icons/hicolor/256x256/apps/sumdrop.png; do
    [ -f "$scratch/root/usr/$file" ] || { echo "missing from the package: /usr/$file"; exit 1; }
done
desktop-file-validate "$share/applications/example.sumdrop.Sumdrop.desktop"
appstreamcli validate --no-net "$share/metainfo/example.sumdrop.Sumdrop.metainfo.xml"
size=$(identify -format '%wx%h' "$share/icons/hicolor/256x256/apps/sumdrop.png")
[ "$size" = 256x256 ] || { echo "icon is $size, not 256x256"; exit 1; }

if [ "$(id -u)" -eq 0 ]; then
    dpkg -i "$deb" >/dev/null
    installed=yes
    program=$(command -v sumdrop)
    [ "$program" = /usr/bin/sumdrop ] || { echo "installed program not found on PATH"; exit 1; }
else
    echo "not root: starting the unpacked package instead of installing it"
    program="$scratch/root/usr/bin/sumdrop"
fi
export program

# Starts the installed program as the menu does, in the home folder given,
# and waits for its main window. Exit status: 0 with the introduction help
# shown, 2 without it, 1 when no window came up within a minute.
start() {
    home=$1
    ( cd "$home" && HOME="$home" XDG_RUNTIME_DIR="$home" xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
        "$program" & pid=$!
        found=1
        if timeout 60 xdotool search --sync --name "^Sumdrop Version " >/dev/null; then
            sleep 2
            if xdotool search --name "^Help - Introduction$" >/dev/null; then found=0; else found=2; fi
        fi
        kill $pid 2>/dev/null || true
        wait $pid 2>/dev/null || true
        exit $found' ) || return $?
}

mkdir -m 700 "$scratch/home1"
status=0; start "$scratch/home1" || status=$?
[ $status -ne 1 ] || { echo "the installed program's window did not appear"; exit 1; }
[ $status -eq 0 ] || { echo "no introduction help on a first start"; exit 1; }

# A settings file in the home folder that switches the introduction off.
mkdir -m 700 "$scratch/home2"
printf '10\r\n' > "$scratch/home2/sumdrop.ini"
i=2; while [ $i -le 24 ]; do printf '0\r\n' >> "$scratch/home2/sumdrop.ini"; i=$((i + 1)); done
printf '1\r\n' >> "$scratch/home2/sumdrop.ini"
status=0; start "$scratch/home2" || status=$?
[ $status -ne 1 ] || { echo "the installed program's window did not appear"; exit 1; }
[ $status -eq 2 ] || { echo "sumdrop.ini in the home folder was not read"; exit 1; }

echo "package check passed"
