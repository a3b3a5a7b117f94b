#!/usr/bin/env bash
# Builds Zoquel on Debian 12, installing what is missing.
#   scripts/dev.sh run    build everything and start the explorer
#   scripts/dev.sh test   build everything and run every test
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev libpng-dev
          libmpfr-dev libgmp-dev clang libclang-rt-14-dev help2man desktop-file-utils appstream shared-mime-info)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j2
}

# The core builds with clang as well, and the file readers' fuzz targets each run a few
# seconds on their seeds, so neither can break unnoticed.
clang_and_fuzz() {
    cmake -S . -B build-clang -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DZOQUEL_FUZZ=ON -DZOQUEL_BUILD_GUI=OFF \
          -DBUILD_TESTING=OFF -DZOQUEL_BUILD_BENCH=OFF >/dev/null
    cmake --build build-clang -j2
    local root=$PWD work maps=../shared/testdata/maps
    work=$(mktemp -d)
    trap 'rm -rf "$work"' RETURN
    mkdir -p "$work/zq" "$work/zqt" "$work/map" "$work/any" "$work/seeds"
    build/src/zoquel-render --size 32x32 --save-zq "$work/seeds/a.zq" --save-params "$work/seeds/a.zqt" \
        -o "$work/seeds/a.png"
    [ -d "$maps" ] && maps=$(realpath "$maps") || maps=$work/seeds
    # libFuzzer writes what it finds into the folder it runs in: the temporary one.
    (cd "$work" && "$root/build-clang/fuzz/zoquel_fuzz_loadzq" -max_total_time=10 zq seeds)
    (cd "$work" && "$root/build-clang/fuzz/zoquel_fuzz_loadzqt" -max_total_time=10 zqt seeds)
    (cd "$work" && "$root/build-clang/fuzz/zoquel_fuzz_map" -max_total_time=10 map "$maps")
    (cd "$work" && "$root/build-clang/fuzz/zoquel_fuzz_parameter_sources" -max_total_time=10 -malloc_limit_mb=256 any seeds)
}

case "${1:-}" in
    run)
        install_missing
        build
        if [ -x build/src/shell/zoquel ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
            exec build/src/shell/zoquel "${@:2}"
        fi
        build/src/zoquel-render -o zoquel.png
        echo "No display to open the explorer on: rendered the default image to zoquel.png instead."
        ;;
    test)
        install_missing
        build
        clang_and_fuzz
        QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
        ;;
    *)
        echo "usage: scripts/dev.sh run|test" >&2
        exit 2
        ;;
esac
