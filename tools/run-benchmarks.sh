#!/usr/bin/env bash
# Installs what is missing, builds in Release, and runs the benchmarks.
# Extra arguments go to the benchmark binary (e.g. --benchmark_filter=Element).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev
BUILD_DIR="$ROOT_DIR/build-bench"
build_project -DCMAKE_BUILD_TYPE=Release -DFEM1D_BUILD_TESTS=OFF -DFEM1D_BUILD_BENCHMARKS=ON

"$BUILD_DIR/bin/fem1d_bench" "$@"

# Whole fresh processes: wall time as the shell sees it, beside what each reports.
if [ "$#" -eq 0 ]; then
    for run in "poisson 1000000 double" "poisson 1000000 extended" "cantilever 10000 extended" \
        "cantilever 100000 extended" "modes 100000 10 extended"; do
        start=$(date +%s%N)
        # shellcheck disable=SC2086
        "$BUILD_DIR/bin/fem1d_fresh" $run
        echo "  whole process: $(( ($(date +%s%N) - start) / 1000000 )) ms"
    done
    "$BUILD_DIR/bin/fem1d_accuracy"
fi
