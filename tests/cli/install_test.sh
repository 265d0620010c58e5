#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop and `man` will read there.
# Arguments: the build folder, the application id, "tavolin" when the window is built, the icon sizes.
set -eu
build=$1 id=$2 window=$3 sizes=$4
export LC_ALL=C MANWIDTH=80
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "install test: $*" >&2; exit 1; }
for file in bin/tavolin-report ${window:+bin/$window} share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man6/tavolin.6 share/man/man1/tavolin-report.1; do
    [ -s "$prefix/$file" ] || fail "missing $file"
done
for size in $sizes; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    [ "$(od -An -tx1 -j16 -N8 "$png" | tr -d ' ')" = "$(printf '%08x%08x' "$size" "$size")" ] ||
        fail "$png is not a ${size}x$size PNG"
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry invalid"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
        fail "AppStream metadata invalid"
fi
for page in man6/tavolin.6 man1/tavolin-report.1; do
    warnings=$(man -l --warnings "$prefix/share/man/$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
    man -l "$prefix/share/man/$page" 2>/dev/null | grep -q '^NAME' || fail "$page does not render"
done
# Every option the program's help names is explained on its manual page.
for option in $("$prefix/bin/tavolin-report" --help | grep -o -- '--[a-z-]*' | sort -u); do
    man -l "$prefix/share/man/man1/tavolin-report.1" 2>/dev/null | grep -q -- "$option" ||
        fail "tavolin-report.1 does not explain $option"
done
