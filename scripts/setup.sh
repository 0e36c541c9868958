#!/usr/bin/env bash
# Installs what the build needs (Debian packages) and builds everything into build/.
# "scripts/setup.sh sanitizers" builds instead into build-asan/ with clang, every library and
# test under AddressSanitizer and UndefinedBehaviorSanitizer (the first report ends the
# program), with the fuzz targets beside them. BOLV_BUILD names another build folder;
# BOLV_WERROR=ON makes every compiler warning an error, as CI builds.
set -euo pipefail
cd "$(dirname "$0")/.."
kind="${1:-plain}"

packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libqt6svg6 libgtest-dev libgmock-dev
          libbenchmark-dev clang-format qt6-translations-l10n fonts-liberation2
          dpkg-dev file desktop-file-utils appstream locales)
case "$kind" in
    plain) ;;
    sanitizers) packages+=(clang libclang-rt-dev) ;;
    *) echo "usage: scripts/setup.sh [sanitizers]" >&2; exit 2 ;;
esac
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
# The Italian locale, under which test.sh runs the window tests a second time.
if ! locale -a 2>/dev/null | grep -qix 'it_IT\.utf-\?8'; then
    $sudo localedef -i it_IT -f UTF-8 it_IT.UTF-8
fi

if [ "$kind" = sanitizers ]; then
    sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    # fuzzer-no-link: the libraries carry the coverage the fuzz targets are guided by.
    build="${BOLV_BUILD:-build-asan}"
    CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS="$sanitize -fsanitize=fuzzer-no-link" \
        -DCMAKE_EXE_LINKER_FLAGS="$sanitize" -DCMAKE_MODULE_LINKER_FLAGS="$sanitize" \
        -DBOLV_PACKAGE_TEST=OFF -DBOLV_WERROR="${BOLV_WERROR:-OFF}" > /dev/null
    cmake --build "$build"
    exit 0
fi
build="${BOLV_BUILD:-build}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBOLV_WERROR="${BOLV_WERROR:-OFF}" > /dev/null
cmake --build "$build"
