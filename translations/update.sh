#!/bin/bash
# Brings translations/*.ts up to date with the texts in the code: new texts are added as
# unfinished, texts no longer in the code are dropped. Then translate the unfinished ones
# (Qt Linguist: linguist6 translations/velmora_ru.ts) and build: the build compiles them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
cd "$root"
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h \
    -I . app ui reports help store platform reminders gfx cycle exchange \
    -ts translations/velmora_*.ts
