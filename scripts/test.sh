#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (unit, window, link end to end, fuzz smoke).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

# Short fuzzing runs of the untrusted-input parsers, under the sanitizers.
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELTRANO_FUZZ=ON -DVELTRANO_GUI=OFF -DVELTRANO_TESTS=OFF -DVELTRANO_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs"
ctest --test-dir build-fuzz --output-on-failure
