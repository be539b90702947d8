#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs of it.
# usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for program in pontel dravik; do
    bin="$prefix/bin/$program"
    desktop="$prefix/share/applications/$program.desktop"
    icon="$prefix/share/icons/hicolor/scalable/apps/$program.svg"
    [ -x "$bin" ] || { echo "no $bin" >&2; exit 1; }
    [ -f "$desktop" ] || { echo "no $desktop" >&2; exit 1; }
    [ -f "$icon" ] || { echo "no $icon" >&2; exit 1; }
    desktop-file-validate "$desktop"
    grep -q "^Exec=$program$" "$desktop" || { echo "$desktop does not start $program" >&2; exit 1; }
    grep -q "^Icon=$program$" "$desktop" || { echo "$desktop does not name its icon" >&2; exit 1; }
    grep -q '^Name\[ru\]=' "$desktop" || { echo "$desktop has no Russian name" >&2; exit 1; }
    grep -q '<svg' "$icon" || { echo "$icon is not an SVG picture" >&2; exit 1; }
done
echo "installed both programs with their desktop entries and icons"
