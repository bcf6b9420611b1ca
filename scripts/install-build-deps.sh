#!/usr/bin/env bash
# Installs the Debian 12 packages that the commands need, when they are missing: `run` for
# building and running the three programs, `test` for that and every test besides. Runs apt-get
# as root, or through sudo.
# usage: install-build-deps.sh run|test
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
    # The fuzz preset: clang with its libFuzzer and sanitizer runtimes, and the symbolizer that
    # turns the sanitizers' addresses into file and line.
    clang-14 libclang-rt-14-dev llvm-14
)

case ${1:-} in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
*) echo "usage: $0 run|test" >&2; exit 2 ;;
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
"${as_root[@]}" apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
