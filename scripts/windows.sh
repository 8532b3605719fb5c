#!/usr/bin/env bash
# Builds the program for 64-bit Windows with MinGW-w64 in build/windows,
# runs the test suite there under Wine (offscreen, no display needed), and
# makes the installer azivoder-<version>-setup.exe and a .zip of the same
# files. Exits non-zero when any step fails.
#
# Qt for Windows: the folder or archive AZIVODER_QT_WINDOWS names, else
# ../shared/qt-windows beside the project, else one built here from Debian's
# Qt source by scripts/build-qt-windows.sh into ~/.cache/azivoder (about an
# hour on 2 cores, the first time only).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# The build's host tools (moc, rcc, uic) come from Debian's Qt, which the
# common packages bring.
PACKAGES+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 nsis zip xz-utils)
install_missing_packages

BUILD="$ROOT/build/windows"
STAGE="$BUILD/stage"
VERSION=$(sed -n 's/^project(Azivoder VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
QT_VERSION=6.4.2
MINGW_RUNTIME_DIRS=(/usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
mkdir -p "$BUILD"

# ---------------------------------------------------------------- Qt for Windows

# unpack_qt ARCHIVE: the archive's Qt, unpacked once into build/windows.
unpack_qt() {
    local archive="$1" into="$BUILD/qt"
    local stamp="$into/.unpacked-from"
    local id
    id="$(realpath "$archive") $(stat -c %s-%Y "$archive")"
    if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$id" ]; then
        rm -rf "$into"
        mkdir -p "$into"
        tar -xJf "$archive" -C "$into"
        echo "$id" >"$stamp"
    fi
    find "$into" -mindepth 1 -maxdepth 2 -name bin -type d -printf '%h\n' | head -n 1
}

# qt_prefix_of PATH: the Qt folder PATH names (a Qt, or a folder holding
# one or its archive), or nothing.
qt_prefix_of() {
    local path="$1" archive
    if [ -x "$path/bin/qt-cmake" ]; then
        echo "$path"
    elif [ -f "$path" ]; then
        unpack_qt "$path"
    elif [ -d "$path" ]; then
        archive=$(find "$path" -maxdepth 1 -name "qt-$QT_VERSION-mingw-w64.tar.xz" | head -n 1)
        if [ -n "$archive" ]; then
            unpack_qt "$archive"
        elif [ -x "$path/qt-$QT_VERSION-mingw-w64/bin/qt-cmake" ]; then
            echo "$path/qt-$QT_VERSION-mingw-w64"
        fi
    fi
}

find_qt() {
    local qt=""
    if [ -n "${AZIVODER_QT_WINDOWS:-}" ]; then
        qt=$(qt_prefix_of "$AZIVODER_QT_WINDOWS")
        [ -n "$qt" ] || { echo "error: no Qt for Windows in AZIVODER_QT_WINDOWS=$AZIVODER_QT_WINDOWS" >&2; exit 1; }
    elif [ -d "$ROOT/../shared/qt-windows" ]; then
        qt=$(qt_prefix_of "$ROOT/../shared/qt-windows")
    fi
    if [ -z "$qt" ]; then
        qt="${XDG_CACHE_HOME:-$HOME/.cache}/azivoder/qt-$QT_VERSION-mingw-w64"
        if [ ! -x "$qt/bin/qt-cmake" ]; then
            echo "No Qt for Windows found: building it into $qt (about an hour on 2 cores)..." >&2
            "$ROOT/scripts/build-qt-windows.sh" "$qt" >&2
        fi
    fi
    echo "$qt"
}

QT="$(find_qt)"
echo "== Qt for Windows: $QT"

# ---------------------------------------------------------------- build

echo "== Cross-build for Windows in $BUILD"
# A folder configured with another Qt starts again.
if [ -f "$BUILD/CMakeCache.txt" ] &&
    ! grep -q "^CMAKE_TOOLCHAIN_FILE:.*=$QT/lib/cmake/Qt6/qt.toolchain.cmake\$" "$BUILD/CMakeCache.txt"; then
    rm -rf "$BUILD/CMakeCache.txt" "$BUILD/CMakeFiles"
fi
# The binaries land in the build's own folders; the suite runs them through
# Wine (the emulator CTest puts before every test program).
"$QT/bin/qt-cmake" -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$ROOT/scripts/wine-qtest.sh" \
    -DCMAKE_INSTALL_BINDIR=. -DAZIVODER_BUILD_TESTS=ON -DAZIVODER_SANITIZE=OFF >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)"
verify_tests_are_current "$BUILD"

# ---------------------------------------------------------------- Wine

# A prefix of its own, so that runs depend neither on ~/.wine nor on each
# other's leftovers; quiet, and without the .NET and HTML engines Wine
# would otherwise offer to download.
# Nor may Wine add menu entries and icons to the Linux desktop for what the
# installer check below adds to the Start menu.
export WINEPREFIX="$BUILD/wine" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Tests and the staged copy find Qt and the MinGW runtime here; the
# installed program needs none of it.
# (The second expression is delimited by # so that \| is the alternation.)
winepath_of() { local IFS=';'; echo "$*" | sed 's|/|\\|g; s#\(^\|;\)\\#\1Z:\\#g'; }
stop_wine() { wineserver -k 2>/dev/null || true; }
trap stop_wine EXIT
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== Wine prefix in $WINEPREFIX"
    DISPLAY='' wineboot --init </dev/null >/dev/null 2>&1 || true
    wineserver -w
fi

echo "== Test suite under Wine"
# One Wine server for the whole run (each test program otherwise starts one
# and leaves it to wind down while the next starts), with Wine's own
# services started now: started by a test, they would hold CTest's output
# pipe open for as long as the server lives.
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
# Qt's offscreen platform on Windows finds fonts in one folder only (not
# Windows' own): the fonts the Linux suite measures its texts with.
mkdir -p "$BUILD/test-fonts"
ln -sf /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf /usr/share/fonts/truetype/dejavu/DejaVuSerif*.ttf \
    /usr/share/fonts/truetype/liberation2/Liberation*.ttf "$BUILD/test-fonts/"
# Benchmarks are timed, and only scripts/bench.sh runs them. One test at a
# time: the Wine server is shared, and two Qt programs starting at once under
# it on 2 cores time out more often than they gain.
WINEPATH="$(winepath_of "$QT/bin" "${MINGW_RUNTIME_DIRS[@]}")" QT_QPA_FONTDIR="$(winepath_of "$BUILD/test-fonts")" \
    ctest --test-dir "$BUILD" --label-exclude benchmark --output-on-failure \
    --output-junit "$BUILD/wine-tests.xml" </dev/null
# The windows at 100 % to 200 % are checked here too, on Windows' own Qt.
grep -q '^PASS   : TestScales::everyLineAndPictureIsWhole' "$BUILD"/Testing/Temporary/LastTest.log ||
    { echo "error: test_scales did not pass under Wine" >&2; exit 1; }
# Each skip with its reason, so that nothing is left out silently.
echo "Skipped under Wine:"
grep -h -o 'SKIP   : .*' "$BUILD"/Testing/Temporary/LastTest.log | sort -u | sed 's/^/    /' || echo "    nothing"
echo "Wine test run: $(grep -c '^PASS   :' "$BUILD"/Testing/Temporary/LastTest.log) test cases passed, $(grep -c '^SKIP   :' "$BUILD"/Testing/Temporary/LastTest.log) skipped"
wineserver -k # the persistent server of the test run; every test program has ended

echo "== A forced end under Wine"
WINEPATH="$(winepath_of "$QT/bin" "${MINGW_RUNTIME_DIRS[@]}")" WINEQT_QPA_PLATFORM=offscreen \
    "$ROOT/scripts/wine-forced-end.sh" "$BUILD/single_instance_probe.exe"

# ---------------------------------------------------------------- deployment

echo "== Deployment in $STAGE"
rm -rf "$STAGE"
cmake --install "$BUILD" --prefix "$STAGE" >/dev/null
# What Windows users run needs the Qt DLLs and plugins it loads and the
# MinGW runtime, found by following the DLL imports; Windows' own DLLs stay
# out.
mkdir -p "$STAGE/platforms" "$STAGE/styles"
cp "$QT/plugins/platforms/qwindows.dll" "$STAGE/platforms/"
cp "$QT/plugins/styles/qwindowsvistastyle.dll" "$STAGE/styles/"
deploy_dependencies() {
    local added=1 file dll dir
    while [ "$added" -eq 1 ]; do
        added=0
        while IFS= read -r dll; do
            [ -e "$STAGE/$dll" ] && continue
            for dir in "$QT/bin" "${MINGW_RUNTIME_DIRS[@]}"; do
                if [ -f "$dir/$dll" ]; then
                    cp "$dir/$dll" "$STAGE/"
                    added=1
                    break
                fi
            done
        done < <(find "$STAGE" -name '*.exe' -o -name '*.dll' | while IFS= read -r file; do
            x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'
        done | sort -u)
    done
}
deploy_dependencies
(cd "$STAGE" && find . -type f | sed 's|^\./||' | sort) >"$BUILD/files.txt"
sed 's/^/    /' "$BUILD/files.txt"

# The staged copy runs on its own (no WINEPATH), and azivoder-reading.exe
# says what the Linux build says, line ends aside, with the same status.
echo "== The staged azivoder-reading.exe against the Linux build"
cmake -S "$ROOT" -B "$BUILD/linux-reading" -G Ninja -DCMAKE_BUILD_TYPE=Release -DAZIVODER_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD/linux-reading" --parallel "$(nproc)" --target azivoder-reading >/dev/null
compare_reading() {
    local linux_out linux_err linux_status windows_out windows_err windows_status
    linux_out=$("$BUILD/linux-reading/src/cli/azivoder-reading" "$@" 2>"$BUILD/linux.err") && linux_status=0 || linux_status=$?
    linux_err=$(cat "$BUILD/linux.err")
    windows_out=$(cd "$STAGE" && wine ./azivoder-reading.exe "$@" </dev/null 2>"$BUILD/windows.err" | tr -d '\r'; exit "${PIPESTATUS[0]}") &&
        windows_status=0 || windows_status=$?
    windows_err=$(tr -d '\r' <"$BUILD/windows.err")
    # The usage line names the program as it was started, on both systems.
    linux_out=$(echo "$linux_out" | sed 's|^Usage: [^ ]*|Usage: PROGRAM|')
    # Qt's help option also answers to -? on Windows, as Windows tools do.
    windows_out=$(echo "$windows_out" | sed 's|^Usage: [^ ]*|Usage: PROGRAM|; s|^  -?, -h, --help      |  -h, --help          |')
    if [ "$linux_out" != "$windows_out" ] || [ "$linux_err" != "$windows_err" ] || [ "$linux_status" != "$windows_status" ]; then
        echo "error: azivoder-reading $* differs: Linux status $linux_status, Windows status $windows_status" >&2
        diff <(echo "$linux_out"; echo "$linux_err") <(echo "$windows_out"; echo "$windows_err") >&2 || true
        return 1
    fi
    echo "    same output and status $linux_status: azivoder-reading $*"
}
compare_reading --seed 7
compare_reading --seed 7 --format json
compare_reading --seed 18446744073709551615 --format text
compare_reading --lines 1,2,1,1,2,2,1,2,1,1,2,2,2,1,1,1
compare_reading --lines 1,2,3
compare_reading --figures puella,albus,fortuna-minor,caput-draconis
compare_reading --seed 7 --count 3
compare_reading --seed 7 --count 3 --format json
compare_reading --seed 7 --house-chart golden-dawn --question 7
compare_reading --figures puer,caput-draconis,tristitia,albus --house-chart agrippa --question 4 --index singles --via-puncti branching --format json
compare_reading --question 13
compare_reading --verify
compare_reading --figures puella,albus,via
compare_reading --seed 18446744073709551616
compare_reading --format xml
compare_reading --no-such-option
compare_reading --help
compare_reading --version
version=$(cd "$STAGE" && wine ./azivoder.exe --version </dev/null | tr -d '\r')
[ "$version" = "Ririv Evazorarizad Azivoder $VERSION" ] ||
    { echo "error: the staged azivoder.exe --version printed '$version'" >&2; exit 1; }
echo "    azivoder.exe --version: $version"

# ---------------------------------------------------------------- installer and zip

echo "== Installer and zip"
SETUP="$BUILD/azivoder-$VERSION-setup.exe"
ZIP="$BUILD/azivoder-$VERSION-win64.zip"
rm -f "$SETUP" "$ZIP"
# The installer lists each file it adds, and its uninstaller removes exactly
# those: made from the staged files.
{
    while IFS= read -r file; do
        dir=$(dirname "$file")
        [ "$dir" = . ] && dir="" || dir="\\${dir//\//\\}"
        echo "SetOutPath \"\$INSTDIR$dir\""
        echo "File \"$STAGE/$file\""
    done <"$BUILD/files.txt"
} >"$BUILD/install-files.nsh"
{
    sed 's|/|\\|g; s|^|Delete "$INSTDIR\\|; s|$|"|' "$BUILD/files.txt"
    sed -n 's|/[^/]*$||p' "$BUILD/files.txt" | sort -ru | sed 's|/|\\|g; s|^|RMDir "$INSTDIR\\|; s|$|"|'
} >"$BUILD/uninstall-files.nsh"
makensis -V2 -NOCD -DVERSION="$VERSION" -DFILES_NSH="$BUILD/install-files.nsh" \
    -DUNFILES_NSH="$BUILD/uninstall-files.nsh" -DICON="$ROOT/resources/icons/azivoder.ico" \
    -DOUTFILE="$SETUP" "$ROOT/packaging/windows/azivoder.nsi"
(cd "$STAGE" && zip -q -X -r "$ZIP" .)
ls -l "$SETUP" "$ZIP"

# Silently in, the installed copy runs, and silently out again: every file
# and the uninstall key gone.
echo "== Silent install and uninstall under Wine"
installed="$WINEPREFIX/drive_c/Program Files/Azivoder"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Azivoder'
rm -rf "$installed"
wine "$SETUP" /S </dev/null
wineserver -w
(cd "$installed" && find . -type f | sed 's|^\./||' | sort) >"$BUILD/installed.txt"
diff <( (cat "$BUILD/files.txt"; echo uninstall.exe) | sort) "$BUILD/installed.txt" ||
    { echo "error: the installer did not install exactly the staged files" >&2; exit 1; }
wine reg query "$uninstall_key" /v QuietUninstallString </dev/null >/dev/null ||
    { echo "error: no uninstall entry in Add/Remove Programs" >&2; exit 1; }
[ "$(cd "$installed" && wine ./azivoder-reading.exe --seed 7 </dev/null | tr -d '\r')" = \
    "$("$BUILD/linux-reading/src/cli/azivoder-reading" --seed 7)" ] ||
    { echo "error: the installed azivoder-reading.exe does not run" >&2; exit 1; }
wine "$installed/uninstall.exe" /S </dev/null
wineserver -w
sleep 2 # the uninstaller works from a copy of itself that outlives the first process
if [ -e "$installed" ] || wine reg query "$uninstall_key" </dev/null >/dev/null 2>&1 ||
    [ -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Ririv Evazorarizad Azivoder.lnk" ]; then
    echo "error: the uninstaller left files, the Start menu entry or the uninstall key behind" >&2
    exit 1
fi
echo "Installed $(wc -l <"$BUILD/installed.txt") files, ran, and uninstalled them all."
echo "Windows build, Wine test run, installer and zip: all done."
