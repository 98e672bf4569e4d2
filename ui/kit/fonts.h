#pragma once

#include <QFont>

namespace velmora {

// The fonts of the screens, in one place. "Arial" of the handheld is Liberation Sans here,
// metric-compatible; sizes are pixel sizes, as the screens are laid out in pixels.
struct FontLook {
    bool bold = false;
    bool italic = false;
    bool crisp = false;  // no antialiasing: one-bit glyphs, as the handheld drew them
};
QFont ScreenFont(int pixels, FontLook look = {});

// The font of dialogs, lists and labels: 11 pixels.
inline QFont DialogFont() {
    return ScreenFont(11);
}

// The handheld's system font, for help text: a help line of about 38 characters fits 210
// pixels.
QFont SystemFont();

// The largest screen font whose line height is at most `height` pixels.
QFont ScreenFontOfHeight(int height, FontLook look);

}  // namespace velmora
