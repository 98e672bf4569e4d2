#include "gfx/resourceimages.h"

#include <QBitmap>

#include "gfx/pictures.h"
#include "platform/resources.h"

namespace velmora {

namespace {
QImage Decode(const ResourceEntry* e) {
    if (!e || !e->data) {
        return QImage();
    }
    return QImage::fromData(e->data, static_cast<int>(e->size), "PNG");
}
}  // namespace

QImage BitmapResource(std::string_view name) {
    return Decode(FindResource("BITMAP", BitmapIn(CurrentPictureLanguage(), name)));
}

QImage BitmapResource(int id) {
    return Decode(FindResource("BITMAP", id));
}

QImage ToolbarResource(int id) {
    return Decode(FindResource("TOOLBAR", ToolbarIn(CurrentPictureLanguage(), id)));
}

std::vector<QIcon> ToolbarIcons(int id, int count) {
    std::vector<QIcon> icons;
    const QImage strip = ToolbarResource(id);
    if (strip.isNull() || count <= 0) {
        return std::vector<QIcon>(static_cast<size_t>(std::max(count, 0)));
    }
    const int w = strip.width() / count;
    for (int i = 0; i < count; ++i) {
        icons.emplace_back(QPixmap::fromImage(strip.copy(i * w, 0, w, strip.height())));
    }
    return icons;
}

QPixmap MaskedPixmap(const QImage& image, QRgb key) {
    QPixmap pixmap = QPixmap::fromImage(image);
    if (!pixmap.isNull()) {
        pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(key, Qt::MaskInColor)));
    }
    return pixmap;
}

std::vector<QIcon> DayViewTabIcons() {
    std::vector<QIcon> icons;
    for (int id : {315, 316, 317}) {
        icons.emplace_back(MaskedPixmap(BitmapResource(id), qRgb(255, 255, 255)));
    }
    return icons;
}

}  // namespace velmora
