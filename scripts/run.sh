#!/usr/bin/env bash
# Installs whatever is missing, builds the program (without its tests) in
# build/run and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
BUILD="$ROOT/build/run"
configure_and_build "$BUILD" -DAZIVODER_BUILD_TESTS=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "The program is built ($BUILD/app/azivoder), but there is no display to show it on." >&2
    echo "Run it from a desktop session, or under a virtual one: xvfb-run $BUILD/app/azivoder" >&2
    exit 1
fi
exec "$BUILD/app/azivoder"
