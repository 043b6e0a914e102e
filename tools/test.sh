#!/bin/sh
# Sets up a Debian 12 machine, checks every shell script with shellcheck, builds
# Numerandia with its tests and runs them all: unit, window, end-to-end (among them
# what the screen reader Orca says while a pupil plays a round of each drill with the
# keyboard) and install tests; a minute of fuzzing of the prime checker's reader; then
# the unit and window tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
# Any failure, sanitizer report or shellcheck finding fails the run.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh --tests

# Before any build, so that a slip in a script fails the run in seconds.
find . \( -path './build*' -o -path ./.git \) -prune -o -type f \( -name '*.sh' -o -path ./.ci/run \) \
    -exec shellcheck {} +

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMERANDIA_BENCHMARKS=ON
cmake --build build-test
ctest --test-dir build-test --output-on-failure -j2

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DNUMERANDIA_FUZZ=ON -DBUILD_TESTING=OFF -DNUMERANDIA_BENCHMARKS=OFF
cmake --build build-fuzz --target fuzz_prime_check
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
./build-fuzz/tests/fuzz/fuzz_prime_check -max_total_time=60 -timeout=5 -max_len=65536 \
    -print_final_stats=1 "$corpus" tests/fuzz/corpus

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DNUMERANDIA_SANITIZE=ON -DNUMERANDIA_BENCHMARKS=OFF
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j2 -L 'unit|window'
