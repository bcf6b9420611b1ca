#!/usr/bin/env bash
# Installs the build into a throwaway portable folder and checks what it holds: the programs,
# their data folders, the user guide, the icons and a desktop entry per program that points at
# the installed program and icon.
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
for folder in rkk7data rkk6data icons; do
    [[ -d $prefix/$folder ]] || fail "folder $folder is missing"
done
[[ -f $prefix/RKM67KV.html ]] || fail "the user guide is missing"

for entry in rk7klvn:RK7KLVN:"Riko7 Kelvane" rk6klvn:RK6KLVN:"Riko6 Kelvane" \
             miniklvn:MiniKLVN:"Mini RIKO Kelvane"; do
    IFS=: read -r lower program name <<<"$entry"
    desktop=$prefix/share/applications/$lower.desktop
    [[ -f $desktop ]] || fail "no desktop entry for $program"
    grep -qx "Name=$name" "$desktop" || fail "$desktop does not name $name"
    grep -qx "Exec=\"$prefix/$program\"" "$desktop" || fail "$desktop does not start $program"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [[ -f $icon ]] || fail "$desktop names a missing icon $icon"
done
echo "portable folder complete"
