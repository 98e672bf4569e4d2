#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QPainter;

namespace velmora {

// Draws `text` into `rect` with Qt's alignment `flags`, as QPainter::drawText does. Every
// text a screen draws (rather than shows in a control) goes through here, so that a check can
// hear of each one and whether it fits: `need` and `room` are widths, or heights for
// word-wrapped text. Only the part of `rect` on the 240-pixel screen counts as room.
void DrawScreenText(QPainter& p, const QRect& rect, int flags, const QString& text);

using DrawnTextListener = std::function<void(const QString& text, int need, int room)>;
// Installs the listener (none: nobody listens) and returns the one before.
DrawnTextListener SetDrawnTextListener(DrawnTextListener listener);

}  // namespace velmora
