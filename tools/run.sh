#!/bin/sh
# Sets up a Debian 12 machine, builds Numerandia and starts it.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DNUMERANDIA_BENCHMARKS=OFF
cmake --build build --target numerandia
exec ./build/src/numerandia
