// The start picture (204) and the two About pages (249, 250), and the same three in Russian
// (1204, 1249, 1250). They share the program's own look: rose to lavender, a plum wordmark
// and the cycle ring, the ring of days with the period in red and the fertile days in green.
// The wordmark is the program's name and stays as it is in both languages.
//
// The About screen acts on taps in fixed places: on the first page x 1..59, y 240..259
// closes and x 75..153, y 240..259 turns to the second page; on the second page
// x 89..150, y 239..260 closes. The buttons are drawn just inside those places.
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <numbers>

#include "art.h"
#include "canvas.h"
#include "motifs.h"

namespace artgen {

namespace {

constexpr int W = 240;
constexpr int H = 268;

const QColor kPlum(0x5A, 0x2A, 0x58);
const QColor kPlumSoft(0x8A, 0x6A, 0x88);
const QColor kRose(0xC8, 0x3C, 0x66);
const QColor kRoseLight(0xF6, 0xD6, 0xE0);
const QColor kLavender(0xE4, 0xDA, 0xF2);
const QColor kPeriod(0xD0, 0x30, 0x4C);
const QColor kFertile(0x4E, 0xA8, 0x60);
const QColor kCard(0xFC, 0xFA, 0xFC);

void backdrop(QPainter& p, QRectF r, uint32_t seed) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0xFA, 0xDC, 0xE6));
    g.setColorAt(1, kLavender);
    p.fillRect(r, g);
    // Soft light circles.
    Rng rng(seed);
    p.save();
    smooth(p);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const double rad = rng.range(8, 34);
        p.setBrush(QColor(255, 255, 255, int(rng.range(28, 70))));
        p.drawEllipse(QPointF(rng.range(r.left(), r.right()), rng.range(r.top(), r.bottom())), rad,
                      rad);
    }
    p.restore();
}

// The cycle ring: 28 days round a circle, the first five the period, six fertile days.
void cycleRing(QPainter& p, QPointF c, double r, double dot) {
    p.save();
    smooth(p);
    p.setPen(QPen(QColor(0xD8, 0xC4, 0xDC), dot * 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    for (int i = 0; i < 28; ++i) {
        const double a = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 28;
        const QPointF q = c + QPointF(r * std::cos(a), r * std::sin(a));
        QColor col = QColor(0xC8, 0xB0, 0xCE);
        double d = dot * 0.8;
        if (i < 5) {
            col = kPeriod;
            d = dot;
        } else if (i >= 11 && i <= 16) {
            col = kFertile;
            d = dot;
        }
        p.setPen(QPen(QColor(0xFC, 0xFC, 0xFC), 1));
        p.setBrush(col);
        p.drawEllipse(q, d, d);
    }
    // A drop in the middle, with a light catch.
    QPainterPath drop;
    const double s = r * 0.62;
    drop.moveTo(c + QPointF(0, -s * 0.95));
    drop.cubicTo(c + QPointF(s * 0.25, -s * 0.5), c + QPointF(s * 0.62, -s * 0.05),
                 c + QPointF(s * 0.62, s * 0.3));
    drop.cubicTo(c + QPointF(s * 0.62, s * 0.72), c + QPointF(s * 0.3, s * 0.95),
                 c + QPointF(0, s * 0.95));
    drop.cubicTo(c + QPointF(-s * 0.3, s * 0.95), c + QPointF(-s * 0.62, s * 0.72),
                 c + QPointF(-s * 0.62, s * 0.3));
    drop.cubicTo(c + QPointF(-s * 0.62, -s * 0.05), c + QPointF(-s * 0.25, -s * 0.5),
                 c + QPointF(0, -s * 0.95));
    QLinearGradient g(c + QPointF(-s, -s), c + QPointF(s, s));
    g.setColorAt(0, QColor(0xE8, 0x5C, 0x84));
    g.setColorAt(1, QColor(0xA8, 0x24, 0x50));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(drop);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(c + QPointF(-s * 0.28, s * 0.22), s * 0.12, s * 0.2);
    p.restore();
}

void wordmark(QPainter& p, QPointF centre, double size) {
    p.save();
    smooth(p);
    const QFont big = serifFont(size, true);
    const QFont plus = sansFont(size * 0.55, true, true);
    const QString a = "Velmora", b = "Plus";
    const double wa = QFontMetricsF(big).horizontalAdvance(a);
    const double wb = QFontMetricsF(plus).horizontalAdvance(b);
    const double gap = size * 0.18;
    const double x = centre.x() - (wa + gap + wb) / 2;
    p.setFont(big);
    p.setPen(kPlum);
    p.drawText(QPointF(x, centre.y()), a);
    p.setFont(plus);
    p.setPen(kRose);
    p.drawText(QPointF(x + wa + gap, centre.y()), b);
    p.restore();
}

void centred(QPainter& p, QRectF r, const QString& text, const QFont& f, const QColor& c,
             int flags = Qt::AlignCenter) {
    p.save();
    smooth(p);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, flags | Qt::TextWordWrap, text);
    p.restore();
}

// `font` at `size` pixels, or smaller, down to 8, until each of `texts` fits `box` (wrapped
// at word boundaries when it has room for more than one line). The English words all fit at
// the size asked; the longer Russian ones come out a pixel or two smaller.
QFont fitting(const std::function<QFont(double)>& font, double size, const QStringList& texts,
              QSizeF box) {
    for (double px = size; px > 8; px -= 1) {
        const QFont f = font(px);
        const QFontMetricsF m(f);
        bool fits = true;
        for (const QString& t : texts) {
            const QRectF r = m.boundingRect(QRectF(QPointF(0, 0), box), Qt::TextWordWrap, t);
            fits = fits && r.width() <= box.width() && r.height() <= box.height();
        }
        if (fits)
            return f;
    }
    return font(8);
}

// The words on the three pictures, in one language.
struct ScreenWords {
    QString tagline;      // under the start picture's wordmark
    QString version;
    QString description;  // About, first page
    QString close;
    QString more;
    QString legendTitle;  // About, second page
    QStringList cellNames;  // period, fertile, spotting, other
    QStringList items;      // the fifteen calendar icons, in legend order
    QString today;
};

const ScreenWords kEnglish = {
    "your private cycle diary",
    "version 0.1",
    "A private diary for your cycle. Note your period, how you feel and what the day "
    "brought; Velmora learns your rhythm, predicts your next periods and shows your "
    "fertile days. Everything stays with you, on this device.",
    "Close",
    QString("More  \u203A"),
    "Reading the calendar",
    {"Period", "Fertile", "Spotting", "Other"},
    {"light flow", "normal flow", "heavy flow", "expected", "alarm", "sport", "sex", "bloating",
     "doctor", "ache", "protection", "PMS", "cramps", "note", "diary"},
    "Today's date is boxed in white.",
};

const ScreenWords kRussian = {
    "ваш личный дневник цикла",
    "версия 0.1",
    "Личный дневник вашего цикла. Отмечайте месячные, самочувствие и события дня; "
    "Velmora узнаёт ваш ритм, предсказывает следующие месячные и показывает "
    "фертильные дни. Всё остаётся у вас, на этом устройстве.",
    "Закрыть",
    QString("Далее  \u203A"),
    "Как читать календарь",
    {"Месячные", "Фертильные", "Мажущие", "Обычные"},
    {"скудные", "умеренные", "обильные", "ожидаемые", "напоминание", "спорт", "секс", "вздутие",
     "врач", "боль", "защита", "ПМС", "спазмы", "заметка", "дневник"},
    "Сегодняшний день обведён белым.",
};

// A button drawn inside the rectangle where the About screen reacts to a tap.
void aboutButton(QPainter& p, QRectF r, const QString& label, bool primary) {
    const QFont font = fitting([](double px) { return sansFont(px, true); }, 11, {label},
                               QSizeF(r.width() - 8, r.height()));
    p.save();
    smooth(p);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (primary) {
        g.setColorAt(0, QColor(0xDC, 0x5C, 0x86));
        g.setColorAt(1, kRose);
        p.setPen(QPen(QColor(0x8E, 0x24, 0x4C), 1));
    } else {
        g.setColorAt(0, QColor(0xFE, 0xFA, 0xFC));
        g.setColorAt(1, QColor(0xEC, 0xDE, 0xE8));
        p.setPen(QPen(QColor(0x9C, 0x7C, 0x94), 1));
    }
    p.setBrush(g);
    p.drawRoundedRect(r, 6, 6);
    p.setFont(font);
    p.setPen(primary ? QColor(0xF4, 0xF0, 0xF4) : kPlum);
    p.drawText(r.adjusted(0, 0, 0, -0.5), Qt::AlignCenter, label);
    p.restore();
}

QImage transparentKey(const QImage& icon) {
    QImage a = icon.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = a.pixel(0, 0);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) == key)
                a.setPixel(x, y, qRgba(0, 0, 0, 0));
    return a;
}

QImage splash(const ScreenWords& w) {
    QImage img = blank(W, H, kLavender);
    QPainter p(&img);
    backdrop(p, QRectF(0, 0, W, H), 204);
    cycleRing(p, QPointF(120, 96), 50, 4.2);
    wordmark(p, QPointF(120, 190), 34);
    centred(p, QRectF(0, 200, W, 20), w.tagline, sansFont(13, false, true), kPlumSoft);
    centred(p, QRectF(0, 244, W, 16), w.version, sansFont(10), kPlumSoft);
    return img;
}

QImage aboutFirst(const ScreenWords& w) {
    QImage img = blank(W, H, kLavender);
    QPainter p(&img);
    backdrop(p, QRectF(0, 0, W, H), 249);
    cycleRing(p, QPointF(120, 44), 28, 2.8);
    wordmark(p, QPointF(120, 102), 26);
    centred(p, QRectF(0, 106, W, 16), w.version, sansFont(10), kPlumSoft);
    p.save();
    smooth(p);
    p.setPen(QPen(QColor(0xD8, 0xBC, 0xD0), 1));
    p.setBrush(withAlpha(kCard, 0.92));
    p.drawRoundedRect(QRectF(10.5, 126.5, 219, 104), 9, 9);
    p.restore();
    const QRectF text(20, 132, 200, 94);
    centred(p, text, w.description,
            fitting([](double px) { return sansFont(px); }, 11, {w.description}, text.size()),
            kPlum, Qt::AlignHCenter | Qt::AlignVCenter);
    aboutButton(p, QRectF(3.5, 241.5, 54, 17), w.close, false);
    aboutButton(p, QRectF(77.5, 241.5, 74, 17), w.more, true);
    return img;
}

QImage aboutSecond(const Catalogue& cat, const ScreenWords& w) {
    QImage img = blank(W, H, kLavender);
    QPainter p(&img);
    backdrop(p, QRectF(0, 0, W, H), 250);
    p.save();
    smooth(p);
    p.setPen(QPen(QColor(0xD8, 0xBC, 0xD0), 1));
    p.setBrush(withAlpha(kCard, 0.94));
    p.drawRoundedRect(QRectF(5.5, 5.5, 229, 228), 9, 9);
    p.restore();
    centred(p, QRectF(0, 9, W, 18), w.legendTitle, sansFont(14, true), kPlum);

    // The four kinds of day, as the calendar shows them (their lower part, where the
    // pattern and the band are).
    const int cells[4] = {184, 207, 313, 166};
    const QFont cellFont =
        fitting([](double px) { return sansFont(px); }, 10, w.cellNames, QSizeF(52, 13));
    for (int i = 0; i < 4; ++i) {
        const QImage c = cat.picture(cells[i]);
        const int x = 16 + i * 56;
        p.drawImage(QPoint(x, 32), c, QRect(0, 22, 32, 26));
        centred(p, QRectF(x - 12, 59, 56, 13), w.cellNames[i], cellFont, kPlum);
    }

    // The icons in legend order; their words are w.items.
    const int items[15] = {225, 226, 230, 251, 240, 229, 242, 244,
                           233, 227, 232, 241, 231, 255, 254};
    p.save();
    smooth(p);
    p.setFont(fitting([](double px) { return sansFont(px); }, 11, w.items, QSizeF(90, 14)));
    p.setPen(kPlum);
    for (int i = 0; i < 15; ++i) {
        const int col = i < 8 ? 0 : 1, row = i < 8 ? i : i - 8;
        const int x = 18 + col * 112, y = 80 + row * 15;
        p.drawImage(QPoint(x, y + 2), transparentKey(cat.picture(items[i])));
        p.drawText(QRectF(x + 16, y, 90, 14), Qt::AlignLeft | Qt::AlignVCenter, w.items[i]);
    }
    p.restore();
    const QRectF today(124, 200, 104, 28);
    centred(p, today, w.today,
            fitting([](double px) { return sansFont(px, false, true); }, 10, {w.today},
                    today.size()),
            kPlumSoft, Qt::AlignLeft | Qt::AlignVCenter);
    aboutButton(p, QRectF(90.5, 240.5, 59, 18), w.close, true);
    return img;
}

}  // namespace

QImage appIcon(int size) {
    // The start picture's cycle ring on a rounded lavender tile: the program's face in a
    // launcher or a task bar.
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    smooth(p);
    const double s = size;
    QLinearGradient g(0, 0, s, s);
    g.setColorAt(0, QColor(0xFB, 0xF2, 0xF8));
    g.setColorAt(1, kLavender);
    p.setPen(QPen(QColor(0xD8, 0xC4, 0xDC), std::max(1.0, s / 64)));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.2, s * 0.2);
    p.end();
    QPainter ring(&img);
    cycleRing(ring, QPointF(s / 2, s / 2), s * 0.34, std::max(1.2, s * 0.03));
    return img;
}

void makeScreens(Catalogue& cat) {
    cat.addPicture(204, splash(kEnglish), "start picture: Velmora Plus");
    cat.addPicture(249, aboutFirst(kEnglish), "About, first page (Close, More)");
    cat.addPicture(250, aboutSecond(cat, kEnglish), "About, second page: calendar legend (Close)");
    cat.addPicture(1204, splash(kRussian), "start picture: Velmora Plus, in Russian");
    cat.addPicture(1249, aboutFirst(kRussian), "About, first page (Close, More), in Russian");
    cat.addPicture(1250, aboutSecond(cat, kRussian),
                   "About, second page: calendar legend (Close), in Russian");
}

}  // namespace artgen
