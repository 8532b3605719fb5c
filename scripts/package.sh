#!/usr/bin/env bash
# Builds the Debian package azivoder_<version>-1_<arch>.deb in build/package:
# a Release build with Debian's hardening flags and without the tests,
# `cpack -G DEB`, then lintian on the result (which fails the script on any
# error it reports; its warnings are printed and left to the reader).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# Besides what the build needs: dpkg-buildflags and dpkg-shlibdeps (which
# computes the package's dependencies), file (with which CPack finds the
# binaries to compute them for) and lintian.
PACKAGES+=(dpkg-dev file lintian)
install_missing_packages

BUILD="$ROOT/build/package"
# Every hardening flag Debian's own packages are built with.
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
configure_and_build "$BUILD" -DCMAKE_BUILD_TYPE=Release -DAZIVODER_BUILD_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"

rm -f "$BUILD"/*.deb
(cd "$BUILD" && cpack -G DEB)
debs=("$BUILD"/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "error: expected one package in $BUILD, found: ${debs[*]}" >&2
    exit 1
fi
deb="${debs[0]}"

echo "== $(basename "$deb")"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

echo "== lintian"
lintian --fail-on error "$deb"
echo "lintian reports no error."
echo "Install it with: sudo apt install $deb"
