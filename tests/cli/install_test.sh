#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop and `man` read there.
# Arguments: the build folder, the application id, "tavolin" when the window is built, the icon sizes.
set -eu
build=$1 id=$2 window=$3 sizes=$4 share=
export LC_ALL=C MANWIDTH=80
prefix=$(mktemp -d) && share=$prefix/share
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install test: $*" >&2 && exit 1; }
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/tavolin-report ${window:+bin/$window} share/icons/hicolor/scalable/apps/$id.svg; do
    [ -s "$prefix/$file" ] || fail "missing $file"
done
for size in $sizes; do # the width and height in the PNG header
    [ "$(od -An -tx1 -j16 -N8 "$share/icons/hicolor/${size}x$size/apps/$id.png" | tr -d ' ')" = \
        "$(printf '%08x%08x' "$size" "$size")" ] || fail "no ${size}x$size icon"
done
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry invalid"
! command -v appstreamcli >/dev/null || appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "AppStream metadata invalid"
for page in man6/tavolin.6 man1/tavolin-report.1; do
    [ -z "$(man -l --warnings "$share/man/$page" 2>&1 >/dev/null)" ] || fail "$page has roff warnings"
    man -l "$share/man/$page" | grep -q '^NAME' || fail "$page does not render"
done
for option in $("$prefix/bin/tavolin-report" --help | grep -o -- '--[a-z-]*' | sort -u); do
    man -l "$share/man/man1/tavolin-report.1" | grep -q -- "$option" || fail "tavolin-report.1 lacks $option"
done
