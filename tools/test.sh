#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in the Release
# build, then again with AddressSanitizer and UndefinedBehaviorSanitizer, where any
# report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

tools/install-deps.sh
tools/build.sh
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRECTIFIER_SANITIZE=ON -DRECTIFIER_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs"
