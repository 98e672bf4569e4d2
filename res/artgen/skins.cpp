// The seven skins. Every background is built the same way: the skin's full-bleed pattern,
// its decorations along the edges and in the corners where the screen draws nothing, then
// a frosted panel in the skin's paper colour over every place where the screen writes
// text or draws a chart, so black text and thin lines stay easy to read. Charts get a
// tinted plot area (their grid lines are white) with the skin's emblem faintly behind it.
#include "skins.h"

#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>

#include "art.h"
#include "canvas.h"
#include "motifs.h"

namespace artgen {

namespace {

using namespace motif;

constexpr int W = 240;
constexpr int H = 268;

class Skin {
public:
    virtual ~Skin() = default;
    QColor paper;  // the frosted panels
    QColor plot;   // chart plot areas; white grid lines must show on it
    QColor line;   // panel outlines and the ruler
    QColor ink;    // strong decoration colour

    virtual void base(QPainter& p, Rng& rng) const = 0;
    virtual void band(QPainter& p, QRectF r, Rng& rng) const = 0;
    virtual void side(QPainter& p, QRectF r, Rng& rng) const = 0;
    virtual void corner(QPainter& p, QRectF box, Rng& rng) const = 0;
    virtual void ground(QPainter& p, QRectF box, Rng& rng) const = 0;
    virtual void emblem(QPainter& p, QPointF c, double size, Rng& rng) const = 0;
    // The quiet pattern of the panels where text is written: colours within a few steps
    // of the paper, so it reads as texture, never as a picture.
    virtual void texture(QPainter& p, QRectF r, Rng& rng) const = 0;
    // The picture drawn faintly behind a chart's plot area, at full strength; the caller
    // fades it as a whole.
    virtual void watermark(QPainter& p, QRectF plotArea, Rng& rng) const {
        emblem(p, plotArea.center(), std::min(plotArea.width(), plotArea.height()) * 0.62, rng);
    }
};

void fillGradient(QPainter& p, QRectF r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// --- Animals: warm honey and cream, a sleeping cat, paw-print trails ---------------------

class Animals : public Skin {
public:
    Animals() {
        paper = QColor(0xFF, 0xF9, 0xEE);
        plot = QColor(0xF3, 0xE2, 0xC4);
        line = QColor(0xC8, 0x9C, 0x68);
        ink = QColor(0x8A, 0x5A, 0x3C);
    }
    const QColor honey{0xE8, 0xB8, 0x72}, tan{0xE4, 0xC4, 0x90}, cream{0xFF, 0xF1, 0xDA},
        rose{0xE6, 0x86, 0x8A}, sky{0x9C, 0xC8, 0xE0};

    void base(QPainter& p, Rng& rng) const override {
        fillGradient(p, QRectF(0, 0, W, H), QColor(0xFB, 0xEC, 0xD2), QColor(0xF4, 0xDA, 0xB2));
        // A trail of paw prints wandering up the page.
        for (int i = 0; i < 14; ++i) {
            const double t = i / 13.0;
            const double x = 30 + t * 190 + std::sin(t * 7) * 18 + ((i % 2) ? 7 : -7);
            const double y = 250 - t * 235;
            pawPrint(p, QPointF(x, y), 11, 35 + std::sin(t * 7) * 20, QColor(0xE6, 0xC4, 0x90));
        }
        (void)rng;
    }
    void band(QPainter& p, QRectF r, Rng&) const override {
        fillGradient(p, r, QColor(0xF0, 0xC4, 0x80), honey);
        p.fillRect(QRectF(r.left(), r.bottom() - 2, r.width(), 2), ink);
        const double s = r.height() * 0.78;
        int k = 0;
        for (double x = r.left() + s * 0.8; x < r.right() - s * 0.4; x += s * 1.35, ++k) {
            const QPointF c(x, r.center().y() + 0.5);
            switch (k % 4) {
                case 0:
                    catHead(p, c + QPointF(0, s * 0.05), s * 0.85, ink);
                    break;
                case 1:
                    pawPrint(p, c, s * 0.6, 20, cream);
                    break;
                case 2:
                    bird(p, c, s * 0.95, ink, QColor(0xB0, 0x7C, 0x54), k % 8 == 2);
                    break;
                default:
                    bunnyHead(p, c + QPointF(0, s * 0.08), s * 0.9, ink);
                    break;
            }
        }
    }
    void side(QPainter& p, QRectF r, Rng&) const override {
        fillGradient(p, r, honey, QColor(0xE0, 0xA8, 0x5E));
        int k = 0;
        for (double y = r.bottom() - 12; y > r.top(); y -= 22, ++k)
            pawPrint(p, QPointF(r.center().x() + ((k % 2) ? 1.5 : -1.5), y),
                     std::min(9.0, r.width() * 0.75), (k % 2) ? 8 : -8, cream);
    }
    void corner(QPainter& p, QRectF b, Rng&) const override {
        yarnBall(p, QPointF(b.left() + b.width() * 0.22, b.bottom() - 12), 10, rose,
                 QColor(0xB8, 0x56, 0x5E));
        catSitting(p,
                   QRectF(b.left() + b.width() * 0.3, b.bottom() - b.height() * 0.82,
                          b.width() * 0.68, b.height() * 0.82),
                   ink, cream);
        butterfly(p, QPointF(b.left() + b.width() * 0.25, b.top() + 14), 16, -15, sky, ink);
    }
    void ground(QPainter& p, QRectF b, Rng&) const override {
        hill(p, QRectF(b.left(), b.top() + 34, b.width(), b.height() - 34), 0.1, 10, tan);
        hill(p, QRectF(b.left(), b.top() + 46, b.width(), b.height() - 46), 0.6, 8, honey);
        catSitting(p, QRectF(b.left() + 14, b.top() + 4, 44, 54), ink, cream);
        yarnBall(p, QPointF(b.left() + 72, b.bottom() - 13), 8, rose, QColor(0xB8, 0x56, 0x5E));
        bunnyHead(p, QPointF(b.right() - 40, b.bottom() - 26), 26, QColor(0xA8, 0x78, 0x58));
        bird(p, QPointF(b.right() - 78, b.top() + 22), 18, ink, QColor(0xB0, 0x7C, 0x54), true);
        butterfly(p, QPointF(b.left() + 110, b.top() + 14), 14, 10, sky, ink);
        pawPrint(p, QPointF(b.left() + 130, b.bottom() - 10), 9, 80, cream);
        pawPrint(p, QPointF(b.left() + 150, b.bottom() - 16), 9, 80, cream);
    }
    void texture(QPainter& p, QRectF r, Rng& rng) const override {
        const QColor c = mix(paper, honey, 0.2);
        for (double y = r.top() + 14; y < r.bottom(); y += 38)
            for (double x = r.left() + 16 + std::fmod(y * 0.7, 30); x < r.right(); x += 52)
                pawPrint(p, QPointF(x + rng.range(-4, 4), y + rng.range(-4, 4)), 11,
                         rng.range(-30, 30), c);
    }
    void emblem(QPainter& p, QPointF c, double s, Rng&) const override {
        pawPrint(p, c, s, 0, ink);
    }
};

// --- Cartoon: sky blue, candy colours, thick outlines, bunting and balloons -------------

class Cartoon : public Skin {
public:
    Cartoon() {
        paper = QColor(0xFF, 0xFD, 0xF2);
        plot = QColor(0xE0, 0xEF, 0xFF);
        line = QColor(0x4A, 0x4A, 0x6A);
        ink = QColor(0x3A, 0x3A, 0x5A);
    }
    const QColor pink{0xFF, 0x8F, 0xB1}, yellow{0xFF, 0xE0, 0x66}, mint{0x7E, 0xD6, 0xA5},
        blue{0x8E, 0xC5, 0xFF}, orange{0xFF, 0xB3, 0x47}, white{0xF8, 0xF8, 0xF8};

    void base(QPainter& p, Rng& rng) const override {
        fillGradient(p, QRectF(0, 0, W, H), QColor(0xBC, 0xE4, 0xFF), QColor(0xDC, 0xF2, 0xFF));
        p.save();
        smooth(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 120));
        for (int y = 6, row = 0; y < H; y += 16, ++row)
            for (int x = (row % 2) ? 14 : 6; x < W; x += 16)
                p.drawEllipse(QPointF(x, y), 2.6, 2.6);
        p.restore();
        for (int i = 0; i < 10; ++i)
            star(p, QPointF(rng.range(10, 230), rng.range(10, 258)), 5, 2.2, 5, rng.range(0, 60),
                 QColor(255, 255, 255, 170), ink, 0);
    }
    void band(QPainter& p, QRectF r, Rng& rng) const override {
        fillGradient(p, r, QColor(0x9C, 0xD6, 0xFF), QColor(0xC4, 0xE8, 0xFF));
        cloud(p, QRectF(r.right() - 60, r.top() + 1, 34, r.height() * 0.7), white, ink, 0);
        cloud(p, QRectF(r.left() + 70, r.top() + 2, 28, r.height() * 0.55), white, ink, 0);
        p.save();
        smooth(p);
        // The string sags between two pins; flags hang from it.
        const double y0 = r.top() + 2.5, sag = std::min(5.0, r.height() * 0.2);
        auto yAt = [&](double x) {
            const double t = (x - r.left()) / r.width();
            return y0 + sag * 4 * t * (1 - t);
        };
        QPainterPath s;
        s.moveTo(r.left(), yAt(r.left()));
        for (double x = r.left(); x <= r.right(); x += 4)
            s.lineTo(x, yAt(x));
        p.setPen(QPen(ink, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(s);
        const QColor flags[] = {pink, yellow, mint, blue, orange};
        const double fw = 14, fh = std::min(r.height() - sag - 3.5, 15.0);
        int k = 0;
        for (double x = r.left() + 6; x + fw < r.right(); x += fw + 5, ++k) {
            const double ya = yAt(x), yb = yAt(x + fw);
            p.setPen(QPen(ink, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(flags[k % 5]);
            p.drawPolygon(QPolygonF(
                {QPointF(x, ya), QPointF(x + fw, yb), QPointF(x + fw / 2, (ya + yb) / 2 + fh)}));
        }
        p.restore();
        (void)rng;
    }
    void side(QPainter& p, QRectF r, Rng&) const override {
        p.fillRect(r, yellow);
        p.fillRect(QRectF(r.left(), r.top(), 1, r.height()), ink);
        p.fillRect(QRectF(r.right() - 1, r.top(), 1, r.height()), ink);
        int k = 0;
        for (double y = r.top() + 10; y < r.bottom(); y += 18, ++k) {
            const QPointF c(r.center().x(), y);
            if (k % 2)
                star(p, c, r.width() * 0.38, r.width() * 0.17, 5, 0, pink, ink, 1);
            else {
                p.save();
                smooth(p);
                p.setPen(QPen(ink, 1));
                p.setBrush(k % 4 ? blue : mint);
                p.drawEllipse(c, r.width() * 0.26, r.width() * 0.26);
                p.restore();
            }
        }
    }
    void corner(QPainter& p, QRectF b, Rng&) const override {
        // A quarter rainbow round the corner with the sun tucked inside it.
        const QPointF c = b.bottomRight() + QPointF(2, 2);
        rainbow(p, c, 74, 6.5, ink);
        sunFace(p, c + QPointF(-17, -17), 11, yellow, ink);
    }
    void ground(QPainter& p, QRectF b, Rng&) const override {
        rainbow(p, QPointF(b.center().x() + 10, b.bottom() + 8), 62, 6, ink);
        cloud(p, QRectF(b.left() + 62, b.bottom() - 24, 52, 26), white, ink, 1.3);
        cloud(p, QRectF(b.right() - 112, b.bottom() - 22, 50, 24), white, ink, 1.3);
        sunFace(p, QPointF(b.left() + 30, b.top() + 30), 15, yellow, ink);
        balloon(p, QPointF(b.right() - 26, b.top() + 18), 10, pink, ink);
        star(p, QPointF(b.right() - 48, b.top() + 12), 6, 2.6, 5, 10, yellow, ink, 1);
    }
    void texture(QPainter& p, QRectF r, Rng& rng) const override {
        p.save();
        smooth(p);
        p.setPen(Qt::NoPen);
        p.setBrush(mix(paper, blue, 0.16));
        for (double y = r.top() + 8, row = 0; y < r.bottom(); y += 18, ++row)
            for (double x = r.left() + (int(row) % 2 ? 17 : 8); x < r.right(); x += 18)
                p.drawEllipse(QPointF(x, y), 2.2, 2.2);
        p.restore();
        for (int i = 0; i < 9; ++i)
            star(p, QPointF(rng.range(r.left(), r.right()), rng.range(r.top(), r.bottom())), 5, 2.2,
                 5, rng.range(0, 60), mix(paper, yellow, 0.3), ink, 0);
    }
    void emblem(QPainter& p, QPointF c, double s, Rng&) const override {
        star(p, c, s * 0.5, s * 0.22, 5, 0, yellow, ink, std::max(1.0, s / 30));
    }
};

// --- Cities: evening sky, skylines with lit windows ---------------------------------------

class Cities : public Skin {
public:
    Cities() {
        paper = QColor(0xF3, 0xF5, 0xFA);
        plot = QColor(0xDA, 0xE3, 0xF1);
        line = QColor(0x7A, 0x8C, 0xA8);
        ink = QColor(0x2E, 0x3C, 0x60);
    }
    const QColor dusk{0x56, 0x68, 0x94}, steel{0x8F, 0xA3, 0xC0}, amber{0xF6, 0xC3, 0x6B},
        glow{0xF4, 0xB8, 0x8C}, night{0x24, 0x30, 0x50};

    void base(QPainter& p, Rng& rng) const override {
        fillGradient(p, QRectF(0, 0, W, H), QColor(0xC4, 0xD0, 0xE8), QColor(0xF2, 0xDA, 0xCC));
        skyline(p, QRectF(0, H - 90, W, 90), QColor(0xB0, 0xBE, 0xD8), QColor(0xC8, 0xD2, 0xE6),
                rng, 0.3, 30, 85);
    }
    void band(QPainter& p, QRectF r, Rng& rng) const override {
        // Evening sky, lighter towards the horizon so the towers stand out against it.
        fillGradient(p, r, QColor(0x4A, 0x5A, 0x8A), QColor(0xE8, 0xB4, 0xA4));
        p.save();
        p.setClipRect(r);
        for (int i = 0; i < 12; ++i)
            sparkle(p, QPointF(rng.range(r.left(), r.right()), rng.range(r.top(), r.center().y())),
                    1.2, QColor(0xF4, 0xF0, 0xE0));
        moon(p, QPointF(r.right() - 22, r.top() + r.height() * 0.35),
             std::min(5.5, r.height() * 0.3), QColor(0xF8, 0xEC, 0xC4), night);
        if (r.height() >= 16)
            skyline(p, QRectF(r.left(), r.top() + 2, r.width(), r.height() - 2),
                    QColor(0x6A, 0x70, 0x9C), amber, rng, 0.15, r.height() * 0.45,
                    r.height() * 0.85);
        skyline(p, QRectF(r.left(), r.top() + 2, r.width(), r.height() - 2), night, amber, rng,
                0.35, r.height() * 0.3, r.height() * 0.7);
        p.restore();
    }
    void side(QPainter& p, QRectF r, Rng& rng) const override {
        fillGradient(p, r, night, dusk);
        p.save();
        p.setPen(Qt::NoPen);
        for (double y = r.top() + 5; y < r.bottom() - 4; y += 7)
            for (double x = r.left() + 2.5; x + 2 < r.right() - 1; x += 4)
                p.fillRect(QRectF(x, y, 2, 3),
                           rng.uniform() < 0.45 ? amber : QColor(0x3A, 0x48, 0x70));
        p.restore();
    }
    void corner(QPainter& p, QRectF b, Rng& rng) const override {
        p.save();
        smooth(p);
        fillGradient(p, b, night, QColor(0xC8, 0x88, 0x8C));
        for (int i = 0; i < 8; ++i)
            sparkle(p, QPointF(rng.range(b.left(), b.right()), rng.range(b.top(), b.center().y())),
                    1.4, QColor(0xF4, 0xF0, 0xE0));
        moon(p, QPointF(b.right() - 18, b.top() + 20), 8, QColor(0xF8, 0xEC, 0xC4), night);
        skyline(p, QRectF(b.left(), b.top() + 20, b.width(), b.height() - 20), dusk, amber, rng,
                0.2, 40, 70);
        skyline(p, QRectF(b.left(), b.top() + 20, b.width(), b.height() - 20), night, amber, rng,
                0.35, 22, 50);
        p.restore();
    }
    void ground(QPainter& p, QRectF b, Rng& rng) const override {
        p.save();
        p.setClipRect(b);
        fillGradient(p, b, QColor(0xC4, 0xD0, 0xE8, 0), QColor(0xE8, 0xB8, 0xA8));
        moon(p, QPointF(b.left() + 26, b.top() + 16), 8, QColor(0xF8, 0xEC, 0xC4),
             QColor(0xD8, 0xD8, 0xE6));
        skyline(p, b.adjusted(0, 6, 0, 0), steel, QColor(0xE6, 0xEA, 0xF4), rng, 0.25, 30, 58);
        skyline(p, b.adjusted(0, 6, 0, 0), dusk, amber, rng, 0.3, 18, 44);
        // A bridge across the front.
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(night, 2));
        p.setBrush(Qt::NoBrush);
        const double by = b.bottom() - 8;
        p.drawLine(QPointF(b.left(), by), QPointF(b.right(), by));
        for (double x = b.left() + 20; x < b.right(); x += 50)
            p.drawArc(QRectF(x, by - 10, 50, 20), 0, 180 * 16);
        p.fillRect(QRectF(b.left(), by + 1, b.width(), 8), night);
        p.restore();
    }
    void texture(QPainter& p, QRectF r, Rng& rng) const override {
        skyline(p, QRectF(r.left(), r.bottom() - 70, r.width(), 70), mix(paper, steel, 0.14),
                mix(paper, steel, 0.06), rng, 0.5, 20, 66);
    }
    void emblem(QPainter& p, QPointF c, double s, Rng& rng) const override {
        building(p, QRectF(c.x() - s * 0.45, c.y() - s * 0.1, s * 0.28, s * 0.6), ink, ink, rng, 0,
                 2);
        building(p, QRectF(c.x() - s * 0.14, c.y() - s * 0.5, s * 0.3, s * 1.0), ink, ink, rng, 0,
                 1);
        building(p, QRectF(c.x() + s * 0.2, c.y() - s * 0.25, s * 0.26, s * 0.75), ink, ink, rng, 0,
                 3);
    }
    void watermark(QPainter& p, QRectF a, Rng& rng) const override {
        skyline(p, QRectF(a.left() - 10, a.bottom() - 110, a.width() + 20, 120), ink, ink, rng, 0,
                40, 110);
    }
};

// --- Floral: blush pink, roses on a green vine ---------------------------------------------

class Floral : public Skin {
public:
    Floral() {
        paper = QColor(0xFF, 0xF7, 0xF9);
        plot = QColor(0xF9, 0xE0, 0xE9);
        line = QColor(0xD8, 0x8A, 0xA4);
        ink = QColor(0xB0, 0x3A, 0x62);
    }
    const QColor roseC{0xE6, 0x6E, 0x94}, petal{0xF6, 0xB4, 0xC8}, leafC{0x7D, 0xAE, 0x6B},
        leafDark{0x4E, 0x80, 0x46}, cream{0xFF, 0xF2, 0xDC}, gold{0xF4, 0xCC, 0x62},
        lilac{0xC8, 0xA0, 0xE0};

    void base(QPainter& p, Rng& rng) const override {
        fillGradient(p, QRectF(0, 0, W, H), QColor(0xFC, 0xE6, 0xEE), QColor(0xF8, 0xDA, 0xE4));
        for (int i = 0; i < 26; ++i)
            flower(p, QPointF(rng.range(0, W), rng.range(0, H)), rng.range(5, 9), 5,
                   rng.range(0, 70), QColor(0xF4, 0xC4, 0xD4), QColor(0xF8, 0xDC, 0xB8));
    }
    // A wavy stem along a line with leaves, roses and buds.
    void vine(QPainter& p, QPointF a, QPointF b, double amp, double scale, Rng& rng) const {
        p.save();
        smooth(p);
        const QPointF d = b - a;
        const double len = std::hypot(d.x(), d.y());
        const QPointF u = d / len, n(-u.y(), u.x());
        QPainterPath stem;
        auto at = [&](double t) { return a + d * t + n * (amp * std::sin(t * len / 18)); };
        stem.moveTo(at(0));
        for (double t = 0.01; t <= 1.0001; t += 0.01)
            stem.lineTo(at(t));
        p.setPen(QPen(leafDark, 1.4 * scale));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stem);
        const double angle = std::atan2(d.y(), d.x()) * 180 / std::numbers::pi;
        int k = 0;
        for (double s = 9; s < len - 6; s += 15 * scale, ++k) {
            const double t = s / len;
            const QPointF q = at(t);
            if (k % 3 == 1) {
                rose(p, q, 6.2 * scale, rk(k) ? petal : roseC, ink);
            } else {
                const int side = (k % 2) ? 1 : -1;
                leaf(p, q, angle + side * 50 + rng.range(-10, 10), 9 * scale, 3.2 * scale,
                     (k % 4) ? leafC : leafDark, mix(leafDark, Qt::black, 0.2));
            }
        }
        p.restore();
    }
    static bool rk(int k) { return (k / 3) % 2; }
    void band(QPainter& p, QRectF r, Rng& rng) const override {
        fillGradient(p, r, QColor(0xFB, 0xD4, 0xE0), QColor(0xF6, 0xC2, 0xD2));
        p.fillRect(QRectF(r.left(), r.bottom() - 1.5, r.width(), 1.5), line);
        p.save();
        p.setClipRect(r);
        vine(p, QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()),
             r.height() * 0.16, std::min(1.0, r.height() / 20), rng);
        p.restore();
    }
    void side(QPainter& p, QRectF r, Rng& rng) const override {
        fillGradient(p, r, QColor(0xFB, 0xD0, 0xDC), QColor(0xF6, 0xC0, 0xD0));
        p.save();
        p.setClipRect(r);
        vine(p, QPointF(r.center().x(), r.bottom()), QPointF(r.center().x(), r.top()), 2.5,
             std::min(1.0, r.width() / 13), rng);
        p.restore();
    }
    void corner(QPainter& p, QRectF b, Rng&) const override {
        const QPointF c(b.right() - 24, b.bottom() - 26);
        leaf(p, c + QPointF(-6, 4), 200, 34, 9, leafC, leafDark);
        leaf(p, c + QPointF(0, -6), 255, 36, 9, leafDark, mix(leafDark, Qt::black, 0.2));
        leaf(p, c + QPointF(-10, 10), 170, 30, 8, leafDark, mix(leafDark, Qt::black, 0.2));
        rose(p, c + QPointF(-30, -22), 12, petal, ink);
        rose(p, c + QPointF(-4, -36), 11, roseC, ink);
        rose(p, c, 16, roseC, ink);
        flower(p, c + QPointF(-38, 8), 8, 5, 10, lilac, gold);
        flower(p, c + QPointF(-20, 18), 6, 5, 30, cream, gold);
        flower(p, c + QPointF(10, -58), 6, 5, 0, lilac, gold);
    }
    void ground(QPainter& p, QRectF b, Rng& rng) const override {
        hill(p, QRectF(b.left(), b.bottom() - 16, b.width(), 16), 0.2, 5, QColor(0xA8, 0xCC, 0x94));
        for (int i = 0; i < 9; ++i) {
            const double x = b.left() + 14 + i * 26 + rng.range(-4, 4);
            const double h = rng.range(34, 54);
            if (i % 3 == 1)
                tulip(p, QPointF(x, b.bottom() - 6), h, roseC, leafDark);
            else {
                p.save();
                smooth(p);
                p.setPen(QPen(leafDark, 1.3));
                p.drawLine(QPointF(x, b.bottom() - 6), QPointF(x, b.bottom() - h * 0.75));
                p.restore();
                leaf(p, QPointF(x, b.bottom() - 14), (i % 2) ? -40 : 220, 12, 4, leafC, leafDark);
                if (i % 3 == 0)
                    rose(p, QPointF(x, b.bottom() - h * 0.75), 8, petal, ink);
                else
                    flower(p, QPointF(x, b.bottom() - h * 0.75), 8, 6, 0, (i % 2) ? cream : lilac,
                           gold);
            }
        }
        butterfly(p, QPointF(b.right() - 30, b.top() + 14), 14, 15, lilac, ink);
    }
    void texture(QPainter& p, QRectF r, Rng& rng) const override {
        for (double y = r.top() + 12; y < r.bottom(); y += 30)
            for (double x = r.left() + 10 + std::fmod(y * 0.9, 36); x < r.right(); x += 44)
                flower(p, QPointF(x + rng.range(-5, 5), y + rng.range(-5, 5)), rng.range(4.5, 6.5),
                       5, rng.range(0, 70), mix(paper, petal, 0.3), mix(paper, gold, 0.3));
    }
    void emblem(QPainter& p, QPointF c, double s, Rng&) const override {
        flower(p, c, s * 0.5, 5, 0, ink, ink);
    }
};

// --- Jewels: amethyst and gold, cut stones and sparkle ------------------------------------

class Jewels : public Skin {
public:
    Jewels() {
        paper = QColor(0xF8, 0xF4, 0xFD);
        plot = QColor(0xE7, 0xE0, 0xF5);
        line = QColor(0x9C, 0x84, 0xC8);
        ink = QColor(0x3E, 0x22, 0x6A);
    }
    const QColor amethyst{0x7B, 0x4B, 0xA8}, gold{0xD8, 0xB0, 0x48}, goldLight{0xF4, 0xDC, 0x8C},
        ruby{0xD0, 0x24, 0x50}, sapphire{0x2E, 0x5A, 0xC8}, emerald{0x1E, 0x9C, 0x70},
        diamond{0xC8, 0xE8, 0xF8}, topaz{0xF0, 0xA0, 0x30};

    QColor stone(int k) const {
        const QColor s[] = {ruby, sapphire, emerald, diamond, topaz, amethyst};
        return s[k % 6];
    }
    void base(QPainter& p, Rng& rng) const override {
        fillGradient(p, QRectF(0, 0, W, H), ink, amethyst);
        p.save();
        smooth(p);
        p.setPen(QPen(QColor(0xD8, 0xB0, 0x48, 70), 1));
        for (int x = -H; x < W + H; x += 20) {
            p.drawLine(QPointF(x, 0), QPointF(x + H, H));
            p.drawLine(QPointF(x, H), QPointF(x + H, 0));
        }
        p.restore();
        for (int i = 0; i < 30; ++i)
            sparkle(p, QPointF(rng.range(0, W), rng.range(0, H)), rng.range(1.5, 3.5),
                    QColor(0xFF, 0xF4, 0xD0, 200));
    }
    void chain(QPainter& p, QPointF a, QPointF b, double sag) const {
        p.save();
        smooth(p);
        const int n = int(std::hypot(b.x() - a.x(), b.y() - a.y()) / 4);
        for (int i = 0; i <= n; ++i) {
            const double t = double(i) / n;
            const QPointF q = a + (b - a) * t + QPointF(0, sag * 4 * t * (1 - t));
            p.setPen(QPen(mix(gold, Qt::black, 0.25), 0.8));
            p.setBrush(i % 2 ? gold : goldLight);
            p.drawEllipse(q, i % 2 ? 2.2 : 1.6, i % 2 ? 1.4 : 1.8);
        }
        p.restore();
    }
    void band(QPainter& p, QRectF r, Rng& rng) const override {
        fillGradient(p, r, ink, QColor(0x58, 0x34, 0x88));
        p.fillRect(QRectF(r.left(), r.top(), r.width(), 1), gold);
        p.fillRect(QRectF(r.left(), r.bottom() - 1.5, r.width(), 1.5), gold);
        const double cy = r.center().y();
        chain(p, QPointF(r.left(), cy), QPointF(r.right(), cy), 0);
        const double gr = std::min(7.0, r.height() * 0.36);
        int k = 0;
        for (double x = r.left() + 14; x < r.right() - 6; x += 26, ++k) {
            const Cut cut = (k % 3 == 0) ? Cut::Round : (k % 3 == 1) ? Cut::Emerald : Cut::Marquise;
            gem(p, QPointF(x, cy), cut == Cut::Emerald ? gr * 0.8 : gr, cut, stone(k));
        }
        for (int i = 0; i < 6; ++i)
            sparkle(p,
                    QPointF(rng.range(r.left(), r.right()), rng.range(r.top() + 2, r.bottom() - 2)),
                    2, goldLight);
    }
    void side(QPainter& p, QRectF r, Rng&) const override {
        fillGradient(p, r, ink, QColor(0x52, 0x30, 0x80));
        p.fillRect(QRectF(r.center().x() - 0.5, r.top(), 1, r.height()), gold);
        int k = 0;
        for (double y = r.top() + 14; y < r.bottom() - 6; y += 26, ++k)
            gem(p, QPointF(r.center().x(), y), std::min(6.0, r.width() * 0.42), Cut::Marquise,
                stone(k + 1));
    }
    void corner(QPainter& p, QRectF b, Rng& rng) const override {
        const QPointF c(b.right() - 28, b.bottom() - 34);
        gem(p, c, 22, Cut::Round, diamond);
        gem(p, c + QPointF(-32, 18), 12, Cut::Heart, ruby);
        gem(p, c + QPointF(-22, -30), 10, Cut::Emerald, emerald);
        gem(p, c + QPointF(8, -38), 8, Cut::Marquise, sapphire);
        for (int i = 0; i < 6; ++i)
            sparkle(p, c + QPointF(rng.range(-50, 20), rng.range(-55, 30)), rng.range(2, 4),
                    goldLight);
    }
    void ground(QPainter& p, QRectF b, Rng& rng) const override {
        // A necklace draped across the bottom with a heart pendant.
        chain(p, QPointF(b.left() - 4, b.top() + 8), QPointF(b.right() + 4, b.top() + 8), 40);
        const double cx = b.center().x();
        for (int i = -3; i <= 3; ++i) {
            if (i == 0)
                continue;
            const double t = 0.5 + i * 0.09;
            const double x = b.left() - 4 + (b.width() + 8) * t;
            const double y = b.top() + 8 + 40 * 4 * t * (1 - t);
            gem(p, QPointF(x, y + 4), 5.5, Cut::Round, stone(i + 3));
        }
        gem(p, QPointF(cx, b.top() + 60), 13, Cut::Heart, ruby);
        for (int i = 0; i < 8; ++i)
            sparkle(p, QPointF(rng.range(b.left(), b.right()), rng.range(b.top(), b.bottom())),
                    rng.range(1.5, 3.5), goldLight);
    }
    void texture(QPainter& p, QRectF r, Rng& rng) const override {
        p.save();
        smooth(p);
        p.setPen(QPen(mix(paper, amethyst, 0.08), 1));
        for (double x = r.left() - r.height(); x < r.right() + r.height(); x += 24) {
            p.drawLine(QPointF(x, r.top()), QPointF(x + r.height(), r.bottom()));
            p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
        }
        p.restore();
        for (int i = 0; i < 14; ++i)
            sparkle(p, QPointF(rng.range(r.left(), r.right()), rng.range(r.top(), r.bottom())),
                    rng.range(2, 3.5), mix(paper, gold, 0.35));
    }
    void emblem(QPainter& p, QPointF c, double s, Rng&) const override {
        gem(p, c, s * 0.5, Cut::Round, amethyst);
    }
};

// --- Men: navy suiting with pinstripes, tan leather, a gentleman's accessories -----------

class Men : public Skin {
public:
    Men() {
        paper = QColor(0xF8, 0xF5, 0xEF);
        plot = QColor(0xE4, 0xE0, 0xD6);
        line = QColor(0x8C, 0x7A, 0x62);
        ink = QColor(0x2B, 0x3A, 0x55);
    }
    const QColor navyLight{0x3C, 0x4D, 0x6C}, tan{0xC8, 0xA5, 0x7A}, leather{0x9A, 0x6A, 0x44},
        cream{0xF0, 0xE6, 0xD2}, burgundy{0x8C, 0x2F, 0x39}, skin{0xE8, 0xC0, 0x9C},
        hair{0x4A, 0x34, 0x28}, gold{0xD0, 0xA8, 0x50};

    void base(QPainter& p, Rng&) const override {
        p.fillRect(QRect(0, 0, W, H), ink);
        for (int x = 3; x < W; x += 6)
            p.fillRect(QRect(x, 0, 1, H), navyLight);
    }
    void stitches(QPainter& p, QRectF r, bool horizontal) const {
        p.save();
        QPen pen(cream, 1, Qt::CustomDashLine);
        pen.setDashPattern({3, 2});
        p.setPen(pen);
        if (horizontal) {
            p.drawLine(QPointF(r.left(), r.top() + 2.5), QPointF(r.right(), r.top() + 2.5));
            p.drawLine(QPointF(r.left(), r.bottom() - 3.5), QPointF(r.right(), r.bottom() - 3.5));
        } else {
            p.drawLine(QPointF(r.left() + 2.5, r.top()), QPointF(r.left() + 2.5, r.bottom()));
            p.drawLine(QPointF(r.right() - 3.5, r.top()), QPointF(r.right() - 3.5, r.bottom()));
        }
        p.restore();
    }
    void band(QPainter& p, QRectF r, Rng&) const override {
        fillGradient(p, r, tan, QColor(0xB4, 0x8C, 0x60));
        p.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), leather);
        if (r.height() >= 16)
            stitches(p, r, true);
        const double s = r.height() * (r.height() >= 16 ? 0.75 : 0.95);
        int k = 0;
        for (double x = r.left() + 16; x < r.right() - 8; x += s * 1.9, ++k) {
            const QPointF c(x, r.center().y());
            switch (k % 5) {
                case 0:
                    bowTie(p, c, s * 1.05, burgundy, mix(burgundy, Qt::black, 0.4));
                    break;
                case 1:
                    topHat(p, c + QPointF(0, -s * 0.02), s * 0.95, ink, burgundy);
                    break;
                case 2:
                    moustache(p, c, s * 1.2, hair);
                    break;
                case 3:
                    glasses(p, c, s * 1.2, ink);
                    break;
                default:
                    pocketWatch(p, c + QPointF(0, s * 0.08), s * 0.34, gold, cream);
                    break;
            }
        }
    }
    void side(QPainter& p, QRectF r, Rng&) const override {
        fillGradient(p, r, tan, QColor(0xB8, 0x92, 0x66));
        stitches(p, r, false);
    }
    void corner(QPainter& p, QRectF b, Rng&) const override {
        // A cameo portrait in a gilt oval.
        p.save();
        smooth(p);
        const QRectF oval(b.left() + 6, b.top() + 6, b.width() - 10, b.height() - 10);
        p.setPen(QPen(gold, 3));
        p.setBrush(cream);
        p.drawEllipse(oval);
        QPainterPath clip;
        clip.addEllipse(oval.adjusted(1.5, 1.5, -1.5, -1.5));
        p.setClipPath(clip);
        fillGradient(p, oval, QColor(0xF4, 0xEC, 0xDC), QColor(0xE2, 0xD2, 0xB6));
        gentleman(p, QRectF(oval.left() + 4, oval.top() + 8, oval.width() - 8, oval.height() - 6),
                  navyLight, QColor(0xF4, 0xF4, 0xF0), skin, hair, burgundy);
        p.restore();
    }
    void ground(QPainter& p, QRectF b, Rng&) const override {
        // A leather shelf with the accessories laid out.
        const QRectF shelf(b.left(), b.bottom() - 22, b.width(), 22);
        fillGradient(p, shelf, tan, leather);
        stitches(p, shelf, true);
        topHat(p, QPointF(b.left() + 34, shelf.top() - 22), 42, QColor(0x22, 0x28, 0x38), burgundy);
        bowTie(p, QPointF(b.left() + 92, shelf.top() - 9), 32, burgundy,
               mix(burgundy, Qt::black, 0.4));
        pocketWatch(p, QPointF(b.left() + 140, shelf.top() - 14), 12, gold, cream);
        glasses(p, QPointF(b.left() + 190, shelf.top() - 7), 36, cream);
    }
    void texture(QPainter& p, QRectF r, Rng&) const override {
        const QColor c = mix(paper, ink, 0.05);
        for (int x = int(r.left()) + 3; x < r.right(); x += 6)
            p.fillRect(QRectF(x, r.top(), 1, r.height()), c);
    }
    void emblem(QPainter& p, QPointF c, double s, Rng&) const override {
        bowTie(p, c, s, ink, ink);
    }
};

// --- Nature: sky, green hills, trees and sun ----------------------------------------------

class Nature : public Skin {
public:
    Nature() {
        paper = QColor(0xF7, 0xFB, 0xF3);
        plot = QColor(0xE0, 0xEF, 0xD8);
        line = QColor(0x7F, 0xA8, 0x6A);
        ink = QColor(0x3F, 0x7A, 0x4A);
    }
    const QColor sky{0xCC, 0xE8, 0xF8}, grass{0x8C, 0xC5, 0x6B}, grassLight{0xB4, 0xDC, 0x94},
        trunk{0x7A, 0x56, 0x3A}, sunY{0xF7, 0xD5, 0x6E}, mountain{0xA8, 0xBC, 0xD4},
        flowerW{0xF8, 0xF4, 0xE8};

    void base(QPainter& p, Rng&) const override {
        fillGradient(p, QRectF(0, 0, W, H), sky, QColor(0xEC, 0xF6, 0xE2));
        p.save();
        smooth(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xBC, 0xCE, 0xE0));
        p.drawPolygon(QPolygonF({QPointF(-10, 200), QPointF(50, 130), QPointF(90, 170),
                                 QPointF(140, 110), QPointF(200, 165), QPointF(250, 140),
                                 QPointF(250, 268), QPointF(-10, 268)}));
        p.restore();
        hill(p, QRectF(0, 200, W, 68), 0.3, 18, grassLight);
        hill(p, QRectF(0, 225, W, 43), 0.8, 12, grass);
    }
    void band(QPainter& p, QRectF r, Rng& rng) const override {
        fillGradient(p, r, QColor(0xA8, 0xD8, 0xF4), QColor(0xDC, 0xF0, 0xFA));
        p.save();
        p.setClipRect(r);
        sun(p, QPointF(r.right() - 20, r.top() + r.height() * 0.42), r.height() * 0.22, sunY, sunY);
        cloud(p, QRectF(r.left() + 60, r.top() + 1, 30, r.height() * 0.45),
              QColor(0xF8, 0xFC, 0xFF), Qt::white, 0);
        const double h = r.height();
        hill(p, QRectF(r.left(), r.top() + h * 0.45, r.width(), h * 0.55), 0.1, h * 0.25,
             grassLight);
        hill(p, QRectF(r.left(), r.top() + h * 0.68, r.width(), h * 0.32), 0.55, h * 0.18, grass);
        for (double x = r.left() + 18; x < r.right() - 30; x += rng.range(22, 40)) {
            if (rng.uniform() < 0.5)
                pine(p, QPointF(x, r.bottom() - h * 0.1), h * 0.75, ink, trunk);
            else
                tree(p, QPointF(x, r.bottom() - h * 0.1), h * 0.8, grass.darker(125), trunk);
        }
        p.restore();
    }
    void side(QPainter& p, QRectF r, Rng&) const override {
        fillGradient(p, r, QColor(0x9C, 0xCC, 0x7E), grass);
        int k = 0;
        for (double y = r.bottom() - 8; y > r.top(); y -= 14, ++k)
            leaf(p, QPointF(r.center().x() + ((k % 2) ? -r.width() * 0.3 : r.width() * 0.3), y),
                 (k % 2) ? -55 : 235, r.width() * 0.8, r.width() * 0.26,
                 (k % 3) ? ink : QColor(0xDC, 0xF0, 0xC8), mix(ink, Qt::black, 0.3));
    }
    void corner(QPainter& p, QRectF b, Rng&) const override {
        hill(p, QRectF(b.left() - 10, b.bottom() - 26, b.width() + 10, 26), 0.25, 8, grass);
        sun(p, QPointF(b.left() + 18, b.top() + 16), 8, sunY, sunY);
        tree(p, QPointF(b.right() - 26, b.bottom() - 12), 78, grass.darker(120), trunk);
        pine(p, QPointF(b.left() + 20, b.bottom() - 8), 36, ink, trunk);
        bird(p, QPointF(b.left() + 36, b.top() + 34), 10, QColor(0x4A, 0x5A, 0x6A),
             QColor(0x6A, 0x7A, 0x8A));
        flower(p, QPointF(b.left() + 42, b.bottom() - 6), 4, 5, 0, flowerW, sunY);
    }
    void ground(QPainter& p, QRectF b, Rng& rng) const override {
        sun(p, QPointF(b.right() - 26, b.top() + 14), 9, sunY, sunY);
        hill(p, QRectF(b.left(), b.top() + 28, b.width(), b.height() - 28), 0.1, 14, grassLight);
        hill(p, QRectF(b.left(), b.top() + 44, b.width(), b.height() - 44), 0.65, 10, grass);
        pine(p, QPointF(b.left() + 24, b.bottom() - 14), 48, ink, trunk);
        pine(p, QPointF(b.left() + 44, b.bottom() - 10), 36, ink, trunk);
        tree(p, QPointF(b.left() + 150, b.bottom() - 14), 58, grass.darker(125), trunk);
        tree(p, QPointF(b.left() + 186, b.bottom() - 8), 40, grass.darker(110), trunk);
        for (int i = 0; i < 12; ++i)
            flower(p,
                   QPointF(rng.range(b.left() + 60, b.right() - 10),
                           rng.range(b.bottom() - 16, b.bottom() - 4)),
                   2.8, 5, 0, (i % 2) ? flowerW : QColor(0xF6, 0xB4, 0xC8), sunY);
    }
    void texture(QPainter& p, QRectF r, Rng& rng) const override {
        hill(p, QRectF(r.left(), r.bottom() - 46, r.width(), 46), 0.3, 16, mix(paper, grass, 0.12));
        hill(p, QRectF(r.left(), r.bottom() - 26, r.width(), 26), 0.8, 10, mix(paper, grass, 0.18));
        for (int i = 0; i < 10; ++i)
            leaf(p, QPointF(rng.range(r.left(), r.right()), rng.range(r.top(), r.bottom() - 50)),
                 rng.range(0, 360), 10, 3.5, mix(paper, grass, 0.2), QColor(0, 0, 0, 0));
    }
    void emblem(QPainter& p, QPointF c, double s, Rng&) const override {
        tree(p, c + QPointF(0, s * 0.5), s, ink, ink);
    }
};

std::unique_ptr<Skin> makeSkin(int index) {
    switch (index) {
        case 0:
            return std::make_unique<Animals>();
        case 1:
            return std::make_unique<Cartoon>();
        case 2:
            return std::make_unique<Cities>();
        case 3:
            return std::make_unique<Floral>();
        case 4:
            return std::make_unique<Jewels>();
        case 5:
            return std::make_unique<Men>();
        default:
            return std::make_unique<Nature>();
    }
}

// --- Screens -------------------------------------------------------------------------------

// A panel for text: the skin's paper with its quiet texture and a soft outline.
void panel(QPainter& p, const Skin& s, const QPainterPath& area, Rng& rng, bool outline = true) {
    p.save();
    smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(s.paper);
    p.drawPath(area);
    p.setClipPath(area);
    s.texture(p, area.boundingRect(), rng);
    p.setClipping(false);
    if (outline) {
        p.setPen(QPen(withAlpha(s.line, 0.8), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(area);
    }
    p.restore();
}

// Draws `paint` into a layer and lays the layer over the picture at `opacity`, so that
// overlapping shapes fade as one.
template <typename F>
void faded(QPainter& p, double opacity, F&& paint) {
    QImage layer(W, H, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        smooth(lp);
        paint(lp);
    }
    p.save();
    p.setOpacity(opacity);
    p.drawImage(0, 0, layer);
    p.restore();
}

QPainterPath rounded(QRectF r, double radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// Cycle Bar: a column of day marks at x 15..29 and date labels from x 35 to about x 222
// over the whole height; below y 190 the labels stay left of x 190, and further down left
// of x 170, which leaves the bottom-right corner, a quarter circle, for a picture.
QImage cycleBar(const Skin& s, uint32_t seed) {
    QImage img = blank(W, H, s.paper);
    QPainter p(&img);
    Rng rng(seed);
    s.base(p, rng);
    s.side(p, QRectF(0, 0, 9, H), rng);
    s.side(p, QRectF(227, 0, 13, H), rng);
    QPainterPath area = rounded(QRectF(10.5, 4.5, 214, 259), 8);
    QPainterPath disc;
    disc.addEllipse(QPointF(W + 2, H + 2), 76, 76);
    area = area.subtracted(disc);
    panel(p, s, area, rng);
    p.save();
    p.setClipPath(disc);
    s.corner(p, QRectF(166, 190, 74, 78), rng);
    p.restore();
    p.save();
    smooth(p);
    p.setPen(QPen(s.line, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(W + 2, H + 2), 76, 76);
    p.restore();
    // The channel the day marks sit in.
    p.save();
    smooth(p);
    p.setPen(QPen(withAlpha(s.line, 0.7), 1));
    p.setBrush(QColor(0xFC, 0xFC, 0xFC));
    p.drawRoundedRect(QRectF(12.5, 11.5, 19, 254), 5, 5);
    p.restore();
    return img;
}

enum class Chart { Cycle, Temperature, Weight };

// Charts: axes at x = 20 (30 for temperature) from near the top down to y = 255, scale
// labels left of the axis, day or month labels below it. Only the strip above the plot,
// right of the axis labels, is free for the skin's band.
QImage chart(const Skin& s, Chart kind, uint32_t seed) {
    QImage img = blank(W, H, s.paper);
    QPainter p(&img);
    Rng rng(seed);
    QRectF bandRect, plotRect;
    switch (kind) {
        case Chart::Cycle:
            bandRect = QRectF(30, 0, 210, 23);
            plotRect = QRectF(20, 24, 216, 231);
            break;
        case Chart::Temperature:
            bandRect = QRectF(40, 0, 200, 12);
            plotRect = QRectF(30, 13, 206, 242);
            break;
        case Chart::Weight:
            bandRect = QRectF(30, 0, 210, 21);
            plotRect = QRectF(20, 22, 216, 233);
            break;
    }
    s.base(p, rng);
    const QPainterPath bandShape = rounded(bandRect.adjusted(0, -10, 10, 0), 6);
    QPainterPath area = rounded(QRectF(0, 0, W, H), 0);
    area = area.subtracted(bandShape);
    panel(p, s, area, rng, false);
    p.save();
    p.setClipPath(bandShape);
    s.band(p, bandRect, rng);
    p.restore();
    // The plot area, with the skin's picture faintly behind it.
    p.save();
    smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(s.plot);
    p.drawRoundedRect(plotRect, 3, 3);
    p.restore();
    p.save();
    p.setClipRect(plotRect);
    faded(p, 0.08,
          [&](QPainter& lp) { s.watermark(lp, plotRect.adjusted(10, 10, -10, -10), rng); });
    p.restore();
    return img;
}

// Help: text from x = 20 to 230 and y = 15 to 268 (the contents page lists its links from
// x = 80). The top-left corner above the first body line is free for a small emblem.
QImage help(const Skin& s, uint32_t seed) {
    QImage img = blank(W, H, s.paper);
    QPainter p(&img);
    Rng rng(seed);
    s.base(p, rng);
    s.side(p, QRectF(0, 0, 13, H), rng);
    QPainterPath area = rounded(QRectF(14.5, 3.5, 222, 261), 8);
    QPainterPath notch = rounded(QRectF(-10, -10, 57, 51), 12);
    area = area.subtracted(notch);
    panel(p, s, area, rng);
    // A small medallion with the skin's emblem.
    p.save();
    smooth(p);
    p.setPen(QPen(s.line, 1.5));
    p.setBrush(s.paper);
    p.drawEllipse(QPointF(27.5, 19.5), 14.5, 14.5);
    s.emblem(p, QPointF(27.5, 19.5), 19, rng);
    p.restore();
    return img;
}

// Weight and height scale: the question at the top, the input and result rows below it,
// the buttons under them. The bottom of the screen shows the skin's scene, the right edge
// a measuring ruler.
QImage scale(const Skin& s, uint32_t seed) {
    QImage img = blank(W, H, s.paper);
    QPainter p(&img);
    Rng rng(seed);
    s.base(p, rng);
    s.ground(p, QRectF(0, 198, W, 70), rng);
    // Ruler.
    p.save();
    smooth(p);
    const QRectF ruler(224.5, 6.5, 12, 188);
    p.setPen(QPen(s.line, 1));
    p.setBrush(mix(s.paper, s.plot, 0.5));
    p.drawRoundedRect(ruler, 2, 2);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(mix(s.line, Qt::black, 0.25));
    for (int i = 0, y = 12; y < 192; y += 4, ++i) {
        const int len = (i % 5 == 0) ? 7 : 4;
        p.drawLine(225, y, 225 + len, y);
    }
    p.restore();
    panel(p, s, rounded(QRectF(5.5, 6.5, 216, 188), 8), rng);
    p.save();
    p.setPen(withAlpha(s.line, 0.55));
    p.drawLine(14, 48, 212, 48);
    p.restore();
    return img;
}

// Reports how calm the places are where text is written: the darkest pixel and the
// spread. Printed with VELMORA_ARTGEN_VERBOSE set; used while tuning the skins.
void report(int id, const QImage& img, const std::vector<QRect>& areas) {
    if (qEnvironmentVariableIsEmpty("VELMORA_ARTGEN_VERBOSE"))
        return;
    for (const QRect& a : areas) {
        double lo = 255, sum = 0, sq = 0;
        int n = 0;
        for (int y = a.top(); y <= a.bottom(); ++y)
            for (int x = a.left(); x <= a.right(); ++x) {
                const double l = luminance(img.pixel(x, y));
                lo = std::min(lo, l);
                sum += l;
                sq += l * l;
                ++n;
            }
        const double mean = sum / n;
        std::printf("calm %d (%d,%d %dx%d): min %.0f mean %.0f sd %.1f\n", id, a.x(), a.y(),
                    a.width(), a.height(), lo, mean,
                    std::sqrt(std::max(0.0, sq / n - mean * mean)));
    }
}

}  // namespace

void makeSkins(Catalogue& cat) {
    for (int k = 0; k < 7; ++k) {
        const auto skin = makeSkin(k);
        const QString name = kSkinNames[k];
        const uint32_t seed = 1000u * (k + 1);
        const QImage cb = cycleBar(*skin, seed + 1);
        report(kSkinIds[0][k], cb, {QRect(35, 10, 185, 190), QRect(35, 200, 150, 65)});
        cat.addPicture(kSkinIds[0][k], cb, name + " skin: Cycle Bar background");
        const QImage cc = chart(*skin, Chart::Cycle, seed + 2);
        report(kSkinIds[1][k], cc, {QRect(20, 26, 215, 229), QRect(0, 20, 20, 240)});
        cat.addPicture(kSkinIds[1][k], cc, name + " skin: Cycle Chart background");
        const QImage tc = chart(*skin, Chart::Temperature, seed + 3);
        report(kSkinIds[2][k], tc, {QRect(30, 15, 205, 240), QRect(0, 10, 30, 250)});
        cat.addPicture(kSkinIds[2][k], tc, name + " skin: Temperature Chart background");
        const QImage hb = help(*skin, seed + 4);
        report(kSkinIds[3][k], hb, {QRect(20, 45, 210, 200), QRect(80, 5, 140, 40)});
        cat.addPicture(kSkinIds[3][k], hb, name + " skin: help background");
        const QImage wc = chart(*skin, Chart::Weight, seed + 5);
        report(kSkinIds[4][k], wc, {QRect(20, 25, 215, 230)});
        cat.addPicture(kSkinIds[4][k], wc, name + " skin: Weight Chart background");
        const QImage ws = scale(*skin, seed + 6);
        report(kSkinIds[5][k], ws, {QRect(9, 14, 212, 31), QRect(23, 79, 150, 57)});
        cat.addPicture(kSkinIds[5][k], ws, name + " skin: weight and height scale background");
    }
}

}  // namespace artgen
