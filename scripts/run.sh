#!/usr/bin/env bash
# Builds Crestmap and starts it: the window when there is a display, otherwise the command-line
# tool on the sample logos, showing the config.xml it writes.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target crestmap crestmap-cli

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
    exec build-release/app/crestmap "$@"
fi

echo "No display: running crestmap-cli on examples/logos instead."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r examples/logos "$work/"
build-release/cli/crestmap-cli "$work/logos"
echo
cat "$work/logos/config.xml"
echo
