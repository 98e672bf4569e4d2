// Vector motifs the skins are built from. Each draws with the painter's current transform,
// antialiased, in the colours it is given, and leaves the painter as it found it.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

#include "canvas.h"

namespace artgen::motif {

// Animals
void pawPrint(QPainter& p, QPointF c, double size, double angle, const QColor& color);
void catSitting(QPainter& p, QRectF box, const QColor& body, const QColor& detail);
void catHead(QPainter& p, QPointF c, double size, const QColor& color);
void bunnyHead(QPainter& p, QPointF c, double size, const QColor& color);
void bird(QPainter& p, QPointF c, double size, const QColor& body, const QColor& wing,
          bool facingLeft = false);
void yarnBall(QPainter& p, QPointF c, double r, const QColor& color, const QColor& line);
void butterfly(QPainter& p, QPointF c, double size, double angle, const QColor& wing,
               const QColor& body);
void fish(QPainter& p, QPointF c, double size, const QColor& color);

// Cartoon
void star(QPainter& p, QPointF c, double outer, double inner, int points, double angle,
          const QColor& fill, const QColor& outline, double outlineWidth);
void cloud(QPainter& p, QRectF box, const QColor& fill, const QColor& outline, double width);
void sunFace(QPainter& p, QPointF c, double r, const QColor& fill, const QColor& outline);
void rainbow(QPainter& p, QPointF c, double r, double band, const QColor& outline);
void balloon(QPainter& p, QPointF c, double r, const QColor& fill, const QColor& outline);
void heart(QPainter& p, QPointF c, double size, const QColor& fill, const QColor& outline,
           double width);

// Cities
void building(QPainter& p, QRectF r, const QColor& body, const QColor& window, Rng& rng,
              double litChance, int roof);
void skyline(QPainter& p, QRectF area, const QColor& body, const QColor& window, Rng& rng,
             double litChance, double minH, double maxH);
void moon(QPainter& p, QPointF c, double r, const QColor& color, const QColor& sky);

// Floral
void leaf(QPainter& p, QPointF base, double angle, double length, double width, const QColor& color,
          const QColor& vein);
void flower(QPainter& p, QPointF c, double r, int petals, double angle, const QColor& petal,
            const QColor& centre);
void rose(QPainter& p, QPointF c, double r, const QColor& light, const QColor& dark);
void tulip(QPainter& p, QPointF base, double height, const QColor& petal, const QColor& stem);

// Jewels
enum class Cut { Round, Emerald, Marquise, Heart };
void gem(QPainter& p, QPointF c, double r, Cut cut, const QColor& color);
void sparkle(QPainter& p, QPointF c, double r, const QColor& color);

// Men
void bowTie(QPainter& p, QPointF c, double size, const QColor& color, const QColor& dark);
void topHat(QPainter& p, QPointF c, double size, const QColor& color, const QColor& band);
void moustache(QPainter& p, QPointF c, double size, const QColor& color);
void glasses(QPainter& p, QPointF c, double size, const QColor& color);
void gentleman(QPainter& p, QRectF box, const QColor& suit, const QColor& shirt, const QColor& skin,
               const QColor& hair, const QColor& tie);
void pocketWatch(QPainter& p, QPointF c, double r, const QColor& gold, const QColor& face);

// Nature
void tree(QPainter& p, QPointF base, double height, const QColor& canopy, const QColor& trunk);
void pine(QPainter& p, QPointF base, double height, const QColor& color, const QColor& trunk);
void hill(QPainter& p, QRectF area, double phase, double amplitude, const QColor& color);
void sun(QPainter& p, QPointF c, double r, const QColor& color, const QColor& rays);

}  // namespace artgen::motif
