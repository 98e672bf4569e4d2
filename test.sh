#!/usr/bin/env bash
# Runs every test. Installs what is missing on a Debian 12 machine, builds, and runs the
# suite through CTest, then again under ru_RU.UTF-8 (comma decimals); exits non-zero on any
# failure. With CI=true it also runs the suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the core's tests under ThreadSanitizer, each in a build
# folder of its own.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
ensure_packages "${velmora_build_packages[@]}" "${velmora_test_packages[@]}"
# Comma-decimal locales: numbers must read and print the same in every one of them.
ensure_locales ru_RU.UTF-8 de_DE.UTF-8

jobs=$(nproc)
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

configure_and_test() {
    local dir=$1
    shift
    local ctest_args=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do
        ctest_args+=("$1")
        shift
    done
    [ "${1:-}" = "--" ] && shift
    cmake -S . -B "$dir" -G Ninja -DVELMORA_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" "${ctest_args[@]}"
}

echo "== build and test =="
configure_and_test build -- -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_BENCH=ON

# The same suite again where the decimal separator is a comma, as for most of the program's
# users; the screens that read and show numbers once more under German rules.
echo "== the suite under ru_RU.UTF-8 =="
LC_ALL=ru_RU.UTF-8 ctest --test-dir build --output-on-failure -j "$jobs" -LE bench
echo "== the number screens under de_DE.UTF-8 =="
LC_ALL=de_DE.UTF-8 ctest --test-dir build --output-on-failure -j "$jobs" \
    -R 'DayView|Scale|History|Chart|Settings'

if [ "${CI:-}" = "true" ]; then
    echo "== AddressSanitizer and UndefinedBehaviorSanitizer =="
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        configure_and_test build-asan -- -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DVELMORA_SANITIZE=address,undefined -DVELMORA_BENCH=OFF
    echo "== ThreadSanitizer (core, and the program's end) =="
    TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
        configure_and_test build-tsan -L core -- -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DVELMORA_SANITIZE=thread -DVELMORA_GUI=ON -DVELMORA_BENCH=OFF
    # The whole program starting and ending with a reminder on show: Qt's own libraries are
    # not instrumented, so what they do inside is left out and only Velmora's threads count.
    TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1 \
        ctest --test-dir build-tsan --output-on-failure -R '^LifecycleTest\.'
    if command -v clang >/dev/null 2>&1 && command -v clang++ >/dev/null 2>&1; then
        # Every fuzz target of tests/fuzz as a libFuzzer program, each for a bounded time.
        # Warnings are the gcc builds' business; clang's own set would only add noise here.
        echo "== Fuzzing (libFuzzer, AddressSanitizer) =="
        fuzz_seconds=${VELMORA_FUZZ_SECONDS:-40}
        CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DVELMORA_FUZZ=ON -DVELMORA_WERROR=OFF -DVELMORA_GUI=OFF -DVELMORA_BENCH=OFF \
            -DVELMORA_SANITIZE=address >/dev/null
        cmake --build build-fuzz -j "$jobs" --target velmora_fuzz_targets
        mkdir -p build-fuzz/artifacts
        while read -r name program; do
            mkdir -p "build-fuzz/corpus/$name"
            echo "-- $name: ${fuzz_seconds} s"
            if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 "$program" \
                -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
                -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$name-" \
                "build-fuzz/corpus/$name" </dev/null >"build-fuzz/$name.log" 2>&1; then
                tail -n 60 "build-fuzz/$name.log"
                echo "$name failed; the input is in build-fuzz/artifacts/" >&2
                exit 1
            fi
            grep -E "^(Done|stat::number_of_executed_units|stat::new_units_added)" \
                "build-fuzz/$name.log" || true
        done <build-fuzz/tests/fuzz/fuzz_targets.txt
    fi
fi
echo "All tests passed."
