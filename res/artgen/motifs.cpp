#include "motifs.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace artgen::motif {

namespace {

constexpr double kPi = std::numbers::pi;

// Saves and restores the painter around one motif, with antialiasing on.
struct Scope {
    explicit Scope(QPainter& p) : p_(p) {
        p_.save();
        smooth(p_);
    }
    ~Scope() { p_.restore(); }
    QPainter& p_;
};

QPointF polar(QPointF c, double r, double deg) {
    const double a = deg * kPi / 180;
    return c + QPointF(r * std::cos(a), r * std::sin(a));
}

}  // namespace

// --- Animals ---------------------------------------------------------------------------

void pawPrint(QPainter& p, QPointF c, double s, double angle, const QColor& color) {
    Scope g(p);
    p.translate(c);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    QPainterPath pad;
    pad.moveTo(0, -s * 0.05);
    pad.cubicTo(s * 0.42, -s * 0.05, s * 0.5, s * 0.42, s * 0.22, s * 0.45);
    pad.cubicTo(s * 0.1, s * 0.46, -s * 0.1, s * 0.46, -s * 0.22, s * 0.45);
    pad.cubicTo(-s * 0.5, s * 0.42, -s * 0.42, -s * 0.05, 0, -s * 0.05);
    p.drawPath(pad);
    const double toes[4][2] = {{-0.42, -0.18}, {-0.16, -0.45}, {0.16, -0.45}, {0.42, -0.18}};
    for (auto& t : toes)
        p.drawEllipse(QPointF(t[0] * s, t[1] * s), s * 0.13, s * 0.17);
}

void catSitting(QPainter& p, QRectF b, const QColor& body, const QColor& detail) {
    Scope g(p);
    p.translate(b.topLeft());
    p.scale(b.width() / 100.0, b.height() / 120.0);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    // Tail, curling round the front.
    QPainterPath tail;
    tail.moveTo(70, 112);
    tail.cubicTo(98, 112, 100, 80, 86, 70);
    tail.cubicTo(82, 68, 79, 72, 83, 76);
    tail.cubicTo(92, 86, 88, 104, 66, 104);
    tail.closeSubpath();
    p.drawPath(tail);
    // Body: a pear, wide at the haunches.
    QPainterPath torso;
    torso.moveTo(38, 40);
    torso.cubicTo(20, 60, 14, 96, 22, 112);
    torso.lineTo(78, 112);
    torso.cubicTo(84, 92, 74, 58, 58, 40);
    torso.closeSubpath();
    p.drawPath(torso);
    // Head and ears.
    p.drawEllipse(QPointF(47, 30), 21, 18);
    p.drawPolygon(QPolygonF({QPointF(28, 26), QPointF(29, 3), QPointF(44, 15)}));
    p.drawPolygon(QPolygonF({QPointF(66, 26), QPointF(65, 3), QPointF(50, 15)}));
    // Face and front paws in the detail colour.
    p.setBrush(detail);
    p.drawPolygon(QPolygonF({QPointF(31, 22), QPointF(32, 10), QPointF(40, 17)}));
    p.drawPolygon(QPolygonF({QPointF(63, 22), QPointF(62, 10), QPointF(54, 17)}));
    QPen eye(detail, 2.4, Qt::SolidLine, Qt::RoundCap);
    p.setPen(eye);
    p.setBrush(Qt::NoBrush);
    // Closed, contented eyes.
    p.drawArc(QRectF(35, 26, 9, 6), 200 * 16, 140 * 16);
    p.drawArc(QRectF(50, 26, 9, 6), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(detail);
    p.drawEllipse(QPointF(47, 36), 2.6, 2);
    p.drawEllipse(QPointF(36, 110), 8, 4);
    p.drawEllipse(QPointF(56, 110), 8, 4);
    QPen whisker(detail, 1.1);
    p.setPen(whisker);
    p.drawLine(QPointF(36, 37), QPointF(20, 34));
    p.drawLine(QPointF(36, 39), QPointF(21, 41));
    p.drawLine(QPointF(58, 37), QPointF(74, 34));
    p.drawLine(QPointF(58, 39), QPointF(73, 41));
}

void catHead(QPainter& p, QPointF c, double s, const QColor& color) {
    Scope g(p);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(c + QPointF(0, s * 0.08), s * 0.5, s * 0.42);
    p.drawPolygon(QPolygonF({c + QPointF(-s * 0.46, -s * 0.02), c + QPointF(-s * 0.4, -s * 0.5),
                             c + QPointF(-s * 0.1, -s * 0.25)}));
    p.drawPolygon(QPolygonF({c + QPointF(s * 0.46, -s * 0.02), c + QPointF(s * 0.4, -s * 0.5),
                             c + QPointF(s * 0.1, -s * 0.25)}));
}

void bunnyHead(QPainter& p, QPointF c, double s, const QColor& color) {
    Scope g(p);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(c + QPointF(0, s * 0.18), s * 0.42, s * 0.34);
    p.save();
    p.translate(c + QPointF(-s * 0.16, -s * 0.15));
    p.rotate(-12);
    p.drawEllipse(QPointF(0, -s * 0.22), s * 0.11, s * 0.34);
    p.restore();
    p.save();
    p.translate(c + QPointF(s * 0.16, -s * 0.15));
    p.rotate(12);
    p.drawEllipse(QPointF(0, -s * 0.22), s * 0.11, s * 0.34);
    p.restore();
}

void bird(QPainter& p, QPointF c, double s, const QColor& body, const QColor& wing,
          bool facingLeft) {
    Scope g(p);
    p.translate(c);
    if (facingLeft)
        p.scale(-1, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    // Plump body with a tail to the left.
    QPainterPath b;
    b.moveTo(-s * 0.62, -s * 0.05);
    b.lineTo(-s * 0.28, s * 0.02);
    b.cubicTo(-s * 0.3, -s * 0.42, s * 0.3, -s * 0.5, s * 0.38, -s * 0.1);
    b.cubicTo(s * 0.42, s * 0.3, 0, s * 0.42, -s * 0.3, s * 0.2);
    b.lineTo(-s * 0.62, s * 0.18);
    b.closeSubpath();
    p.drawPath(b);
    p.setBrush(wing);
    QPainterPath w;
    w.moveTo(-s * 0.22, -s * 0.02);
    w.cubicTo(-s * 0.05, -s * 0.18, s * 0.2, -s * 0.05, s * 0.12, s * 0.12);
    w.cubicTo(0, s * 0.2, -s * 0.15, s * 0.1, -s * 0.22, -s * 0.02);
    p.drawPath(w);
    p.drawPolygon(QPolygonF(
        {QPointF(s * 0.36, -s * 0.2), QPointF(s * 0.56, -s * 0.12), QPointF(s * 0.36, -s * 0.05)}));
    p.drawEllipse(QPointF(s * 0.2, -s * 0.2), s * 0.045, s * 0.045);
}

void yarnBall(QPainter& p, QPointF c, double r, const QColor& color, const QColor& line) {
    Scope g(p);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(line, std::max(0.8, r / 9)));
    p.setBrush(Qt::NoBrush);
    p.setClipRegion(QRegion(QRect(int(c.x() - r), int(c.y() - r), int(2 * r + 1), int(2 * r + 1)),
                            QRegion::Ellipse));
    for (int i = -2; i <= 2; ++i) {
        p.drawArc(QRectF(c.x() - r * 1.6 + i * r * 0.35, c.y() - r * 1.1, r * 2.4, r * 2.2),
                  20 * 16, 140 * 16);
    }
    for (int i = -1; i <= 1; ++i)
        p.drawArc(QRectF(c.x() - r * 0.9, c.y() - r * 0.4 + i * r * 0.5, r * 2.2, r * 1.6),
                  100 * 16, 130 * 16);
    p.setClipping(false);
    QPainterPath loose;
    loose.moveTo(c + QPointF(r * 0.7, r * 0.7));
    loose.cubicTo(c + QPointF(r * 1.4, r * 1.3), c + QPointF(r * 0.4, r * 1.5),
                  c + QPointF(r * 1.6, r * 1.2));
    p.setPen(QPen(color, std::max(1.0, r / 8)));
    p.drawPath(loose);
}

void butterfly(QPainter& p, QPointF c, double s, double angle, const QColor& wing,
               const QColor& body) {
    Scope g(p);
    p.translate(c);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(wing);
    for (int side : {-1, 1}) {
        p.drawEllipse(QPointF(side * s * 0.26, -s * 0.15), s * 0.26, s * 0.22);
        p.drawEllipse(QPointF(side * s * 0.2, s * 0.18), s * 0.17, s * 0.16);
    }
    p.setBrush(mix(wing, Qt::white, 0.5));
    for (int side : {-1, 1})
        p.drawEllipse(QPointF(side * s * 0.27, -s * 0.16), s * 0.08, s * 0.07);
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), s * 0.05, s * 0.3);
    p.setPen(QPen(body, std::max(0.8, s / 20)));
    p.drawLine(QPointF(0, -s * 0.25), QPointF(-s * 0.12, -s * 0.45));
    p.drawLine(QPointF(0, -s * 0.25), QPointF(s * 0.12, -s * 0.45));
}

void fish(QPainter& p, QPointF c, double s, const QColor& color) {
    Scope g(p);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(c, s * 0.36, s * 0.22);
    p.drawPolygon(QPolygonF({c + QPointF(s * 0.28, 0), c + QPointF(s * 0.55, -s * 0.2),
                             c + QPointF(s * 0.55, s * 0.2)}));
}

// --- Cartoon ---------------------------------------------------------------------------

void star(QPainter& p, QPointF c, double outer, double inner, int points, double angle,
          const QColor& fill, const QColor& outline, double width) {
    Scope g(p);
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i)
        poly << polar(c, (i % 2) ? inner : outer, angle - 90 + i * 180.0 / points);
    p.setPen(width > 0 ? QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                       : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPolygon(poly);
}

void cloud(QPainter& p, QRectF b, const QColor& fill, const QColor& outline, double width) {
    Scope g(p);
    QPainterPath path;
    const double w = b.width(), h = b.height();
    path.addEllipse(QRectF(b.left(), b.top() + h * 0.35, w * 0.42, h * 0.65));
    path.addEllipse(QRectF(b.left() + w * 0.2, b.top(), w * 0.45, h * 0.85));
    path.addEllipse(QRectF(b.left() + w * 0.5, b.top() + h * 0.2, w * 0.5, h * 0.8));
    path.addRoundedRect(QRectF(b.left() + w * 0.15, b.top() + h * 0.5, w * 0.7, h * 0.5), h * 0.2,
                        h * 0.2);
    path = path.simplified();
    p.setPen(width > 0 ? QPen(outline, width) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(path);
}

void sunFace(QPainter& p, QPointF c, double r, const QColor& fill, const QColor& outline) {
    Scope g(p);
    const double lw = std::max(1.2, r / 12);
    p.setPen(QPen(outline, lw, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    for (int i = 0; i < 12; ++i) {
        const double a = i * 30;
        QPolygonF ray(
            {polar(c, r * 1.12, a - 9), polar(c, r * 1.55, a), polar(c, r * 1.12, a + 9)});
        p.drawPolygon(ray);
    }
    p.drawEllipse(c, r, r);
    p.setBrush(outline);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.18), r * 0.1, r * 0.14);
    p.drawEllipse(c + QPointF(r * 0.35, -r * 0.18), r * 0.1, r * 0.14);
    p.setBrush(QColor(0xFF, 0x9C, 0x9C));
    p.drawEllipse(c + QPointF(-r * 0.55, r * 0.15), r * 0.14, r * 0.09);
    p.drawEllipse(c + QPointF(r * 0.55, r * 0.15), r * 0.14, r * 0.09);
    p.setPen(QPen(outline, lw, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.4, c.y() - r * 0.2, r * 0.8, r * 0.7), 200 * 16, 140 * 16);
}

void rainbow(QPainter& p, QPointF c, double r, double band, const QColor& outline) {
    Scope g(p);
    const QColor colours[] = {QColor(0xFF, 0x6F, 0x91), QColor(0xFF, 0xB3, 0x47),
                              QColor(0xFF, 0xE0, 0x66), QColor(0x7E, 0xD6, 0x8F),
                              QColor(0x6C, 0xB8, 0xFF), QColor(0xB0, 0x8C, 0xF0)};
    for (int i = 0; i < 6; ++i) {
        const double rr = r - i * band - band / 2;
        p.setPen(QPen(colours[i], band, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - rr, c.y() - rr, 2 * rr, 2 * rr), 0, 180 * 16);
    }
    p.setPen(QPen(outline, 1.3));
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, 180 * 16);
    const double ri = r - 6 * band;
    p.drawArc(QRectF(c.x() - ri, c.y() - ri, 2 * ri, 2 * ri), 0, 180 * 16);
}

void balloon(QPainter& p, QPointF c, double r, const QColor& fill, const QColor& outline) {
    Scope g(p);
    p.setPen(QPen(outline, 1.0));
    QPainterPath string;
    string.moveTo(c + QPointF(0, r * 1.2));
    string.cubicTo(c + QPointF(r * 0.4, r * 1.8), c + QPointF(-r * 0.4, r * 2.2),
                   c + QPointF(0, r * 2.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(string);
    p.setBrush(fill);
    p.setPen(QPen(outline, 1.3));
    p.drawEllipse(c, r, r * 1.18);
    p.drawPolygon(QPolygonF({c + QPointF(0, r * 1.12), c + QPointF(-r * 0.18, r * 1.32),
                             c + QPointF(r * 0.18, r * 1.32)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(c + QPointF(-r * 0.38, -r * 0.42), r * 0.18, r * 0.28);
}

void heart(QPainter& p, QPointF c, double s, const QColor& fill, const QColor& outline,
           double width) {
    Scope g(p);
    QPainterPath h;
    h.moveTo(c + QPointF(0, s * 0.42));
    h.cubicTo(c + QPointF(-s * 0.6, 0), c + QPointF(-s * 0.45, -s * 0.5), c + QPointF(0, -s * 0.2));
    h.cubicTo(c + QPointF(s * 0.45, -s * 0.5), c + QPointF(s * 0.6, 0), c + QPointF(0, s * 0.42));
    p.setPen(width > 0 ? QPen(outline, width) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(h);
}

// --- Cities ----------------------------------------------------------------------------

void building(QPainter& p, QRectF r, const QColor& body, const QColor& window, Rng& rng,
              double litChance, int roof) {
    Scope g(p);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRect(r);
    switch (roof % 4) {
        case 1:  // spire
            p.drawPolygon(QPolygonF({QPointF(r.left() + r.width() * 0.3, r.top()),
                                     QPointF(r.center().x(), r.top() - r.width() * 0.9),
                                     QPointF(r.right() - r.width() * 0.3, r.top())}));
            p.drawRect(QRectF(r.center().x() - 0.5, r.top() - r.width() * 1.3, 1, r.width() * 0.5));
            break;
        case 2:  // dome
            p.drawChord(QRectF(r.left() + r.width() * 0.1, r.top() - r.width() * 0.4,
                               r.width() * 0.8, r.width() * 0.8),
                        0, 180 * 16);
            break;
        case 3:  // stepped top
            p.drawRect(QRectF(r.left() + r.width() * 0.2, r.top() - r.width() * 0.3,
                              r.width() * 0.6, r.width() * 0.3));
            p.drawRect(QRectF(r.center().x() - 1, r.top() - r.width() * 0.7, 2, r.width() * 0.4));
            break;
        default:
            break;
    }
    // Windows on a grid, some lit.
    const double ww = 2, wh = 3, gx = 4, gy = 6;
    for (double y = r.top() + 4; y + wh < r.bottom() - 2; y += gy) {
        for (double x = r.left() + 3; x + ww <= r.right() - 2; x += gx) {
            if (rng.uniform() < litChance) {
                p.setBrush(window);
                p.drawRect(QRectF(x, y, ww, wh));
            }
        }
    }
}

void skyline(QPainter& p, QRectF area, const QColor& body, const QColor& window, Rng& rng,
             double litChance, double minH, double maxH) {
    double x = area.left() - rng.range(0, 8);
    while (x < area.right()) {
        const double w = rng.range(12, 26);
        const double h = rng.range(minH, maxH);
        building(p, QRectF(x, area.bottom() - h, w, h), body, window, rng, litChance, rng.pick(7));
        x += w + rng.range(-3, 2);
    }
}

void moon(QPainter& p, QPointF c, double r, const QColor& color, const QColor& sky) {
    Scope g(p);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(c, r, r);
    p.setBrush(sky);
    p.drawEllipse(c + QPointF(r * 0.45, -r * 0.25), r * 0.85, r * 0.85);
}

// --- Floral ----------------------------------------------------------------------------

void leaf(QPainter& p, QPointF base, double angle, double length, double width, const QColor& color,
          const QColor& vein) {
    Scope g(p);
    p.translate(base);
    p.rotate(angle);
    QPainterPath l;
    l.moveTo(0, 0);
    l.cubicTo(length * 0.3, -width, length * 0.75, -width * 0.8, length, 0);
    l.cubicTo(length * 0.75, width * 0.8, length * 0.3, width, 0, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(l);
    if (vein.alpha() > 0) {
        p.setPen(QPen(vein, std::max(0.6, width / 6)));
        p.drawLine(QPointF(length * 0.08, 0), QPointF(length * 0.85, 0));
    }
}

void flower(QPainter& p, QPointF c, double r, int petals, double angle, const QColor& petal,
            const QColor& centre) {
    Scope g(p);
    p.translate(c);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int i = 0; i < petals; ++i) {
        p.save();
        p.rotate(i * 360.0 / petals);
        p.drawEllipse(QPointF(0, -r * 0.55), r * 0.32, r * 0.5);
        p.restore();
    }
    p.setBrush(centre);
    p.drawEllipse(QPointF(0, 0), r * 0.3, r * 0.3);
}

void rose(QPainter& p, QPointF c, double r, const QColor& light, const QColor& dark) {
    Scope g(p);
    p.setPen(Qt::NoPen);
    // Outer petals, then a spiral of inner ones, darker towards the heart.
    p.setBrush(light);
    for (int i = 0; i < 5; ++i) {
        QPointF pc = polar(c, r * 0.42, i * 72 - 90);
        p.drawEllipse(pc, r * 0.55, r * 0.5);
    }
    p.setBrush(mix(light, dark, 0.35));
    p.drawEllipse(c, r * 0.62, r * 0.58);
    QPen swirl(dark, std::max(0.8, r / 8), Qt::SolidLine, Qt::RoundCap);
    p.setPen(swirl);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.5, c.y() - r * 0.45, r, r * 0.9), 30 * 16, 200 * 16);
    p.drawArc(QRectF(c.x() - r * 0.3, c.y() - r * 0.32, r * 0.6, r * 0.55), 210 * 16, 220 * 16);
    p.drawArc(QRectF(c.x() - r * 0.12, c.y() - r * 0.15, r * 0.26, r * 0.24), 0, 300 * 16);
}

void tulip(QPainter& p, QPointF base, double h, const QColor& petal, const QColor& stem) {
    Scope g(p);
    p.setPen(QPen(stem, std::max(1.0, h / 16), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base, base + QPointF(0, -h * 0.65));
    leaf(p, base + QPointF(0, -h * 0.1), -60, h * 0.45, h * 0.09, stem, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    const QPointF top = base + QPointF(0, -h * 0.65);
    QPainterPath cup;
    cup.moveTo(top + QPointF(-h * 0.17, -h * 0.3));
    cup.lineTo(top + QPointF(-h * 0.08, -h * 0.2));
    cup.lineTo(top + QPointF(0, -h * 0.33));
    cup.lineTo(top + QPointF(h * 0.08, -h * 0.2));
    cup.lineTo(top + QPointF(h * 0.17, -h * 0.3));
    cup.cubicTo(top + QPointF(h * 0.2, -h * 0.05), top + QPointF(h * 0.1, h * 0.02), top);
    cup.cubicTo(top + QPointF(-h * 0.1, h * 0.02), top + QPointF(-h * 0.2, -h * 0.05),
                top + QPointF(-h * 0.17, -h * 0.3));
    p.drawPath(cup);
}

// --- Jewels ----------------------------------------------------------------------------

void gem(QPainter& p, QPointF c, double r, Cut cut, const QColor& color) {
    Scope g(p);
    const QColor light = mix(color, Qt::white, 0.55), lighter = mix(color, Qt::white, 0.8);
    const QColor dark = mix(color, Qt::black, 0.35), darker = mix(color, Qt::black, 0.55);
    p.setPen(QPen(darker, std::max(0.7, r / 14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (cut) {
        case Cut::Round: {
            // Brilliant seen from the side: a table, a crown and a pavilion.
            const QPointF tl = c + QPointF(-r * 0.5, -r * 0.55),
                          tr = c + QPointF(r * 0.5, -r * 0.55);
            const QPointF gl = c + QPointF(-r, -r * 0.15), gr = c + QPointF(r, -r * 0.15);
            const QPointF tip = c + QPointF(0, r * 0.85);
            p.setBrush(light);
            p.drawPolygon(QPolygonF({tl, tr, gr, gl}));
            p.setBrush(lighter);
            p.drawPolygon(QPolygonF(
                {tl, tr, c + QPointF(r * 0.25, -r * 0.15), c + QPointF(-r * 0.25, -r * 0.15)}));
            p.setBrush(color);
            p.drawPolygon(QPolygonF({gl, c + QPointF(-r * 0.25, -r * 0.15), tip}));
            p.setBrush(dark);
            p.drawPolygon(QPolygonF(
                {c + QPointF(-r * 0.25, -r * 0.15), c + QPointF(r * 0.25, -r * 0.15), tip}));
            p.setBrush(darker);
            p.drawPolygon(QPolygonF({c + QPointF(r * 0.25, -r * 0.15), gr, tip}));
            break;
        }
        case Cut::Emerald: {
            const double w = r, h = r * 0.72, k = r * 0.28;
            QPolygonF outer({c + QPointF(-w + k, -h), c + QPointF(w - k, -h),
                             c + QPointF(w, -h + k), c + QPointF(w, h - k), c + QPointF(w - k, h),
                             c + QPointF(-w + k, h), c + QPointF(-w, h - k),
                             c + QPointF(-w, -h + k)});
            p.setBrush(dark);
            p.drawPolygon(outer);
            QPolygonF inner;
            for (const QPointF& q : outer)
                inner << c + (q - c) * 0.58;
            // Step facets: light on the upper left, dark on the lower right.
            p.setBrush(light);
            p.drawPolygon(QPolygonF({outer[7], outer[0], outer[1], inner[1], inner[0], inner[7]}));
            p.setBrush(color);
            p.drawPolygon(QPolygonF({outer[1], outer[2], outer[3], inner[3], inner[2], inner[1]}));
            p.setBrush(lighter);
            p.drawPolygon(inner);
            break;
        }
        case Cut::Marquise: {
            QPolygonF outer({c + QPointF(0, -r), c + QPointF(r * 0.55, 0), c + QPointF(0, r),
                             c + QPointF(-r * 0.55, 0)});
            p.setBrush(color);
            p.drawPolygon(outer);
            p.setBrush(light);
            p.drawPolygon(QPolygonF({outer[0], outer[3], c}));
            p.setBrush(dark);
            p.drawPolygon(QPolygonF({outer[1], outer[2], c}));
            break;
        }
        case Cut::Heart: {
            QPainterPath h;
            h.moveTo(c + QPointF(0, r * 0.85));
            h.cubicTo(c + QPointF(-r * 1.2, 0), c + QPointF(-r * 0.8, -r * 1.0),
                      c + QPointF(0, -r * 0.4));
            h.cubicTo(c + QPointF(r * 0.8, -r * 1.0), c + QPointF(r * 1.2, 0),
                      c + QPointF(0, r * 0.85));
            p.setBrush(color);
            p.drawPath(h);
            p.setBrush(light);
            p.setPen(Qt::NoPen);
            p.drawEllipse(c + QPointF(-r * 0.38, -r * 0.32), r * 0.2, r * 0.14);
            break;
        }
    }
    // A glint.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(c + QPointF(-r * 0.3, -r * 0.35), r * 0.1, r * 0.1);
}

void sparkle(QPainter& p, QPointF c, double r, const QColor& color) {
    Scope g(p);
    QPainterPath s;
    s.moveTo(c + QPointF(0, -r));
    s.quadTo(c, c + QPointF(r, 0));
    s.quadTo(c, c + QPointF(0, r));
    s.quadTo(c, c + QPointF(-r, 0));
    s.quadTo(c, c + QPointF(0, -r));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(s);
}

// --- Men -------------------------------------------------------------------------------

void bowTie(QPainter& p, QPointF c, double s, const QColor& color, const QColor& dark) {
    Scope g(p);
    p.setPen(QPen(dark, std::max(0.8, s / 16), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(color);
    QPainterPath l, r;
    l.moveTo(c + QPointF(-s * 0.1, -s * 0.08));
    l.cubicTo(c + QPointF(-s * 0.3, -s * 0.32), c + QPointF(-s * 0.5, -s * 0.3),
              c + QPointF(-s * 0.5, 0));
    l.cubicTo(c + QPointF(-s * 0.5, s * 0.3), c + QPointF(-s * 0.3, s * 0.32),
              c + QPointF(-s * 0.1, s * 0.08));
    l.closeSubpath();
    r = QTransform().translate(c.x(), c.y()).scale(-1, 1).translate(-c.x(), -c.y()).map(l);
    p.drawPath(l);
    p.drawPath(r);
    p.drawRoundedRect(QRectF(c.x() - s * 0.11, c.y() - s * 0.12, s * 0.22, s * 0.24), s * 0.05,
                      s * 0.05);
}

void topHat(QPainter& p, QPointF c, double s, const QColor& color, const QColor& band) {
    Scope g(p);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(QRectF(c.x() - s * 0.5, c.y() + s * 0.28, s, s * 0.12), s * 0.06, s * 0.06);
    QPainterPath crown;
    crown.moveTo(c + QPointF(-s * 0.3, s * 0.3));
    crown.lineTo(c + QPointF(-s * 0.33, -s * 0.42));
    crown.quadTo(c + QPointF(0, -s * 0.48), c + QPointF(s * 0.33, -s * 0.42));
    crown.lineTo(c + QPointF(s * 0.3, s * 0.3));
    crown.closeSubpath();
    p.drawPath(crown);
    p.setBrush(band);
    p.drawRect(QRectF(c.x() - s * 0.31, c.y() + s * 0.12, s * 0.62, s * 0.1));
}

void moustache(QPainter& p, QPointF c, double s, const QColor& color) {
    Scope g(p);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    for (int side : {-1, 1}) {
        QPainterPath m;
        m.moveTo(c);
        m.cubicTo(c + QPointF(side * s * 0.12, -s * 0.2), c + QPointF(side * s * 0.35, -s * 0.2),
                  c + QPointF(side * s * 0.42, 0));
        m.cubicTo(c + QPointF(side * s * 0.48, s * 0.06), c + QPointF(side * s * 0.55, -s * 0.02),
                  c + QPointF(side * s * 0.52, -s * 0.1));
        m.cubicTo(c + QPointF(side * s * 0.58, s * 0.12), c + QPointF(side * s * 0.3, s * 0.2),
                  c + QPointF(0, s * 0.06));
        m.closeSubpath();
        p.drawPath(m);
    }
}

void glasses(QPainter& p, QPointF c, double s, const QColor& color) {
    Scope g(p);
    p.setPen(QPen(color, std::max(1.0, s / 14)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c + QPointF(-s * 0.25, 0), s * 0.2, s * 0.16);
    p.drawEllipse(c + QPointF(s * 0.25, 0), s * 0.2, s * 0.16);
    p.drawArc(QRectF(c.x() - s * 0.07, c.y() - s * 0.06, s * 0.14, s * 0.1), 20 * 16, 140 * 16);
    p.drawLine(c + QPointF(-s * 0.45, -s * 0.03), c + QPointF(-s * 0.52, -s * 0.08));
    p.drawLine(c + QPointF(s * 0.45, -s * 0.03), c + QPointF(s * 0.52, -s * 0.08));
}

void gentleman(QPainter& p, QRectF b, const QColor& suit, const QColor& shirt, const QColor& skin,
               const QColor& hair, const QColor& tie) {
    Scope g(p);
    p.translate(b.topLeft());
    p.scale(b.width() / 100.0, b.height() / 120.0);
    p.setPen(Qt::NoPen);
    // Shoulders and jacket.
    QPainterPath jacket;
    jacket.moveTo(4, 120);
    jacket.cubicTo(4, 92, 18, 80, 36, 76);
    jacket.lineTo(64, 76);
    jacket.cubicTo(82, 80, 96, 92, 96, 120);
    jacket.closeSubpath();
    p.setBrush(suit);
    p.drawPath(jacket);
    // Shirt front.
    p.setBrush(shirt);
    p.drawPolygon(QPolygonF({QPointF(38, 76), QPointF(62, 76), QPointF(50, 112)}));
    // Lapels.
    p.setBrush(mix(suit, Qt::black, 0.25));
    p.drawPolygon(QPolygonF({QPointF(36, 76), QPointF(44, 78), QPointF(50, 112), QPointF(32, 90)}));
    p.drawPolygon(QPolygonF({QPointF(64, 76), QPointF(56, 78), QPointF(50, 112), QPointF(68, 90)}));
    // Neck and head.
    p.setBrush(skin);
    p.drawRect(QRectF(43, 58, 14, 20));
    p.drawEllipse(QPointF(50, 42), 17, 21);
    p.drawEllipse(QPointF(33, 44), 3, 5);
    p.drawEllipse(QPointF(67, 44), 3, 5);
    // Hair, neatly parted.
    p.setBrush(hair);
    QPainterPath h;
    h.moveTo(32, 40);
    h.cubicTo(28, 16, 44, 14, 52, 17);
    h.cubicTo(64, 14, 72, 22, 68, 40);
    h.cubicTo(66, 30, 60, 26, 50, 26);
    h.cubicTo(42, 27, 36, 30, 32, 40);
    p.drawPath(h);
    moustache(p, QPointF(50, 52), 22, hair);
    bowTie(p, QPointF(50, 80), 22, tie, mix(tie, Qt::black, 0.4));
}

void pocketWatch(QPainter& p, QPointF c, double r, const QColor& gold, const QColor& face) {
    Scope g(p);
    p.setPen(QPen(mix(gold, Qt::black, 0.3), std::max(0.8, r / 10)));
    p.setBrush(gold);
    p.drawEllipse(c, r, r);
    p.drawEllipse(c + QPointF(0, -r * 1.15), r * 0.18, r * 0.18);
    p.setBrush(face);
    p.drawEllipse(c, r * 0.78, r * 0.78);
    p.setPen(QPen(mix(gold, Qt::black, 0.5), std::max(0.8, r / 10), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, -r * 0.55));
    p.drawLine(c, c + QPointF(r * 0.4, r * 0.1));
}

// --- Nature ----------------------------------------------------------------------------

void tree(QPainter& p, QPointF base, double h, const QColor& canopy, const QColor& trunk) {
    Scope g(p);
    p.setPen(Qt::NoPen);
    p.setBrush(trunk);
    p.drawRect(QRectF(base.x() - h * 0.05, base.y() - h * 0.45, h * 0.1, h * 0.45));
    p.setBrush(canopy);
    p.drawEllipse(base + QPointF(0, -h * 0.66), h * 0.3, h * 0.3);
    p.drawEllipse(base + QPointF(-h * 0.2, -h * 0.5), h * 0.2, h * 0.18);
    p.drawEllipse(base + QPointF(h * 0.2, -h * 0.52), h * 0.2, h * 0.18);
    p.setBrush(mix(canopy, Qt::white, 0.25));
    p.drawEllipse(base + QPointF(-h * 0.1, -h * 0.78), h * 0.1, h * 0.08);
}

void pine(QPainter& p, QPointF base, double h, const QColor& color, const QColor& trunk) {
    Scope g(p);
    p.setPen(Qt::NoPen);
    p.setBrush(trunk);
    p.drawRect(QRectF(base.x() - h * 0.04, base.y() - h * 0.15, h * 0.08, h * 0.15));
    p.setBrush(color);
    for (int i = 0; i < 3; ++i) {
        const double y0 = base.y() - h * 0.12 - i * h * 0.26, w = h * (0.32 - i * 0.07);
        p.drawPolygon(QPolygonF({QPointF(base.x() - w, y0), QPointF(base.x() + w, y0),
                                 QPointF(base.x(), y0 - h * 0.42)}));
    }
}

void hill(QPainter& p, QRectF a, double phase, double amp, const QColor& color) {
    Scope g(p);
    QPainterPath path;
    path.moveTo(a.left(), a.bottom());
    for (double x = a.left(); x <= a.right() + 1; x += 2) {
        const double t = (x - a.left()) / a.width();
        const double y = a.top() + amp * (0.5 - 0.5 * std::cos(2 * kPi * (t * 1.3 + phase))) +
                         amp * 0.25 * std::sin(2 * kPi * (t * 3.1 + phase * 2));
        path.lineTo(x, y);
    }
    path.lineTo(a.right() + 1, a.bottom());
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(path);
}

void sun(QPainter& p, QPointF c, double r, const QColor& color, const QColor& rays) {
    Scope g(p);
    p.setPen(QPen(rays, std::max(1.0, r / 6), Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i)
        p.drawLine(polar(c, r * 1.3, i * 30), polar(c, r * 1.65, i * 30));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(c, r, r);
}

}  // namespace artgen::motif
