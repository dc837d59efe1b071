#!/bin/sh
# Installs the Debian packages the project needs, only those not yet present.
set -eu

packages="cmake ninja-build g++ make ccache
qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev libqt6sql6-sqlite libqt6sql6-psql postgresql-15 util-linux
qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-speech-dev qt6-speech-speechd-plugin qt6-declarative-dev
fonts-dejavu-core fonts-liberation2
xvfb xauth imagemagick xdotool poppler-utils
clang libclang-rt-14-dev clang-tidy
desktop-file-utils appstream dpkg-dev file python3"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
else
    SUDO=
fi
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
