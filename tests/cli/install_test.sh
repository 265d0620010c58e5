#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop and `man` read there, then wraps the
# build into a Debian package and checks it against the same layout and, when lintian is there, with lintian.
# Arguments: the build folder, the application id, "tavolin" when the window is built, the icon sizes.
set -eu
build=$1 id=$2 window=$3 sizes=$4 work=$(mktemp -d)
prefix=$work/usr
export LC_ALL=C MANWIDTH=80
trap 'rm -rf "$work"' EXIT
fail() { echo "install test: $*" >&2 && exit 1; }
cmake --install "$build" --prefix "$prefix" >/dev/null && cd "$prefix/share"
for file in ../bin/tavolin-report ${window:+../bin/$window icons/hicolor/scalable/apps/$id.svg} \
    doc/tavolin/copyright doc/tavolin/changelog.Debian.gz; do
    [ -s "$file" ] || fail "missing $file"
done
for size in $sizes; do # the width and height in the PNG header
    [ "$(od -An -tx1 -j16 -N8 "icons/hicolor/${size}x$size/apps/$id.png" | tr -d ' ')" = \
        "$(printf '%08x%08x' "$size" "$size")" ] || fail "no ${size}x$size icon"
done
if [ -n "$window" ]; then
    desktop-file-validate "applications/$id.desktop" || fail "desktop entry invalid"
    ! command -v appstreamcli >/dev/null || appstreamcli validate --no-net "metainfo/$id.metainfo.xml" >/dev/null ||
        fail "AppStream metadata invalid"
fi
for page in man/man1/tavolin-report.1.gz ${window:+man/man6/tavolin.6.gz}; do
    [ -z "$(man -l --warnings "$page" 2>&1 >/dev/null)" ] && man -l "$page" | grep -q '^NAME' || fail "$page"
done
for option in $(../bin/tavolin-report --help | grep -o -- '--[a-z-]*' | sort -u); do
    man -l man/man1/tavolin-report.1.gz | grep -q -- "$option" || fail "tavolin-report.1 lacks $option"
done

# The package holds what the install lays out, under /usr, and its changelog names the package's version.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >/dev/null || fail "cpack failed"
deb=$(ls "$work"/deb/*.deb)
(cd "$work" && find usr -type f | sort) >"$work/installed"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {sub(/^\.\//, "", $6); print $6}' | sort >"$work/packaged"
diff "$work/installed" "$work/packaged" >&2 || fail "the package and the install hold different files"
version=$(dpkg-deb -f "$deb" Version)
zcat doc/tavolin/changelog.Debian.gz | head -n 1 | grep -qF "tavolin ($version) " ||
    fail "changelog.Debian does not start with version $version"
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" >&2 || fail "lintian rejects the package"
else
    echo "install test: lintian is not installed, so the package is not linted (scripts/package lints it)"
fi
