#!/usr/bin/env bash
# Installs whatever is missing, builds the program and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
configure_and_build "$ROOT/build" -DAZIVODER_BUILD_TESTS=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "The program is built ($ROOT/build/app/azivoder), but there is no display to show it on." >&2
    echo "Run it from a desktop session, or under a virtual one: xvfb-run $ROOT/build/app/azivoder" >&2
    exit 1
fi
exec "$ROOT/build/app/azivoder"
