# Shared by run.sh and test.sh: installs what a fresh Debian 12 machine lacks
# and configures and builds the program.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian packages the build, the program and the tests need.
PACKAGES=(
    g++ cmake ninja-build
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins
    fonts-dejavu-core fonts-liberation2
    unrtf poppler-utils
    python3-jsonschema
    desktop-file-utils appstream
    xvfb xauth xclip
    clang-format git
    orca speech-dispatcher at-spi2-core openbox xdotool dbus-x11 x11-utils
)

install_missing_packages() {
    local missing=()
    local package
    for package in "${PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    local apt=(apt-get)
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "error: need root or sudo to install: ${missing[*]}" >&2
            exit 1
        fi
        apt=(sudo apt-get)
    fi
    "${apt[@]}" update -qq
    DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build BUILD_DIR [extra cmake arguments...]
configure_and_build() {
    local dir="$1"
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}

# verify_tests_are_current BUILD_DIR
# Refuses to let CTest run executables that this configuration did not build:
# a folder once configured with tests and later without them keeps its old
# test list and binaries, and running those would report the old code as
# passing. Every test program CTest would start must be an output of the
# current build graph, and the graph must have nothing left to rebuild.
verify_tests_are_current() {
    local dir="$1"
    local count=0 stale=0 line program relative
    if ! grep -q '^AZIVODER_BUILD_TESTS:BOOL=ON$' "$dir/CMakeCache.txt"; then
        echo "error: $dir is not configured with its tests" >&2
        exit 1
    fi
    while IFS= read -r line; do
        program="${line#*Test command: }"
        program="${program%% *}"
        count=$((count + 1))
        case "$program" in
        "$dir"/*) ;;
        *) continue ;; # a tool such as cmake itself, not something we build
        esac
        relative="${program#"$dir"/}"
        if ! ninja -C "$dir" -t query "$relative" >/dev/null 2>&1; then
            echo "error: $program is not built by the current configuration" >&2
            stale=$((stale + 1))
        fi
    done < <(ctest --test-dir "$dir" -N -V | grep 'Test command: ')
    if [ "$count" -eq 0 ]; then
        echo "error: CTest finds no tests in $dir" >&2
        exit 1
    fi
    if ! ninja -C "$dir" -n | grep -q 'no work to do'; then
        echo "error: $dir still has targets to rebuild" >&2
        stale=$((stale + 1))
    fi
    [ "$stale" -eq 0 ] || exit 1
    echo "All $count tests in $dir come from the current build."
}

# check_formatting: fails, naming the files, when any C++ file of the project
# differs from what clang-format makes of it with the project's .clang-format.
check_formatting() {
    local files
    mapfile -t files < <(git -C "$ROOT" ls-files '*.h' '*.cpp')
    [ ${#files[@]} -gt 0 ] || return 0
    if ! (cd "$ROOT" && clang-format --dry-run -Werror "${files[@]}"); then
        echo "error: the files above are not clang-formatted; run: clang-format -i \$(git ls-files '*.h' '*.cpp')" >&2
        exit 1
    fi
    echo "All ${#files[@]} C++ files are clang-formatted."
}
