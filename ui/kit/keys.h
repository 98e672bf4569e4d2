#pragma once

#include <QKeySequence>
#include <functional>

class QMenu;
class QWidget;

namespace velmora {

// `key` anywhere in `screen`'s window does `action`, as the screen's own button for it does.
void AddScreenKey(QWidget* screen, const QKeySequence& key, std::function<void()> action);
// F1: the screen's Help.
inline void AddHelpKey(QWidget* screen, std::function<void()> help) {
    AddScreenKey(screen, QKeySequence(Qt::Key_F1), std::move(help));
}

// Tab moves through `screen`'s fields as a person reads them: row by row, each row from left
// to right.
void OrderTabsByReading(QWidget* screen);

// Gives every item of `menu` (and of its submenus) that has none a mnemonic of its own: the
// first letter of a word that no other item of the menu has taken, else any free letter.
void AssignMnemonics(QMenu* menu);

}  // namespace velmora
