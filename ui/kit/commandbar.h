#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <vector>

class QComboBox;
class QHBoxLayout;
class QMenu;
class QToolButton;

namespace velmora {

// A command bar: the strip at the bottom of a screen with its menu buttons, drop-down lists
// and tool buttons. Every button and menu item sends its command id as commandTriggered.
class CCommandBar : public QWidget {
    Q_OBJECT

public:
    explicit CCommandBar(QWidget* parent = nullptr);

    struct Tool {
        int command;
        QString tip;
    };

    // A button that opens `menu`; the menu's actions carry their command ids as data.
    QToolButton* AddMenuButton(const QString& title, QMenu* menu);
    // A drop-down list `width` pixels wide, found by its control id.
    QComboBox* AddCombo(int controlId, int width);
    // The buttons of tool-bar strip `toolbarId`, each `buttonSize` large, in command order.
    std::vector<QToolButton*> AddTools(int toolbarId, const std::vector<Tool>& tools,
                                       QSize buttonSize);
    void AddStretch();

    // The button or menu item of `command` (tests press them).
    QToolButton* ToolButton(int command) const;
    void Trigger(int command);

signals:
    void commandTriggered(int command);

private:
    QHBoxLayout* m_layout;
    std::vector<std::pair<int, QToolButton*>> m_tools;
};

// Adds a menu item that sends `command`.
void AddMenuCommand(QMenu* menu, const QString& text, int command);

inline constexpr int kCommandBarHeight = 26;

}  // namespace velmora
