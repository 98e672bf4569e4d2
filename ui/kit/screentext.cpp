#include "ui/kit/screentext.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace velmora {

namespace {
constexpr int kScreenRight = 240;

DrawnTextListener& Listener() {
    static DrawnTextListener listener;
    return listener;
}
}  // namespace

void DrawScreenText(QPainter& p, const QRect& rect, int flags, const QString& text) {
    p.drawText(rect, flags, text);
    if (!Listener() || text.isEmpty()) {
        return;
    }
    const QFontMetrics metrics(p.font());
    const QRect onScreen(rect.left(), rect.top(),
                         std::max(0, std::min(rect.right() + 1, kScreenRight) - rect.left()),
                         rect.height());
    if (flags & Qt::TextWordWrap) {
        const QRect needed = metrics.boundingRect(onScreen, flags, text);
        Listener()(text, needed.height(), onScreen.height());
    } else {
        Listener()(text, metrics.horizontalAdvance(text), onScreen.width());
    }
}

DrawnTextListener SetDrawnTextListener(DrawnTextListener listener) {
    DrawnTextListener previous = std::move(Listener());
    Listener() = std::move(listener);
    return previous;
}

}  // namespace velmora
