#pragma once

#include <QKeySequence>
#include <functional>

class QWidget;

namespace velmora {

// `key` anywhere in `screen`'s window does `action`, as the screen's own button for it does.
void AddScreenKey(QWidget* screen, const QKeySequence& key, std::function<void()> action);
// F1: the screen's Help.
inline void AddHelpKey(QWidget* screen, std::function<void()> help) {
    AddScreenKey(screen, QKeySequence(Qt::Key_F1), std::move(help));
}

}  // namespace velmora
