#include "ui/kit/fonts.h"

#include <QFontMetrics>

namespace velmora {

namespace {

QFont Styled(QFont font, FontLook look) {
    font.setBold(look.bold);
    font.setItalic(look.italic);
    if (look.crisp) {
        font.setStyleStrategy(QFont::NoAntialias);
    }
    return font;
}

}  // namespace

QFont ScreenFont(int pixels, FontLook look) {
    QFont font("Liberation Sans");
    font.setPixelSize(pixels);
    return Styled(font, look);
}

QFont SystemFont() {
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    return Styled(font, {.crisp = true});
}

QFont ScreenFontOfHeight(int height, FontLook look) {
    QFont font = Styled(QFont("Liberation Sans"), look);
    for (int size = height; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= height) {
            break;
        }
    }
    return font;
}

}  // namespace velmora
