#!/usr/bin/env bash
# Installs the Debian 12 packages that the commands need, when they are missing: `run` for
# building and running the three programs, `test` for that and every test besides. Runs apt-get
# as root, or through sudo.
# usage: install-build-deps.sh run|test|windows
set -euo pipefail

run_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev
    # Under X the window asks the server whether a key is still held down.
    libxcb1-dev
    # The faces that the window's fonts map to, and Qt's Japanese texts in its dialogs.
    qt6-translations-l10n fonts-ipafont-gothic fonts-ipafont-mincho
)
test_packages=(
    libgtest-dev
    # The end-to-end tests: a virtual X screen with a window manager, and the tools that drive
    # the window and read it back.
    xvfb xauth x11-utils x11-xserver-utils xdotool xclip openbox
    # The screen reader's test: a session bus, the desktop's accessibility bus and the client
    # that screen readers use to read it.
    dbus at-spi2-core python3-pyatspi
    # The fuzz preset: clang with its libFuzzer and sanitizer runtimes, and the symbolizer that
    # turns the sanitizers' addresses into file and line.
    clang-14 libclang-rt-14-dev llvm-14
)

# scripts/windows-package.sh: the cross compiler, Qt's own host tools (moc, rcc, uic) that the
# cross Qt reuses with the tools that fetch and unpack Debian's source of it, and Qt's Japanese
# texts, which the package takes along.
windows_packages=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 cmake ninja-build perl python3
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n dpkg-dev unzip
    # GoogleTest's source, built with the cross compiler for the core tests.
    googletest
    # The tests under Wine: Wine itself, a virtual X screen with a window manager, the tools
    # that drive the windows, and the faces that stand in for the Windows fonts.
    wine wine64 xvfb xauth x11-utils xdotool xclip openbox fonts-ipafont-gothic
    fonts-ipafont-mincho
)

case ${1:-} in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
windows) packages=("${windows_packages[@]}") ;;
*) echo "usage: $0 run|test|windows" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0

as_root=()
if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
# Another install may hold dpkg's lock for a while: wait for it rather than fail.
"${as_root[@]}" apt-get -o DPkg::Lock::Timeout=600 update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 \
    install -y -q --no-install-recommends "${missing[@]}"
