#!/usr/bin/env bash
# Builds Crestmap and runs every test: the normal build, the sanitizer build, the fuzz targets for
# a bounded time, the Windows build (the window too, with Qt cross-built once per machine) and its
# installer under Wine, the .deb under lintian, and crestmap-cli against the bare writer on a
# million entries.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --with-tests
# Qt for MinGW-w64: about 15 to 40 minutes the first time on a machine, then taken from its cache.
CRESTMAP_QT_MINGW=$(scripts/build-qt-mingw.sh)
export CRESTMAP_QT_MINGW

for preset in dev asan fuzz windows; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    echo "== $preset tests"
    ctest --preset "$preset"
done

echo "== the Windows package under Wine against the Linux build"
export WINEPREFIX="$PWD/build-windows/wine"
tests/cli/windows_cli_under_wine.sh build-dev/cli/crestmap-cli build-windows/cli/crestmap-cli.exe
package=$(mktemp -d)
trap 'rm -rf "$package"' EXIT
cmake --install build-windows --prefix "$package/crestmap" >/dev/null
tests/app/window_end_to_end.sh --wine "$package/crestmap/crestmap.exe" build-dev/cli/crestmap-cli \
    build-dev/tests/app/close-window build-windows/crestmap-window
(cd build-windows && cpack -G ZIP >/dev/null && ls -l crestmap-*-win64.zip)
zip=$(ls build-windows/crestmap-*-win64.zip)
(($(stat -c %s "$zip") <= 40 * 1024 * 1024)) || { echo "$zip is over 40 MB"; exit 1; }

echo "== the installer under Wine"
rm -f build-windows/crestmap-*-setup.exe
(cd build-windows && cpack -G NSIS >/dev/null)
setup=$(ls build-windows/crestmap-*-setup.exe)
tests/installer/installer_under_wine.sh "$setup" \
    "build-windows/_CPack_Packages/win64/NSIS/$(basename "$setup" .exe)" \
    build-windows/tests/installer/shell-verb.exe build-dev/tests/app/close-window \
    build-dev/cli/crestmap-cli

echo "== the .deb under lintian"
cmake --preset release >/dev/null
cmake --build --preset release --target crestmap crestmap-cli package-files crestmap-bench \
    crestmap-window-bench
rm -f build-release/crestmap_*.deb
(cd build-release && cpack -G DEB >/dev/null)
# lintian leaves a file of its own in TMPDIR; this one goes with the run.
TMPDIR="$package" lintian --fail-on error,warning build-release/crestmap_*.deb

echo "== a million entries"
build-release/bench/crestmap-bench 1000000 1
