#!/usr/bin/env bash
# build-qt-windows.sh PREFIX: builds Qt 6.4.2's base module (Core, Gui,
# Widgets, PrintSupport, Test; the windows and offscreen platform plugins;
# shared, Release) for 64-bit Windows with Debian 12's MinGW-w64, from
# Debian's own qt6-base source package, and installs it into PREFIX.
# scripts/windows.sh calls it when no ready Qt for Windows is at hand. It
# takes about an hour on 2 cores; its work folder is kept, so a second run
# after a failure resumes rather than starts again.
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 PREFIX" >&2; exit 2; }
prefix=$(realpath -m "$1")
work=${WORK:-$HOME/.cache/azivoder/qt-windows-build}
mkdir -p "$work"
cd "$work"

root=()
[ "$(id -u)" -eq 0 ] || root=(sudo)
export DEBIAN_FRONTEND=noninteractive
# Debian's source packages come from the same archive as its binary
# packages: add deb-src beside deb.
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${root[@]}" tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
    else
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
            "${root[@]}" tee /etc/apt/sources.list.d/debian-src.list >/dev/null
    fi
fi
"${root[@]}" apt-get update -qq
"${root[@]}" apt-get install -y -qq g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    qt6-base-dev qt6-base-dev-tools ninja-build cmake libwine-dev dpkg-dev xz-utils >/dev/null
[ -f qt6-base_6.4.2+dfsg.orig.tar.xz ] || apt-get source --download-only qt6-base >/dev/null
src=$work/qtbase-everywhere-src-6.4.2
[ -d "$src" ] || tar xJf qt6-base_6.4.2+dfsg.orig.tar.xz

# Debian's source drops the Wacom tablet header; Wine's LGPL copy serves,
# with the two Wine macros it relies on defined.
if [ ! -f "$src/src/3rdparty/wintab/wintab.h" ]; then
    mkdir -p "$src/src/3rdparty/wintab"
    {
        printf '%s\n' '#include <windows.h>' '#ifndef WINELIB_NAME_AW' '# ifdef UNICODE' \
            '#  define WINELIB_NAME_AW(x) x##W' '# else' '#  define WINELIB_NAME_AW(x) x##A' '# endif' \
            '#endif' '#ifndef DECL_WINELIB_TYPE_AW' \
            '# define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;' '#endif' \
            '#ifndef API' '# define API WINAPI' '#endif'
        cat /usr/include/wine/wine/windows/wintab.h
    } >"$src/src/3rdparty/wintab/wintab.h"
    cp /usr/include/wine/wine/windows/pktdef.h "$src/src/3rdparty/wintab/"
fi
# Qt 6.4.2's Windows plugin asks for a dynamic-OpenGL symbol even when
# OpenGL is off.
sed -i 's/#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
    "$src/src/plugins/platforms/windows/qwindowswindow.cpp"

cmake -S "$src" -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_doubleconversion=OFF >configure.log
cmake --build build --parallel "$(nproc)" >build.log
cmake --install build >install.log
echo "Qt for Windows in $prefix"
