# Shared by the run scripts: installs missing Debian packages, builds, runs the programs.
set -euo pipefail

ROOT_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT_DIR/build}"

# Runs a command silently; shows its output only when it fails.
quietly() {
    local log
    log="$(mktemp)"
    if ! "$@" >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
}

# Installs the given Debian packages that are not installed yet.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    quietly $sudo apt-get update
    quietly $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(g++ make cmake libtnt-dev liblapack-dev libarpack2-dev libqd-dev libcli11-dev gnuplot-nox)
TEST_PACKAGES=(libgtest-dev)

# Configures and builds the project in $BUILD_DIR with the extra CMake arguments given.
build_project() {
    quietly cmake -S "$ROOT_DIR" -B "$BUILD_DIR" "$@"
    quietly cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}

# Runs the programs from the given bin directory, each command prefixed
# with the remaining arguments (e.g. valgrind). parsortest reads its command
# file relative to ProgrammeTest/Parsor; fem1d solves an example problem and
# writes its files and plot into build/examples-output.
run_programs() {
    local bin="$1"
    shift
    "$@" "$bin/elementtest"
    "$@" "$bin/interpolationtest"
    (cd "$ROOT_DIR/ProgrammeTest/Parsor" && "$@" "$bin/parsortest")
    local output="$ROOT_DIR/build/examples-output"
    mkdir -p "$output"
    "$@" "$bin/fem1d" --plot -o "$output/cantilever" "$ROOT_DIR/examples/problems/cantilever.fem"
}
