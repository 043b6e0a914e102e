#!/bin/sh
# Sets up a Debian 12 machine, builds Numerandia with its tests and runs them all:
# unit, window, end-to-end and install tests; then the unit and window tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh --tests

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-test
ctest --test-dir build-test --output-on-failure -j2

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DNUMERANDIA_SANITIZE=ON -DNUMERANDIA_BENCHMARKS=OFF
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j2 -L 'unit|window'
