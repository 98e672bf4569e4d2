#!/usr/bin/env bash
# Starts Velmora. Installs what is missing on a Debian 12 machine and builds first.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
ensure_packages "${velmora_build_packages[@]}"

cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCH=OFF \
    -DVELMORA_TESTS=OFF >/dev/null
cmake --build build-run -j "$(nproc)"

if [ -x build-run/app/velmora ]; then
    exec build-run/app/velmora "$@"
fi
echo "Velmora is built (the diary store, settings and time services)."
echo "Its window, the calendar, is not part of this build yet, so there is nothing to open."
exit 0
