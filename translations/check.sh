#!/bin/bash
# The translations are complete: lupdate finds no text in the code that the .ts files lack
# (nor one they keep that the code dropped), and no text in them is left unfinished.
# check.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/velmora_*.ts "$work"/
cd "$root"
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h \
    -I "$root" app ui reports help store platform reminders gfx cycle exchange \
    -ts "$work"/velmora_*.ts
status=0
for ts in "$root"/translations/velmora_*.ts; do
    name=$(basename "$ts")
    if ! diff -u "$ts" "$work/$name" >"$work/$name.diff"; then
        echo "$name does not match the texts in the code (run translations/update.sh):"
        grep '^[-+] *<source>' "$work/$name.diff" | head -40
        status=1
    fi
    unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
    if [ "$unfinished" -ne 0 ]; then
        echo "$name has $unfinished unfinished translations:"
        grep -B3 'type="unfinished"' "$ts" | grep '<source>' | head -40
        status=1
    fi
done
exit $status
