#!/usr/bin/env bash
# Installs what is missing, builds the installed programs and makes the Debian package
# veltrano_VERSION_ARCH.deb in build/package; prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

jobs=$(nproc); ((jobs > 2)) && jobs=2
build=${VELTRANO_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target veltrano veltrano-cli fc28-sim veltrano_data -j"$jobs"
out="$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
rm -rf "$out/_CPack_Packages"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
echo "$(pwd)/$out/veltrano_${version}_$(dpkg --print-architecture).deb"
