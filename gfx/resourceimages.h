#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <string_view>
#include <vector>

namespace velmora {

// Images of the program's "BITMAP" and "TOOLBAR" resources (PNG bytes), decoded on demand;
// a bitmap named or a strip with words comes in CurrentPictureLanguage (gfx/pictures.h).
// A missing resource gives a null image.
QImage BitmapResource(std::string_view name);
QImage BitmapResource(int id);
QImage ToolbarResource(int id);

// The buttons of tool-bar strip `id`: `count` images of equal width, left to right.
std::vector<QIcon> ToolbarIcons(int id, int count);

// The Day View's tab icons (16 x 15, white transparent), in tab order: fluids, note, diary.
std::vector<QIcon> DayViewTabIcons();

// `image` with every pixel of colour `key` transparent.
QPixmap MaskedPixmap(const QImage& image, QRgb key);

}  // namespace velmora
