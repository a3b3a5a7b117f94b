#!/usr/bin/env bash
# Builds Zoquel on Debian 12, installing what is missing.
#   scripts/dev.sh run    build everything and start the explorer
#   scripts/dev.sh test   build everything and run every test
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev libpng-dev)

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

case "${1:-}" in
    run)
        install_missing
        build
        if [ -x build/src/shell/zoquel ]; then
            exec build/src/shell/zoquel "${@:2}"
        fi
        build/src/zoquel-render -o zoquel.png && echo "Rendered the default image to zoquel.png"
        ;;
    test)
        install_missing
        build
        QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
        ;;
    *)
        echo "usage: scripts/dev.sh run|test" >&2
        exit 2
        ;;
esac
