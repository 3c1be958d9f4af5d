#!/usr/bin/env bash
# Builds Crestmap and runs every test: the normal build, the sanitizer build, the fuzz targets
# for a bounded time, and crestmap-cli against the bare writer on a million entries.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --with-tests

for preset in dev asan fuzz; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    echo "== $preset tests"
    ctest --preset "$preset"
done

echo "== a million entries"
cmake --preset release >/dev/null
cmake --build --preset release --target crestmap-bench
build-release/bench/crestmap-bench 1000000 1
