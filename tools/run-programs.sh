#!/usr/bin/env bash
# Installs what is missing, builds, and runs the three programs.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
build_project -DFEM1D_BUILD_TESTS=OFF

"$BUILD_DIR/bin/elementtest"
"$BUILD_DIR/bin/interpolationtest"
