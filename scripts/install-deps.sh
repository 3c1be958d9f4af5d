#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages Crestmap builds and tests with, only those missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libcli11-dev nlohmann-json3-dev libxxhash-dev qt6-base-dev qt6-base-dev-tools libqt6svg6
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)
if [[ "${1:-}" == "--with-tests" ]]; then
    # GoogleTest; a real X server with tools to drive, inspect and photograph it; the desktop
    # validators, man and lintian for the .deb; clang's libFuzzer with expat to check its
    # documents; and for the Windows build, MinGW-w64, GoogleTest's sources to build with it,
    # Wine to run it (and the locales' sources, to run it in German) and NSIS to make its
    # installer.
    packages+=(libgtest-dev libgmock-dev xvfb xauth xdotool x11-utils imagemagick libxcb1-dev man-db
               desktop-file-utils appstream clang libclang-rt-dev libexpat1-dev
               g++-mingw-w64-x86-64 googletest wine64 dpkg-dev lintian nsis locales)
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
    echo "crestmap: please install these packages: ${missing[*]}" >&2
    exit 1
fi
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "crestmap: installing ${missing[*]}" >&2
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
