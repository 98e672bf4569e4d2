#!/usr/bin/env bash
# Starts Velmora. Installs what is missing on a Debian 12 machine and builds first.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
ensure_packages "${velmora_build_packages[@]}"

cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCH=OFF \
    -DVELMORA_TESTS=OFF >/dev/null
cmake --build build-run -j "$(nproc)" --target velmora

exec build-run/app/velmora "$@"
