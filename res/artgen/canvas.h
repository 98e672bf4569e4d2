// Shared pieces of the artwork generator: the catalogue of everything it makes, colours that
// survive the program's 16-bit pixels, a seeded random source, fonts and pixel-art sprites.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace artgen {

// One generated resource. Pictures, bitmaps and strips carry an image; sounds carry bytes.
struct Asset {
    QString type;  // PCT, BITMAP, TOOLBAR or WAVE
    QString name;  // decimal id or upper-case name
    QString file;  // relative to res/
    QImage image;
    QByteArray bytes;
    QString about;  // one line for the manifest comment
};

class Catalogue {
public:
    void addPicture(int id, const QImage& image, const QString& about);
    void addBitmap(const QString& name, const QImage& image, const QString& about);
    void addToolbar(int id, const QImage& image, const QString& about);
    void addSound(int id, const QByteArray& wav, const QString& about);

    const std::vector<Asset>& items() const { return items_; }
    // A picture made earlier (the About pages reuse the icons and cells); null if absent.
    QImage picture(int id) const;
    QImage bitmap(const QString& name) const;

private:
    void add(Asset asset);
    std::vector<Asset> items_;
};

// The program keeps pictures as RGB565; a colour is stored as the 8-bit value that its
// 5- or 6-bit channel expands back to, so the PNG holds exactly what the screen shows.
QRgb snap565(QRgb c);
QColor snap(const QColor& c);
uint16_t to565(QRgb c);
// A copy in plain 8-bit RGB with every pixel snapped.
QImage finish(const QImage& image);

// Small deterministic generator (xorshift); every drawing seeds its own.
class Rng {
public:
    explicit Rng(uint32_t seed) : s_(seed ? seed : 0x9E3779B9u) {}
    uint32_t next();
    double uniform();  // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int pick(int n) { return int(next() % uint32_t(n)); }

private:
    uint32_t s_;
};

QFont sansFont(double pixelSize, bool bold = false, bool italic = false);
QFont condensedFont(double pixelSize, bool bold = false);
QFont serifFont(double pixelSize, bool bold = false, bool italic = false);

QImage blank(int w, int h, const QColor& fill);
void smooth(QPainter& p);

// Mixes a towards b by t (0 keeps a, 1 gives b).
QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(const QColor& c, double alpha);
double luminance(QRgb c);  // 0..255, Rec. 601 weights

// Pixel art: rows of characters, one per pixel, looked up in a palette. A space or a
// character missing from the palette leaves the pixel as it is (for layering sprites).
using Palette = std::map<char, QColor>;
void stamp(QImage& image, int x, int y, const std::vector<std::string>& rows,
           const Palette& palette);
QImage sprite(int w, int h, const QColor& key, const std::vector<std::string>& rows,
              const Palette& palette);

// The colour every small icon uses for its transparent pixels: pure white, so that an
// icon drawn without transparency still sits well on a light screen. No other pixel of an
// icon may reduce to this 16-bit value.
inline const QColor kKey(255, 255, 255);

}  // namespace artgen
