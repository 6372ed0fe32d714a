#!/usr/bin/env bash
# The quality gates beyond the test suite: warnings as errors, sanitizers,
# valgrind, fuzzing and the installed package. Each installs what it needs.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

FUZZ_SECONDS="${FUZZ_SECONDS:-60}"
WORK_DIR="$(mktemp -d)"
trap 'rm -rf "$WORK_DIR"' EXIT

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" valgrind clang libclang-rt-14-dev

echo "== warnings as errors, AddressSanitizer and UndefinedBehaviorSanitizer (g++)"
BUILD_DIR="$ROOT_DIR/build-asan"
build_project -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFEM1D_WERROR=ON -DFEM1D_SANITIZE=ON -DFEM1D_BUILD_TESTS=ON
ctest --test-dir "$BUILD_DIR" --output-on-failure --parallel "$(nproc)"
run_programs "$BUILD_DIR/bin" >/dev/null

echo "== valgrind memcheck on the programs"
# The build of the test suite, as it stands (up to date after run-tests.sh).
BUILD_DIR="$ROOT_DIR/build"
build_project
run_programs "$BUILD_DIR/bin" valgrind --quiet --error-exitcode=1 --leak-check=full \
    --errors-for-leak-kinds=definite --show-leak-kinds=definite >/dev/null
echo "valgrind: no errors"

echo "== fuzzing (clang++, libFuzzer, ${FUZZ_SECONDS} s a target)"
BUILD_DIR="$ROOT_DIR/build-fuzz"
build_project -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFEM1D_WERROR=ON \
    -DFEM1D_BUILD_FUZZERS=ON -DFEM1D_BUILD_TESTS=OFF
for target in parsor element problem; do
    corpus="$WORK_DIR/corpus-$target"
    mkdir -p "$corpus"
    cp "$ROOT_DIR/fuzz/corpus/$target/"* "$corpus/"
    if [ "$target" = problem ]; then
        cp "$ROOT_DIR/examples/problems/"*.fem "$corpus/" # the examples seed the problem reader
    fi
    dict=()
    if [ -f "$ROOT_DIR/fuzz/$target.dict" ]; then
        dict=(-dict="$ROOT_DIR/fuzz/$target.dict")
    fi
    (cd "$WORK_DIR" && "$BUILD_DIR/bin/${target}_fuzz" -max_total_time="$FUZZ_SECONDS" "${dict[@]}" \
        -print_final_stats=1 "$corpus" >"$WORK_DIR/$target.log" 2>&1) || {
        tail -n 60 "$WORK_DIR/$target.log" >&2
        echo "fuzzing $target: finding (see above)" >&2
        exit 1
    }
    runs="$(grep -m1 'stat::number_of_executed_units' "$WORK_DIR/$target.log" | awk '{print $2}')"
    echo "fuzzing $target: $runs executions, corpus of $(ls "$corpus" | wc -l) inputs, no finding"
done

echo "== installed package used by another project"
BUILD_DIR="$ROOT_DIR/build"
quietly cmake --install "$BUILD_DIR" --prefix "$WORK_DIR/prefix"
quietly cmake -S "$ROOT_DIR/examples/consumer" -B "$WORK_DIR/consumer" -DCMAKE_PREFIX_PATH="$WORK_DIR/prefix"
quietly cmake --build "$WORK_DIR/consumer"
beam_output="$("$WORK_DIR/consumer/beam")"
head -n 2 <<<"$beam_output"
"$WORK_DIR/consumer/bar"
echo "consumer: built against the installed package and ran"
