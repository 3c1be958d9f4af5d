#!/usr/bin/env bash
# Cross-builds the Qt modules the window needs for 64-bit Windows, from Debian's own source of the
# Qt that is installed here, and prints the folder it is installed in. Built once per machine:
# the result is cached outside the checkout and reused while the Qt version and the build options
# stay the same. An interrupted build leaves no cache behind (it is moved into place only whole).
# Beside it are kept the licence texts and the records of the third-party code in Qt's sources,
# from which the Windows packages' notices are made.
#
#   scripts/build-qt-mingw.sh            build when needed, print the prefix
#   CRESTMAP_QT_CACHE=DIR                where the cache lives (default ~/.cache/crestmap)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
toolchain=$top/cmake/mingw-w64-x86_64.cmake

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
if [[ -z "$host_version" ]]; then
    echo "build-qt-mingw: qt6-base-dev-tools is not installed (scripts/install-deps.sh)" >&2
    exit 1
fi
upstream=${host_version%%+*}
upstream=${upstream%%-*}

# What decides the built Qt: these options and the toolchain. Nothing else goes into the key.
options=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
    -DINPUT_opengl=no -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
    -DFEATURE_concurrent=ON -DFEATURE_testlib=ON -DFEATURE_widgets=ON
    -DFEATURE_png=ON -DFEATURE_jpeg=ON
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
)
key=$( (printf '%s\n' "${options[@]}"; cat "$toolchain") | sha256sum | cut -c1-12)

cache_root=${CRESTMAP_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/crestmap}
prefix=$cache_root/qt-$upstream-mingw-$key
if [[ -f "$prefix/.complete" && -f "$prefix/licences/.complete" ]]; then
    echo "$prefix"
    exit 0
fi

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
# Debian's source of the installed Qt, unpacked into $work/src.
fetch_source() {
    if ! grep -rqs 'deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        echo "build-qt-mingw: enabling Debian's source packages" >&2
        for f in /etc/apt/sources.list.d/*.sources; do
            [[ -f "$f" ]] && "${sudo[@]}" sed -i 's/^Types: deb$/Types: deb deb-src/' "$f"
        done
        if [[ -f /etc/apt/sources.list ]]; then
            "${sudo[@]}" sed -i -E 'p; s/^deb (.*debian)/deb-src \1/; t; d' /etc/apt/sources.list
        fi
        "${sudo[@]}" apt-get update -qq
    fi
    for tool in dpkg-source g++-mingw-w64-x86-64; do
        command -v "$tool" >/dev/null 2>&1 || dpkg-query -W "$tool" >/dev/null 2>&1 ||
            DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
                "${tool/dpkg-source/dpkg-dev}"
    done

    echo "build-qt-mingw: fetching the source of qt6-base $host_version" >&2
    (cd "$work" && apt-get source -qq --download-only "qt6-base=$host_version" >/dev/null)
    dsc=$(ls "$work"/qt6-base_*.dsc)
    (cd "$work" && dpkg-source --no-check -x "$(basename "$dsc")" src >/dev/null)
    source_version=$(sed -n -E 's/^set\(QT_REPO_MODULE_VERSION "([^"]+)"\).*/\1/p' \
        "$work/src/.cmake.conf")
    if [[ "$source_version" != "$upstream" ]]; then
        echo "build-qt-mingw: the source is Qt $source_version but the host tools are" \
            "Qt $upstream; they must match. Stopping before the build." >&2
        exit 1
    fi
}

# The licence texts that the Windows packages carry beside Qt's libraries, and the records of the
# third-party code in Qt's sources (each qt_attribution.json with the licence files beside it),
# from which the packages' notices are made: kept in PREFIX/licences, outside the cache key.
keep_licences() { # PREFIX
    local to=$1/licences
    rm -rf "$to.partial"
    mkdir -p "$to.partial"
    cp "$work/src/LICENSES/GPL-3.0-only.txt" "$to.partial/GPL-3.0.txt" 2>/dev/null ||
        cp "$work/src/LICENSE.GPL3" "$to.partial/GPL-3.0.txt"
    local record folder
    while IFS= read -r -d '' record; do
        folder=$(dirname "${record#"$work/src/"}")
        mkdir -p "$to.partial/$folder"
        find "$(dirname "$record")" -maxdepth 1 -type f \( -name qt_attribution.json \
            -o -iname '*licen[cs]e*' -o -iname 'copying*' -o -iname 'copyright*' \) \
            -exec cp {} "$to.partial/$folder/" \;
    done < <(find "$work/src/src" -name qt_attribution.json -print0)
    touch "$to.partial/.complete"
    mv "$to.partial" "$to"
}

mkdir -p "$cache_root"
if [[ -f "$prefix/.complete" ]]; then
    # A Qt built before its licence texts were kept: those alone are taken from its source, and
    # the build stays as it is.
    work=$cache_root/licences-$$
    trap 'rm -rf "$work" "$prefix/licences.partial"' EXIT
    mkdir -p "$work"
    fetch_source
    keep_licences "$prefix"
    echo "$prefix"
    exit 0
fi

# Whatever an earlier, interrupted build left is not trusted.
rm -rf "$prefix" "$cache_root"/work-* "$cache_root"/qt-*.partial
work=$cache_root/work-$$
partial=$prefix.partial
trap 'rm -rf "$work" "$partial"' EXIT
mkdir -p "$work"
fetch_source

echo "build-qt-mingw: building Qt $source_version for MinGW-w64 (about 40 minutes)" >&2
cmake -S "$work/src" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$partial" "${options[@]}" >"$work/configure.log" 2>&1 ||
    { tail -40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 ||
    { grep -m 20 -B 2 -A 8 -E 'error|FAILED' "$work/build.log" >&2 || tail -40 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >/dev/null
# The exact source and options, which shipping Qt's libraries asks us to state.
{
    echo "Qt $source_version, built from Debian's source package qt6-base $host_version ($(basename "$dsc"))"
    echo "with the MinGW-w64 toolchain $(x86_64-w64-mingw32-g++-posix -dumpversion) and these options:"
    printf '  %s\n' "${options[@]}"
} >"$partial/BUILD-NOTE.txt"
cp "$work/src/LICENSES/LGPL-3.0-only.txt" "$partial/LGPL-3.0.txt" 2>/dev/null ||
    cp "$work/src/LICENSE.LGPL3" "$partial/LGPL-3.0.txt"
keep_licences "$partial"
touch "$partial/.complete"
mv "$partial" "$prefix"
echo "$prefix"
