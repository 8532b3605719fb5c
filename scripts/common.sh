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
