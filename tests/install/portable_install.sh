#!/usr/bin/env bash
# Installs the build into a throwaway portable folder and checks what it holds: the programs,
# their data folders, the user guide, and for the desktop a desktop entry per program that points
# at the installed program, its icon in the hicolor theme at every size and as SVG, and its
# AppStream metadata, the entries and the metadata passing their validators without a remark.
# usage: portable_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
for program in RK7KLVN RK6KLVN MiniKLVN; do
    [[ -x $prefix/$program ]] || fail "$program is not installed as a program"
done
for folder in rkk7data rkk6data; do
    [[ -d $prefix/$folder ]] || fail "folder $folder is missing"
done
[[ -f $prefix/RKM67KV.html ]] || fail "the user guide is missing"

share=$prefix/share
for entry in rk7klvn:RK7KLVN:"Riko7 Kelvane" rk6klvn:RK6KLVN:"Riko6 Kelvane" \
             miniklvn:MiniKLVN:"Mini RIKO Kelvane"; do
    IFS=: read -r lower program name <<<"$entry"
    id=org.kelvane.$lower
    desktop=$share/applications/$id.desktop
    [[ -f $desktop ]] || fail "no desktop entry for $program"
    grep -qx "Name=$name" "$desktop" || fail "$desktop does not name $name"
    grep -qx "Exec=\"$prefix/$program\"" "$desktop" || fail "$desktop does not start $program"
    grep -qx "Icon=$id" "$desktop" || fail "$desktop does not name its icon $id"
    remarks=$(desktop-file-validate "$desktop" 2>&1) || fail "$desktop: $remarks"
    [[ -z $remarks ]] || fail "$desktop: $remarks"
    for size in 16 32 48 64 128 256; do
        png=$share/icons/hicolor/${size}x$size/apps/$id.png
        file "$png" | grep -q "PNG image data, $size x $size," || fail "no $size px icon $png"
    done
    [[ -s $share/icons/hicolor/scalable/apps/$id.svg ]] || fail "no scalable icon for $program"
    metainfo=$share/metainfo/$id.metainfo.xml
    remarks=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "$metainfo: $remarks"
done
echo "portable folder complete"
