#!/usr/bin/env bash
# Installs what is missing, builds in Release, and runs the benchmarks.
# Extra arguments go to the benchmark binary (e.g. --benchmark_filter=Element).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev
BUILD_DIR="$ROOT_DIR/build-bench"
build_project -DCMAKE_BUILD_TYPE=Release -DFEM1D_BUILD_TESTS=OFF -DFEM1D_BUILD_BENCHMARKS=ON

"$BUILD_DIR/bin/fem1d_bench" "$@"
