#!/usr/bin/env bash
# Builds Crestmap and runs every test: the normal build, the sanitizer build, the fuzz target for
# a bounded time, the Windows build under Wine, and crestmap-cli against the bare writer on a
# million entries.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --with-tests

for preset in dev asan fuzz windows; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    echo "== $preset tests"
    ctest --preset "$preset"
done

echo "== crestmap-cli.exe under Wine against the Linux build"
WINEPREFIX="$PWD/build-windows/wine" \
    tests/cli/windows_cli_under_wine.sh build-dev/cli/crestmap-cli build-windows/cli/crestmap-cli.exe
(cd build-windows && cpack -G ZIP >/dev/null && ls crestmap-cli-*-win64.zip)

echo "== a million entries"
cmake --preset release >/dev/null
cmake --build --preset release --target crestmap-bench
build-release/bench/crestmap-bench 1000000 1
