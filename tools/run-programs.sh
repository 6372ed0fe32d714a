#!/usr/bin/env bash
# Installs what is missing, builds, and runs the programs.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
# A first build leaves the test suite out (it needs GoogleTest); a build
# directory configured already keeps its settings.
if [ -f "$BUILD_DIR/CMakeCache.txt" ]; then
    build_project
else
    build_project -DFEM1D_BUILD_TESTS=OFF
fi

run_programs "$BUILD_DIR/bin"
