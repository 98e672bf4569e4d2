// Image-button bitmaps and tool-bar strips. All buttons share one face: a softly rounded
// pill with a light top, a plum outline and plum text; the button that confirms (OK,
// Save, Calculate) is filled rose with light text. Glyphs are drawn, not typed, so they
// stay crisp at 16 pixels.
#include <QPainterPath>
#include <cmath>

#include "art.h"
#include "canvas.h"

namespace artgen {

namespace {

enum class Face { Plain, Primary, Square };

enum class Glyph {
    None,
    Left,
    Right,
    Up,
    Down,
    Help,
    Check,
    Cross,
    Eraser,
    Eye,
    Chart,
    Bin,
    Bins,
    Plus,
    FirstHalf,
    SecondHalf,
};

// The surround: what shows in the rounded-off corners. A light neutral that sits well on
// the command bar and on the light skin panels.
const QColor kSurround(0xEE, 0xEA, 0xEE);
const QColor kPlum(0x4A, 0x2A, 0x48);
const QColor kPlumLine(0x9C, 0x7C, 0x94);
const QColor kRose(0xC0, 0x3C, 0x68);
const QColor kRoseDark(0x8E, 0x24, 0x4C);
const QColor kPaper(0xF0, 0xF0, 0xF0);

QColor inkFor(Face f) {
    return f == Face::Primary ? kPaper : kPlum;
}

void drawFace(QPainter& p, const QRectF& r, Face f) {
    p.save();
    smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kSurround);
    p.drawRect(r);
    const QRectF body = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = f == Face::Square ? 1.5 : std::min(4.0, r.height() / 3.0);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    if (f == Face::Primary) {
        g.setColorAt(0, QColor(0xDC, 0x5C, 0x86));
        g.setColorAt(1, kRose);
        p.setPen(QPen(kRoseDark, 1));
    } else {
        g.setColorAt(0, QColor(0xFE, 0xFA, 0xFC));
        g.setColorAt(1, QColor(0xEC, 0xDE, 0xE8));
        p.setPen(QPen(kPlumLine, 1));
    }
    p.setBrush(g);
    p.drawRoundedRect(body, radius, radius);
    p.restore();
}

// Draws a glyph centred in a square box of side s.
void drawGlyph(QPainter& p, Glyph g, const QPointF& c, double s, const QColor& ink) {
    p.save();
    smooth(p);
    const double h = s / 2;
    QPen pen(ink, std::max(1.4, s / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    auto tri = [&](QPointF a, QPointF b, QPointF d) {
        p.setPen(QPen(ink, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(ink);
        p.drawPolygon(QPolygonF({a, b, d}));
    };
    switch (g) {
        case Glyph::None:
            break;
        case Glyph::Left:
            tri(c + QPointF(-h * 0.7, 0), c + QPointF(h * 0.55, -h * 0.85),
                c + QPointF(h * 0.55, h * 0.85));
            break;
        case Glyph::Right:
            tri(c + QPointF(h * 0.7, 0), c + QPointF(-h * 0.55, -h * 0.85),
                c + QPointF(-h * 0.55, h * 0.85));
            break;
        case Glyph::Up:
            tri(c + QPointF(0, -h * 0.7), c + QPointF(-h * 0.85, h * 0.55),
                c + QPointF(h * 0.85, h * 0.55));
            break;
        case Glyph::Down:
            tri(c + QPointF(0, h * 0.7), c + QPointF(-h * 0.85, -h * 0.55),
                c + QPointF(h * 0.85, -h * 0.55));
            break;
        case Glyph::Help: {
            p.setFont(sansFont(s * 1.05, true));
            p.setPen(ink);
            p.drawText(QRectF(c.x() - h, c.y() - h - 0.5, s, s + 1), Qt::AlignCenter, "?");
            break;
        }
        case Glyph::Check:
            p.setPen(pen);
            p.drawPolyline(QPolygonF({c + QPointF(-h * 0.75, 0), c + QPointF(-h * 0.2, h * 0.6),
                                      c + QPointF(h * 0.8, -h * 0.6)}));
            break;
        case Glyph::Cross:
            p.setPen(pen);
            p.drawLine(c + QPointF(-h * 0.6, -h * 0.6), c + QPointF(h * 0.6, h * 0.6));
            p.drawLine(c + QPointF(h * 0.6, -h * 0.6), c + QPointF(-h * 0.6, h * 0.6));
            break;
        case Glyph::Plus:
            p.setPen(pen);
            p.drawLine(c + QPointF(0, -h * 0.7), c + QPointF(0, h * 0.7));
            p.drawLine(c + QPointF(-h * 0.7, 0), c + QPointF(h * 0.7, 0));
            break;
        case Glyph::Eraser: {
            // A tilted eraser block with its rubber end.
            p.translate(c);
            p.rotate(-35);
            p.setPen(QPen(ink, 1.0));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(-h * 0.9, -h * 0.42, h * 1.8, h * 0.84), 1, 1);
            p.setBrush(ink);
            p.drawRoundedRect(QRectF(-h * 0.9, -h * 0.42, h * 0.8, h * 0.84), 1, 1);
            break;
        }
        case Glyph::Eye: {
            QPainterPath eye;
            eye.moveTo(c + QPointF(-h * 0.95, 0));
            eye.quadTo(c + QPointF(0, -h * 1.05), c + QPointF(h * 0.95, 0));
            eye.quadTo(c + QPointF(0, h * 1.05), c + QPointF(-h * 0.95, 0));
            p.setPen(QPen(ink, 1.1));
            p.setBrush(Qt::NoBrush);
            p.drawPath(eye);
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawEllipse(c, h * 0.36, h * 0.36);
            break;
        }
        case Glyph::Chart: {
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            const double w = s / 5;
            const double heights[3] = {0.55, 1.0, 0.75};
            for (int i = 0; i < 3; ++i) {
                const double x = c.x() - h * 0.85 + i * (w + s * 0.12);
                const double top = c.y() + h * 0.8 - heights[i] * s * 0.8;
                p.drawRect(QRectF(x, top, w, c.y() + h * 0.8 - top));
            }
            p.setPen(QPen(ink, 1));
            p.drawLine(c + QPointF(-h, h * 0.8 + 0.5), c + QPointF(h, h * 0.8 + 0.5));
            break;
        }
        case Glyph::Bin:
        case Glyph::Bins: {
            auto bin = [&](QPointF o, double sc) {
                p.setPen(QPen(ink, 1.0));
                p.setBrush(Qt::NoBrush);
                QPolygonF body({o + QPointF(-h * 0.55 * sc, -h * 0.35 * sc),
                                o + QPointF(h * 0.55 * sc, -h * 0.35 * sc),
                                o + QPointF(h * 0.42 * sc, h * 0.85 * sc),
                                o + QPointF(-h * 0.42 * sc, h * 0.85 * sc)});
                p.drawPolygon(body);
                p.drawLine(o + QPointF(-h * 0.75 * sc, -h * 0.58 * sc),
                           o + QPointF(h * 0.75 * sc, -h * 0.58 * sc));
                p.drawLine(o + QPointF(-h * 0.2 * sc, -h * 0.8 * sc),
                           o + QPointF(h * 0.2 * sc, -h * 0.8 * sc));
                p.drawLine(o + QPointF(0, -h * 0.1 * sc), o + QPointF(0, h * 0.6 * sc));
            };
            if (g == Glyph::Bin) {
                bin(c, 1.0);
            } else {
                bin(c + QPointF(-h * 0.45, 0), 0.85);
                bin(c + QPointF(h * 0.55, 0), 0.85);
            }
            break;
        }
        case Glyph::FirstHalf:
        case Glyph::SecondHalf: {
            // A little calendar page with one half filled.
            const QRectF page(c.x() - h * 0.85, c.y() - h * 0.8, h * 1.7, h * 1.6);
            p.setPen(QPen(ink, 1.0));
            p.setBrush(Qt::NoBrush);
            p.drawRect(page);
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            const QRectF half =
                g == Glyph::FirstHalf
                    ? QRectF(page.left(), page.top(), page.width() / 2, page.height())
                    : QRectF(page.center().x(), page.top(), page.width() / 2, page.height());
            p.drawRect(half);
            break;
        }
    }
    p.restore();
}

// Largest font up to `start` pixels whose text fits `width`.
QFont fitted(const QString& text, double width, double start, bool bold) {
    for (double px = start; px >= 7; px -= 0.5) {
        QFont f = sansFont(px, bold);
        if (QFontMetricsF(f).horizontalAdvance(text) <= width)
            return f;
        QFont c = condensedFont(px, bold);
        if (QFontMetricsF(c).horizontalAdvance(text) <= width)
            return c;
    }
    return condensedFont(7, bold);
}

// One button: face, optional glyph at the left (or alone in the middle), label.
void drawButton(QPainter& p, const QRectF& r, Face face, Glyph glyph, const QString& label,
                bool glyphAfter = false) {
    drawFace(p, r, face);
    const QColor ink = inkFor(face);
    const double gs = std::min(r.height() - 6, 9.0);
    if (label.isEmpty()) {
        // A glyph alone fills most of the button; the narrowest buttons are only 10 wide.
        const double side = std::min(r.height(), r.width());
        drawGlyph(p, glyph, r.center(), side <= 12 ? side - 1 : side - 5, ink);
        return;
    }
    const double pad = 3;
    const double glyphW = glyph == Glyph::None ? 0 : gs + 3;
    const QFont f = fitted(label, r.width() - 2 * pad - glyphW, r.height() >= 17 ? 11 : 10, true);
    const double textW = QFontMetricsF(f).horizontalAdvance(label);
    const double total = textW + glyphW;
    double x = r.left() + (r.width() - total) / 2;
    p.save();
    smooth(p);
    if (glyph != Glyph::None && !glyphAfter) {
        drawGlyph(p, glyph, QPointF(x + gs / 2, r.center().y()), gs, ink);
        x += glyphW;
    }
    p.setFont(f);
    p.setPen(ink);
    p.drawText(QRectF(x, r.top(), textW + 1, r.height()), Qt::AlignLeft | Qt::AlignVCenter, label);
    if (glyph != Glyph::None && glyphAfter)
        drawGlyph(p, glyph, QPointF(x + textW + 3 + gs / 2, r.center().y()), gs, ink);
    p.restore();
}

QImage button(int w, int h, Face face, Glyph glyph, const QString& label, bool after = false) {
    QImage img = blank(w, h, kSurround);
    QPainter p(&img);
    drawButton(p, QRectF(0, 0, w, h), face, glyph, label, after);
    return img;
}

struct Tool {
    Glyph glyph;
    QString label;
    Face face = Face::Plain;
    bool after = false;
};

QImage strip(int w, int h, const std::vector<Tool>& tools) {
    QImage img = blank(w * int(tools.size()), h, kSurround);
    QPainter p(&img);
    for (int i = 0; i < int(tools.size()); ++i)
        drawButton(p, QRectF(i * w, 0, w, h), tools[i].face, tools[i].glyph, tools[i].label,
                   tools[i].after);
    return img;
}

// The scale's mode switch: two segments, the current mode lit, each with its label in `font`.
QImage modeSwitch(bool weightLit, const QString& weightLabel, const QString& heightLabel,
                  const QFont& font) {
    QImage img = blank(170, 16, kSurround);
    QPainter p(&img);
    smooth(p);
    const QRectF body(0.5, 0.5, 169, 15);
    p.setPen(QPen(kPlumLine, 1));
    p.setBrush(QColor(0xF6, 0xEE, 0xF2));
    p.drawRoundedRect(body, 7.5, 7.5);
    const QRectF left(1.5, 1.5, 83, 13), right(85.5, 1.5, 83, 13);
    const QRectF lit = weightLit ? left : right;
    p.setPen(QPen(kRoseDark, 1));
    p.setBrush(kRose);
    p.drawRoundedRect(lit, 6.5, 6.5);
    p.setFont(font);
    p.setPen(weightLit ? kPaper : kPlum);
    p.drawText(left, Qt::AlignCenter, weightLabel);
    p.setPen(weightLit ? kPlum : kPaper);
    p.drawText(right, Qt::AlignCenter, heightLabel);
    return img;
}

// The buttons and strips with words, in Russian: the same faces and sizes. A bitmap's name
// gains "_RU" and a strip's id 1000. OK stays as it is: Russian reads it the same. Russian
// words run longer, so most buttons give up their glyph for the word's room, a few words
// are the usual short forms, and the narrow Help of the View, Help strip is its "?" alone,
// like the program's other help buttons.
void makeRussianButtons(Catalogue& cat) {
    cat.addBitmap("ADDU_RU", button(31, 16, Face::Plain, Glyph::None, "Доб."),
                  "button: Add, in Russian");
    cat.addBitmap("CALCULATEU_RU", button(72, 16, Face::Primary, Glyph::None, "Рассчитать"),
                  "button: Calculate, in Russian");
    cat.addBitmap("CANCEL1U_RU", button(72, 18, Face::Plain, Glyph::Cross, "Отмена"),
                  "button: Cancel (scale), in Russian");
    cat.addBitmap("CANCELU_RU", button(72, 17, Face::Plain, Glyph::Cross, "Отмена"),
                  "button: Cancel, in Russian");
    cat.addBitmap("DELETEALLU_RU", button(72, 16, Face::Plain, Glyph::None, "Удалить всё"),
                  "button: Delete All, in Russian");
    cat.addBitmap("DELETEU_RU", button(54, 16, Face::Plain, Glyph::None, "Удалить"),
                  "button: Delete, in Russian");
    const QString weight = "Идеальный вес", height = "Идеальный рост";
    const QFont modeFont = fitted(height, 79, 10, true);
    cat.addBitmap("HEIGHTU_RU", modeSwitch(false, weight, height, modeFont),
                  "switch: ideal height shown (tap for weight), in Russian");
    cat.addBitmap("WEIGHTU_RU", modeSwitch(true, weight, height, modeFont),
                  "switch: ideal weight shown (tap for height), in Russian");
    cat.addBitmap("VIEWU_RU", button(39, 16, Face::Plain, Glyph::None, "Откр."),
                  "button: View, in Russian");

    cat.addToolbar(1324,
                   strip(60, 18,
                         {{Glyph::None, "Сохранить", Face::Primary},
                          {Glyph::None, "Очистить"},
                          {Glyph::None, "Закрыть"}}),
                   "tool bar: save, clear, close, in Russian");
    cat.addToolbar(1193, strip(40, 16, {{Glyph::None, "Откр."}, {Glyph::Help, ""}}),
                   "tool bar: View, Help, in Russian");
    cat.addToolbar(1189,
                   strip(50, 16,
                         {{Glyph::None, "График"},
                          {Glyph::None, "Открыть"},
                          {Glyph::None, "Удалить"},
                          {Glyph::None, "Очистить"}}),
                   "tool bar: Chart, View, Delete, Delete All, in Russian");
    cat.addToolbar(1210,
                   strip(50, 16,
                         {{Glyph::None, "Открыть"},
                          {Glyph::None, "Удалить"},
                          {Glyph::None, "Очистить"},
                          {Glyph::None, "Справка"}}),
                   "tool bar: View, Delete, Delete All, Help, in Russian");
    cat.addToolbar(1155,
                   strip(43, 18,
                         {{Glyph::Left, "Год"},
                          {Glyph::None, "Янв-Июн"},
                          {Glyph::None, "Июл-Дек"},
                          {Glyph::Right, "Год", Face::Plain, true}}),
                   "tool bar: previous year, first half, second half, next year, in Russian");
}

}  // namespace

void makeButtons(Catalogue& cat) {
    cat.addBitmap("ADDU", button(31, 16, Face::Plain, Glyph::Plus, "Add"), "button: Add");
    cat.addBitmap("CALCULATEU", button(72, 16, Face::Primary, Glyph::None, "Calculate"),
                  "button: Calculate");
    cat.addBitmap("CANCEL1U", button(72, 18, Face::Plain, Glyph::Cross, "Cancel"),
                  "button: Cancel (scale)");
    cat.addBitmap("CANCELU", button(72, 17, Face::Plain, Glyph::Cross, "Cancel"), "button: Cancel");
    cat.addBitmap("DELETEALLU", button(72, 16, Face::Plain, Glyph::Bins, "Delete All"),
                  "button: Delete All");
    cat.addBitmap("DELETEU", button(54, 16, Face::Plain, Glyph::Bin, "Delete"), "button: Delete");
    cat.addBitmap("HEIGHTU", modeSwitch(false, "Ideal weight", "Ideal height", sansFont(10, true)),
                  "switch: ideal height shown (tap for weight)");
    cat.addBitmap("WEIGHTU", modeSwitch(true, "Ideal weight", "Ideal height", sansFont(10, true)),
                  "switch: ideal weight shown (tap for height)");
    cat.addBitmap("HELPU", button(16, 16, Face::Plain, Glyph::Help, ""), "button: help");
    cat.addBitmap("LEFTSQU", button(24, 18, Face::Square, Glyph::Left, ""),
                  "button: previous help screen");
    cat.addBitmap("RIGHTSQU", button(24, 18, Face::Square, Glyph::Right, ""),
                  "button: next help screen");
    cat.addBitmap("LEFTU", button(24, 18, Face::Plain, Glyph::Left, ""), "button: previous day");
    cat.addBitmap("RIGHTU", button(24, 18, Face::Plain, Glyph::Right, ""), "button: next day");
    cat.addBitmap("OKU", button(46, 18, Face::Primary, Glyph::Check, "OK"), "button: OK");
    cat.addBitmap("VIEWU", button(39, 16, Face::Plain, Glyph::None, "View"), "button: View");
    cat.addBitmap("UPU", button(14, 18, Face::Plain, Glyph::Up, ""), "spare button: up");
    cat.addBitmap("DOWNU", button(14, 18, Face::Plain, Glyph::Down, ""), "spare button: down");

    cat.addToolbar(133, strip(10, 16, {{Glyph::Left, ""}, {Glyph::Right, ""}, {Glyph::Help, ""}}),
                   "tool bar: previous, next, help");
    cat.addToolbar(324,
                   strip(60, 18,
                         {{Glyph::Check, "Save", Face::Primary},
                          {Glyph::Eraser, "Clear"},
                          {Glyph::Cross, "Close"}}),
                   "tool bar: save, clear, close");
    cat.addToolbar(142, strip(16, 16, {{Glyph::Help, ""}}), "tool bar: help (My Diary)");
    cat.addToolbar(247, strip(16, 16, {{Glyph::Help, ""}}), "tool bar: help (settings)");
    cat.addToolbar(193, strip(40, 16, {{Glyph::Eye, "View"}, {Glyph::Help, "Help"}}),
                   "tool bar: View, Help");
    cat.addToolbar(189,
                   strip(50, 16,
                         {{Glyph::Chart, "Chart"},
                          {Glyph::Eye, "View"},
                          {Glyph::None, "Delete"},
                          {Glyph::None, "Delete All"}}),
                   "tool bar: Chart, View, Delete, Delete All");
    cat.addToolbar(210,
                   strip(50, 16,
                         {{Glyph::Eye, "View"},
                          {Glyph::None, "Delete"},
                          {Glyph::None, "Delete All"},
                          {Glyph::Help, "Help"}}),
                   "tool bar: View, Delete, Delete All, Help");
    cat.addToolbar(155,
                   strip(43, 18,
                         {{Glyph::Left, "Year"},
                          {Glyph::None, "Jan-Jun"},
                          {Glyph::None, "Jul-Dec"},
                          {Glyph::Right, "Year", Face::Plain, true}}),
                   "tool bar: previous year, first half, second half, next year");

    makeRussianButtons(cat);
}

}  // namespace artgen
