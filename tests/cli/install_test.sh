#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop and `man` read there.
# Arguments: the build folder, the application id, "tavolin" when the window is built, the icon sizes.
set -eu
build=$1 id=$2 window=$3 sizes=$4 prefix=$(mktemp -d)
export LC_ALL=C MANWIDTH=80
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install test: $*" >&2 && exit 1; }
cmake --install "$build" --prefix "$prefix" >/dev/null && cd "$prefix/share"
for file in ../bin/tavolin-report ${window:+../bin/$window} icons/hicolor/scalable/apps/$id.svg; do
    [ -s "$file" ] || fail "missing $file"
done
for size in $sizes; do # the width and height in the PNG header
    [ "$(od -An -tx1 -j16 -N8 "icons/hicolor/${size}x$size/apps/$id.png" | tr -d ' ')" = \
        "$(printf '%08x%08x' "$size" "$size")" ] || fail "no ${size}x$size icon"
done
desktop-file-validate "applications/$id.desktop" || fail "desktop entry invalid"
! command -v appstreamcli >/dev/null || appstreamcli validate --no-net "metainfo/$id.metainfo.xml" >/dev/null ||
    fail "AppStream metadata invalid"
for page in man/man6/tavolin.6 man/man1/tavolin-report.1; do
    [ -z "$(man -l --warnings "$page" 2>&1 >/dev/null)" ] && man -l "$page" | grep -q '^NAME' || fail "$page"
done
for option in $(../bin/tavolin-report --help | grep -o -- '--[a-z-]*' | sort -u); do
    man -l man/man1/tavolin-report.1 | grep -q -- "$option" || fail "tavolin-report.1 lacks $option"
done
