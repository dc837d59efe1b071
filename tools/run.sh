#!/bin/sh
# Starts the game from the build folder, where its sounds are.
set -eu
build=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: start the game under a virtual one with: xvfb-run -s \"-screen 0 1280x1024x24\" make run"
    exit 1
fi
cd "$build" && exec ./sumdrop
