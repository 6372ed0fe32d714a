#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build_project -DFEM1D_BUILD_TESTS=ON "$@"

ctest --test-dir "$BUILD_DIR" --output-on-failure --parallel "$(nproc)"
