#!/bin/sh
# Sets up a Debian 12 machine, builds Numerandia with its tests and runs them all.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh --tests

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-test
ctest --test-dir build-test --output-on-failure -j2
