#!/usr/bin/env bash
# Makes dist/Kelvane-windows-x64.zip: the three programs for 64-bit Windows, cross-built on Debian
# 12 with MinGW-w64 against a Qt built here from Debian's own qt6-base source, then tests them
# under Wine (the core and widget tests, and each program end to end on a virtual X screen).
#
# The cross Qt takes the better part of an hour to build; it is kept outside the tree, in
# ${XDG_CACHE_HOME:-~/.cache}/kelvane/, under a name made of the Qt source version, the compiler's
# version and a hash of the configure line, the patch and the toolchain file, so later runs reuse it.
#
# usage: scripts/windows-package.sh [--qt-only] [--no-test]
#   --qt-only   build (or find) the cross Qt and stop
#   --no-test   make the package without running the tests under Wine
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/kelvane
build_dir=$root/build-windows/cross
linux_build_dir=$root/build-windows/linux
dist_dir=$root/dist
package_name=Kelvane-windows-x64
toolchain=$root/cmake/windows/mingw-w64-x86_64.cmake
qt_patch=$root/packaging/windows/qtbase-directwrite-needs-direct2d.patch
triplet=x86_64-w64-mingw32
jobs=$(nproc)

qt_only=false
run_tests=true
for argument in "$@"; do
    case $argument in
    --qt-only) qt_only=true ;;
    --no-test) run_tests=false ;;
    *) echo "usage: $0 [--qt-only] [--no-test]" >&2; exit 2 ;;
    esac
done

say() { printf '\n== %s\n' "$*"; }
elapsed() { printf '%dm%02ds' $((SECONDS / 60)) $((SECONDS % 60)); }

# Debian's source of that version, through an apt configuration of our own: a deb-src entry for
# Debian's mirror and its own package lists, so that the system's sources stay as they are. The
# downloads are kept by version; the unpacked and patched source belongs to one cache key.
fetch_qt_source() {
    local apt_dir=$cache/apt source_dir=$1
    mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$cache/src"
    : >"$apt_dir/sources.list"
    cat >"$apt_dir/sources.list.d/qt-source.sources" <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    local apt_options=(
        -q -o "Dir::Etc::sourcelist=$apt_dir/sources.list"
        -o "Dir::Etc::sourceparts=$apt_dir/sources.list.d" -o "Dir::State::Lists=$apt_dir/lists"
        -o APT::Sandbox::User=root
    )
    local dsc=$cache/src/qt6-base_${qt_version#*:}.dsc
    if [[ ! -f $dsc ]]; then
        apt-get "${apt_options[@]}" update
        (cd "$cache/src" && apt-get "${apt_options[@]}" source --download-only "qt6-base=$qt_version")
    fi
    rm -rf "$source_dir"
    dpkg-source -x "$dsc" "$source_dir"
    patch -d "$source_dir" -p1 <"$qt_patch"
}

# Qt Core, Gui, Widgets and Test, the windows platform plugin and style, nothing more. Debian's
# source lacks the tablet library, so tablet events are off, and with them Direct2D (the patch).
qt_configure_options=(
    -release -shared -xplatform win32-g++ -qt-host-path /usr
    -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-zstd -no-feature-tabletevent -no-feature-direct2d
    -no-feature-network -no-feature-sql -no-feature-printsupport -no-feature-concurrent
    -no-feature-xml
    -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype
)

qt_cache_key() {
    local compiler
    compiler=$("$triplet-g++-posix" -dumpfullversion)-$(dpkg-query -W -f='${Version}\n' \
        g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev | paste -sd_)
    local hash
    hash=$({
        printf '%s\n' "${qt_configure_options[@]}"
        cat "$qt_patch" "$toolchain"
    } | sha256sum | cut -c1-12)
    echo "qt-${qt_version//[:~+]/_}-mingw-${compiler//[:~+]/_}-$hash"
}

# The source, patched, its build and the installed Qt all stand in one folder named by the cache
# key, and the Qt is marked complete only once all three are done under it.
build_qt() {
    local key_dir=$1 prefix=$1/qt source_dir=$1/src work=$1/build
    [[ -f $prefix/.complete ]] && { echo "cross Qt found: $prefix"; return 0; }
    rm -rf "$key_dir"
    mkdir -p "$work"
    fetch_qt_source "$source_dir"
    say "building the cross Qt in $work (the first time, most of an hour)"
    (
        cd "$work"
        nice -n 19 "$source_dir/configure" -prefix "$prefix" "${qt_configure_options[@]}" -- \
            -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
            -DCMAKE_TOOLCHAIN_FILE="$toolchain"
        nice -n 19 cmake --build . --parallel "$jobs"
        cmake --install .
    )
    touch "$prefix/.complete"
    rm -rf "$work" "$source_dir"
}

# GoogleTest from Debian's source, built with the cross compiler for the test suites.
build_googletest() {
    local prefix=$1
    [[ -f $prefix/.complete ]] && return 0
    local work=$cache/build-${prefix##*/}
    rm -rf "$work" "$prefix"
    say "building GoogleTest for Windows"
    nice -n 19 cmake -S /usr/src/googletest -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix"
    nice -n 19 cmake --build "$work" --parallel "$jobs"
    cmake --install "$work"
    touch "$prefix/.complete"
    rm -rf "$work"
}

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

mingw_dll_folders() { echo "/usr/lib/gcc/$triplet/$("$triplet-g++-posix" -dumpversion) /usr/$triplet/lib"; }

# Runs a Windows program of the build under Wine, in the Wine prefix of our own, with the DLLs of
# the cross Qt and of MinGW found. CMake runs the test programs through it too.
write_wine_runner() {
    local folders path="" folder
    read -ra folders <<<"$(mingw_dll_folders)"
    for folder in "$qt_prefix/bin" "${folders[@]}"; do
        path+="${path:+;}$(windows_path "$folder")"
    done
    {
        echo '#!/bin/sh'
        echo "export WINEPREFIX='$wine_prefix' WINEDEBUG=-all"
        echo "export WINEPATH='$path'"
        echo 'exec wine "$@"'
    } >"$build_dir/wine-run"
    chmod +x "$build_dir/wine-run"
}

# The programs and the two test suites for Windows.
build_programs() {
    say "building the programs for Windows in $build_dir"
    mkdir -p "$build_dir"
    write_wine_runner
    nice -n 19 "$qt_prefix/bin/qt-cmake" -S "$root" -B "$build_dir" -G Ninja \
        -DCMAKE_BUILD_TYPE=Release -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" \
        -DGTest_DIR="$gtest_prefix/lib/cmake/GTest" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$build_dir/wine-run"
    nice -n 19 cmake --build "$build_dir" --parallel "$jobs" \
        --target RK7KLVN RK6KLVN MiniKLVN core_tests widget_tests font_tests
}

# The package's folder: the programs, their data folders and guide, the Qt and MinGW DLLs and
# plugins they load, Qt's Japanese texts, and qt.conf, which makes the folder Qt's prefix, so
# that Qt looks for its plugins and translations there and nowhere else.
assemble_package() {
    local folder=$1 bin=$build_dir/bin folders
    read -ra folders <<<"$(mingw_dll_folders)"
    say "assembling $folder"
    rm -rf "$folder"
    mkdir -p "$folder/rkk7data" "$folder/rkk6data" "$folder/plugins/platforms" \
        "$folder/plugins/styles" "$folder/translations"
    cp "$bin/RK7KLVN.exe" "$bin/RK6KLVN.exe" "$bin/MiniKLVN.exe" "$bin/RKM67KV.html" "$folder/"
    cp "$qt_prefix"/bin/Qt6{Core,Gui,Widgets}.dll "$folder/"
    cp "$qt_prefix/plugins/platforms/qwindows.dll" "$folder/plugins/platforms/"
    cp "$qt_prefix/plugins/styles/qwindowsvistastyle.dll" "$folder/plugins/styles/"
    cp "${folders[0]}"/{libstdc++-6,libgcc_s_seh-1}.dll "${folders[1]}/libwinpthread-1.dll" \
        "$folder/"
    cp /usr/share/qt6/translations/qtbase_ja.qm "$folder/translations/"
    printf '[Paths]\r\nPrefix = .\r\n' >"$folder/qt.conf"
    # Notepad of every Windows reads UTF-8 with a byte-order mark and CR LF line ends.
    { printf '\xef\xbb\xbf'; sed 's/$/\r/' "$root/packaging/windows/readme.txt"; } \
        >"$folder/はじめにお読みください.txt"
    find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec "$triplet-strip" --strip-unneeded {} +
    check_imports "$folder"
    check_manifests "$folder"
}

# Every program carries its manifest (cmake/windows/program.manifest) as the resource Windows
# reads when it creates the process: type 24, number 1.
check_manifests() {
    local program resources
    for program in "$1"/*.exe; do
        resources=$("$triplet-windres" -J coff -i "$program" -O rc)
        if ! grep -q '^1 24 /\* RT_MANIFEST \*/' <<<"$resources" ||
            ! grep -q longPathAware <<<"$resources"; then
            echo "${program##*/} has no manifest" >&2
            exit 1
        fi
    done
}

# Every DLL that a program or DLL of the folder imports is in the folder or is part of Windows
# (here: of Wine's system folder, or one of Windows' API sets, which its loader resolves), so that
# the folder runs on a Windows with nothing installed.
check_imports() {
    local folder=$1 system=$wine_prefix/drive_c/windows/system32 missing=() name
    while read -r name; do
        [[ ${name,,} == api-ms-win-* || ${name,,} == ext-ms-* ]] && continue
        [[ -n $(find "$folder" -maxdepth 1 -iname "$name") ]] && continue
        [[ -n $(find "$system" -maxdepth 1 -iname "$name") ]] && continue
        missing+=("$name")
    done < <(find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec "$triplet-objdump" -p {} + |
        sed -n 's/^\s*DLL Name: //p' | sort -u)
    ((${#missing[@]} == 0)) || {
        echo "DLLs neither in the package nor in Windows: ${missing[*]}" >&2
        exit 1
    }
}

# Python's zip module marks the Japanese file name as UTF-8, as Windows' Explorer expects.
write_zip() {
    local folder=$1 zip=$dist_dir/$package_name.zip
    mkdir -p "$dist_dir"
    rm -f "$zip"
    (cd "${folder%/*}" && python3 "$root/packaging/windows/zip_folder.py" "$zip" "${folder##*/}")
    # Beside the zip, so that a player can check a download against it (the readme says how).
    (cd "$dist_dir" && sha256sum "${zip##*/}" >SHA256SUMS)
    echo "wrote $zip ($(du -k "$zip" | cut -f1) KiB) and $dist_dir/SHA256SUMS"
}

# A Wine prefix of our own in the cache, where the Windows font names stand for the IPA faces
# that Debian has, as the real faces would on Windows.
prepare_wine_prefix() {
    [[ -f $wine_prefix/.ready ]] && return 0
    say "preparing the Wine prefix $wine_prefix"
    rm -rf "$wine_prefix"
    mkdir -p "$wine_prefix"
    # Without Wine's Mono and Gecko, which no test needs and which would ask to be downloaded.
    WINEPREFIX=$wine_prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init
    local name face
    while IFS='|' read -r name face; do
        [[ $name == \#* ]] && continue
        WINEPREFIX=$wine_prefix WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
            /v "$name" /t REG_SZ /d "$face" /f >/dev/null
    done <"$root/packaging/windows/wine-font-replacements.txt"
    WINEPREFIX=$wine_prefix wineserver -w
    touch "$wine_prefix/.ready"
}


# The Linux build of the three programs, which the end-to-end test holds the package against.
build_linux_programs() {
    say "building the programs for Linux in $linux_build_dir"
    "$root/scripts/install-build-deps.sh" run
    nice -n 19 cmake -S "$root" -B "$linux_build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
    nice -n 19 cmake --build "$linux_build_dir" --parallel "$jobs" \
        --target RK7KLVN RK6KLVN MiniKLVN
}

# The test programs run as CMake labelled them: those labelled "wine" on Qt's offscreen
# platform, then those labelled "wine_desktop", which draw with Windows' fonts, on the windows
# platform of a virtual X screen of 1024 x 768 with a window manager. The Wine server of the
# offscreen run keeps a desktop process without a display, in which no window of the next run
# would ever show: it goes first.
run_desktop_tests() {
    WINEPREFIX=$wine_prefix wineserver -k || true
    source "$root/tests/e2e/virtual_screen.sh"
    trap 'stop_window_manager; stop_virtual_screen' EXIT
    start_virtual_screen
    start_window_manager "$build_dir/openbox.log"
    ctest --test-dir "$build_dir" --label-regex '^wine_desktop$' --output-on-failure
}

run_test_suites() {
    say "the test programs under Wine, on Qt's offscreen platform"
    ctest --test-dir "$build_dir" --label-regex '^wine$' --output-on-failure
    say "the test programs of the fonts under Wine, on the windows platform"
    (run_desktop_tests)
}

run_end_to_end() {
    local unzipped=$root/build-windows/unzipped
    say "the package, unzipped, under Wine on a virtual X screen"
    rm -rf "$unzipped"
    mkdir -p "$unzipped"
    unzip -q "$dist_dir/$package_name.zip" -d "$unzipped"
    WINEPREFIX=$wine_prefix WINEDEBUG=-all \
        "$root/tests/e2e/windows_package.sh" "$unzipped/$package_name" "$linux_build_dir/bin"
}

"$root/scripts/install-build-deps.sh" windows
# The cross Qt must be the very version of the host tools it borrows: Debian's qt6-base-dev.
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null || true)
[[ -n $qt_version ]] || { echo "qt6-base-dev is not installed" >&2; exit 1; }
qt_key_dir=$cache/$(qt_cache_key)
qt_prefix=$qt_key_dir/qt
build_qt "$qt_key_dir"
echo "cross Qt ready after $(elapsed)"
$qt_only && exit 0

gtest_version=$(dpkg-query -W -f='${Version}' googletest)
gtest_prefix=$cache/gtest-${gtest_version//[:~+]/_}-mingw-$("$triplet-g++-posix" -dumpfullversion)
wine_prefix=$cache/wine-prefix
build_googletest "$gtest_prefix"
prepare_wine_prefix
build_programs
stage=$root/build-windows/package/$package_name
assemble_package "$stage"
write_zip "$stage"
echo "package ready after $(elapsed)"
$run_tests || exit 0

run_test_suites
build_linux_programs
run_end_to_end
echo "packaged and tested after $(elapsed)"
