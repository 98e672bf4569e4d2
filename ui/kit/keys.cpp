#include "ui/kit/keys.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QSet>
#include <QShortcut>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace velmora {

void AddScreenKey(QWidget* screen, const QKeySequence& key, std::function<void()> action) {
    auto* shortcut = new QShortcut(key, screen);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, screen, std::move(action));
}

void OrderTabsByReading(QWidget* screen) {
    struct Field {
        QWidget* widget;
        QRect area;  // in the screen's coordinates
    };
    // Fields are where the layouts put them, before the screen is first shown too: each
    // layout from the outside in.
    const QList<QWidget*> children = screen->findChildren<QWidget*>();
    for (QWidget* widget : QList<QWidget*>{screen} + children) {
        if (widget->layout()) {
            widget->layout()->activate();
        }
    }
    std::vector<Field> fields;
    for (QWidget* widget : children) {
        // The screen's own fields: not a list's popup, not a part that hands its focus on.
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() &&
            widget->window() == screen) {
            fields.push_back({widget, QRect(widget->mapTo(screen, QPoint()), widget->size())});
        }
    }
    std::stable_sort(fields.begin(), fields.end(),
                     [](const Field& a, const Field& b) { return a.area.top() < b.area.top(); });
    // A row is every field that starts above the middle of the row's first one (a field
    // without height still makes a row of its own).
    for (auto row = fields.begin(); row != fields.end();) {
        const int middle = std::max(row->area.top(), row->area.center().y());
        auto end = std::find_if(row, fields.end(),
                                [middle](const Field& f) { return f.area.top() > middle; });
        std::stable_sort(
            row, end, [](const Field& a, const Field& b) { return a.area.left() < b.area.left(); });
        row = end;
    }
    for (size_t i = 1; i < fields.size(); ++i) {
        QWidget::setTabOrder(fields[i - 1].widget, fields[i].widget);
    }
}

void AssignMnemonics(QMenu* menu) {
    const QList<QAction*> actions = menu->actions();
    // An item with an ampersand has its mnemonic (or means the sign itself): left as it is.
    QSet<QChar> taken;
    for (const QAction* action : actions) {
        const QString& text = action->text();
        const qsizetype at = text.indexOf(u'&');
        if (at >= 0 && at + 1 < text.size() && text[at + 1] != u'&') {
            taken.insert(text[at + 1].toLower());
        }
    }
    for (QAction* action : actions) {
        if (action->menu()) {
            AssignMnemonics(action->menu());
        }
        const QString text = action->text();
        if (action->isSeparator() || text.isEmpty() || text.contains(u'&')) {
            continue;
        }
        // Word starts first, then any letter or digit.
        qsizetype chosen = -1;
        for (const bool wordStart : {true, false}) {
            for (qsizetype i = 0; i < text.size() && chosen < 0; ++i) {
                const bool starts = i == 0 || !text[i - 1].isLetterOrNumber();
                if (text[i].isLetterOrNumber() && (starts || !wordStart) &&
                    !taken.contains(text[i].toLower())) {
                    chosen = i;
                }
            }
        }
        if (chosen >= 0) {
            taken.insert(text[chosen].toLower());
            action->setText(QString(text).insert(chosen, u'&'));
        }
    }
}

}  // namespace velmora
