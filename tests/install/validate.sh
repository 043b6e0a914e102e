#!/bin/bash
# Installs the build into a scratch prefix, plainly and through DESTDIR, and
# validates the menu entry and the software-centre description it installs.
set -eu
build=${1:?usage: $0 build-dir}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

check_tree() { # root of the installed tree
    local root=$1
    for f in bin/numerandia \
             share/applications/org.example.Numerandia.desktop \
             share/metainfo/org.example.Numerandia.metainfo.xml \
             share/icons/hicolor/scalable/apps/org.example.Numerandia.svg; do
        [ -e "$root/$f" ] || { echo "FAIL: $f not installed under $root" >&2; exit 1; }
    done
    [ -x "$root/bin/numerandia" ] || { echo "FAIL: numerandia is not executable" >&2; exit 1; }
    desktop-file-validate "$root/share/applications/org.example.Numerandia.desktop"
    appstreamcli validate --no-net "$root/share/metainfo/org.example.Numerandia.metainfo.xml"
    grep -q '^Categories=.*Education;.*Math;' "$root/share/applications/org.example.Numerandia.desktop"
    grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/org.example.Numerandia.svg"
}

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
check_tree "$scratch/prefix"
echo "ok: installed with a prefix"

DESTDIR="$scratch/dest" cmake --install "$build" --prefix /opt/numerandia >/dev/null
check_tree "$scratch/dest/opt/numerandia"
echo "ok: installed through DESTDIR"
