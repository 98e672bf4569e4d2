#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program from another
# folder, in private XDG folders, until its first calendar frame.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null
for f in bin/velmora share/applications/velmora.desktop \
         share/icons/hicolor/48x48/apps/velmora.png share/icons/hicolor/256x256/apps/velmora.png; do
    [ -e "$root/usr/$f" ] || { echo "not installed: $f" >&2; exit 1; }
done
grep -q '^Exec=velmora$' "$root/usr/share/applications/velmora.desktop"
mkdir -p "$root/elsewhere"
cd "$root/elsewhere"
XDG_DATA_HOME="$root/data" XDG_CONFIG_HOME="$root/config" QT_QPA_PLATFORM=offscreen \
    SDL_AUDIODRIVER=dummy VELMORA_TEST_SPLASH_MS=0 VELMORA_TEST_EXIT_AFTER_FIRST_FRAME=1 \
    timeout 60 "$root/usr/bin/velmora"
# The exit routine ran: the settings were written where the user's settings live.
grep -q '^CycleLength=28' "$root/config/Tessaryn/VelmoraMFC.conf"
echo "installed and ran from $root/elsewhere"
