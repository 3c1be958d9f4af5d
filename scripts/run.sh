#!/usr/bin/env bash
# Builds Crestmap and runs it on the sample folder, showing the config.xml it writes.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target crestmap-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r examples/logos "$work/"
build-release/cli/crestmap-cli "$work/logos"
echo
cat "$work/logos/config.xml"
echo
