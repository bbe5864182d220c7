#!/usr/bin/env bash
# Builds Rivanta and runs its tests. BUILD_DIR and extra CMake options can be given:
#   scripts/test.sh                      normal build in build/
#   BUILD_DIR=build-asan scripts/test.sh -DRVN_SANITIZE=ON
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
