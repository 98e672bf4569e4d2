#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace artgen {

void Catalogue::add(Asset asset) {
    for (const Asset& a : items_) {
        if (a.type == asset.type && a.name == asset.name)
            throw std::runtime_error(
                ("resource made twice: " + asset.type + " " + asset.name).toStdString());
    }
    items_.push_back(std::move(asset));
}

void Catalogue::addPicture(int id, const QImage& image, const QString& about) {
    add({"PCT", QString::number(id), QString("pictures/%1.png").arg(id), finish(image), {}, about});
}

void Catalogue::addBitmap(const QString& name, const QImage& image, const QString& about) {
    add({"BITMAP", name, QString("bitmaps/%1.png").arg(name), finish(image), {}, about});
}

void Catalogue::addToolbar(int id, const QImage& image, const QString& about) {
    add({"TOOLBAR",
         QString::number(id),
         QString("toolbars/%1.png").arg(id),
         finish(image),
         {},
         about});
}

void Catalogue::addSound(int id, const QByteArray& wav, const QString& about) {
    add({"WAVE", QString::number(id), QString("sounds/%1.wav").arg(id), {}, wav, about});
}

QImage Catalogue::picture(int id) const {
    for (const Asset& a : items_)
        if (a.type == "PCT" && a.name == QString::number(id))
            return a.image;
    return {};
}

QImage Catalogue::bitmap(const QString& name) const {
    for (const Asset& a : items_)
        if (a.type == "BITMAP" && a.name == name)
            return a.image;
    return {};
}

QRgb snap565(QRgb c) {
    const int r = qRed(c) >> 3, g = qGreen(c) >> 2, b = qBlue(c) >> 3;
    return qRgb((r << 3) | (r >> 2), (g << 2) | (g >> 4), (b << 3) | (b >> 2));
}

QColor snap(const QColor& c) {
    return QColor::fromRgb(snap565(c.rgb()));
}

uint16_t to565(QRgb c) {
    return uint16_t(((qRed(c) >> 3) << 11) | ((qGreen(c) >> 2) << 5) | (qBlue(c) >> 3));
}

QImage finish(const QImage& image) {
    // Flatten any transparency onto white first: nothing we store has an alpha channel.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, image);
    }
    for (int y = 0; y < flat.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x)
            line[x] = snap565(line[x]);
    }
    return flat.convertToFormat(QImage::Format_RGB888);
}

uint32_t Rng::next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
}

double Rng::uniform() {
    return (next() >> 8) / double(1u << 24);
}

QFont sansFont(double pixelSize, bool bold, bool italic) {
    QFont f("Liberation Sans");
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont condensedFont(double pixelSize, bool bold) {
    QFont f("DejaVu Sans Condensed");
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont serifFont(double pixelSize, bool bold, bool italic) {
    QFont f("DejaVu Serif");
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QImage blank(int w, int h, const QColor& fill) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(const QColor& c, double alpha) {
    QColor o = c;
    o.setAlphaF(float(std::clamp(alpha, 0.0, 1.0)));
    return o;
}

double luminance(QRgb c) {
    return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
}

void stamp(QImage& image, int x, int y, const std::vector<std::string>& rows,
           const Palette& palette) {
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int c = 0; c < int(rows[r].size()); ++c) {
            auto it = palette.find(rows[r][c]);
            if (it == palette.end())
                continue;
            const int px = x + c, py = y + r;
            if (px < 0 || py < 0 || px >= image.width() || py >= image.height())
                continue;
            image.setPixelColor(px, py, it->second);
        }
    }
}

QImage sprite(int w, int h, const QColor& key, const std::vector<std::string>& rows,
              const Palette& palette) {
    if (int(rows.size()) != h)
        throw std::runtime_error("sprite: wrong number of rows");
    for (const std::string& r : rows)
        if (int(r.size()) != w)
            throw std::runtime_error("sprite: row of wrong width: " + r);
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(key);
    stamp(img, 0, 0, rows, palette);
    return img;
}

}  // namespace artgen
