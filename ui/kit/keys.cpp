#include "ui/kit/keys.h"

#include <QShortcut>
#include <QWidget>

namespace velmora {

void AddScreenKey(QWidget* screen, const QKeySequence& key, std::function<void()> action) {
    auto* shortcut = new QShortcut(key, screen);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, screen, std::move(action));
}

}  // namespace velmora
