#include "ui/kit/commandbar.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

#include "gfx/resourceimages.h"
#include "ui/kit/fonts.h"

namespace velmora {

CCommandBar::CCommandBar(QWidget* parent) : QWidget(parent), m_layout(new QHBoxLayout(this)) {
    m_layout->setContentsMargins(1, 1, 1, 1);
    m_layout->setSpacing(0);
    setFixedHeight(kCommandBarHeight);
    setAutoFillBackground(true);
    setObjectName(QString::number(0xE800));
    // The bar is 240 pixels wide on the handheld: small type, tight padding, so menus,
    // both lists and the buttons fit in one row.
    setFont(DialogFont());
    setStyleSheet(
        "QToolButton { padding: 1px 1px; margin: 0px; }"
        "QToolButton::menu-indicator { image: none; width: 0px; }"
        "QComboBox { padding: 0px 0px 0px 2px; min-height: 18px; }"
        "QComboBox::drop-down { width: 10px; border: none; }"
        "QComboBox::down-arrow { width: 6px; height: 6px; }");
}

QToolButton* CCommandBar::AddMenuButton(const QString& title, QMenu* menu) {
    auto* button = new QToolButton(this);
    button->setText(title);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    connect(menu, &QMenu::triggered, this, [this](QAction* a) {
        if (a->data().isValid()) {
            emit commandTriggered(a->data().toInt());
        }
    });
    m_layout->addWidget(button);
    return button;
}

QComboBox* CCommandBar::AddCombo(int controlId, int width) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::number(controlId));
    combo->setFixedWidth(width);
    combo->setMaxVisibleItems(12);
    m_layout->addWidget(combo);
    return combo;
}

std::vector<QToolButton*> CCommandBar::AddTools(int toolbarId, const std::vector<Tool>& tools,
                                                QSize buttonSize) {
    const auto icons = ToolbarIcons(toolbarId, static_cast<int>(tools.size()));
    std::vector<QToolButton*> out;
    for (size_t i = 0; i < tools.size(); ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::number(tools[i].command));
        button->setIcon(icons[i]);
        button->setIconSize(buttonSize);
        button->setFixedSize(buttonSize + QSize(4, 4));
        button->setToolTip(tools[i].tip);
        button->setAccessibleName(tools[i].tip);  // a picture without words
        button->setAutoRaise(true);
        const int command = tools[i].command;
        connect(button, &QToolButton::clicked, this, [this, command] {
            emit commandTriggered(command);
        });
        m_layout->addWidget(button);
        m_tools.emplace_back(command, button);
        out.push_back(button);
    }
    return out;
}

void CCommandBar::AddStretch() {
    m_layout->addStretch(1);
}

QToolButton* CCommandBar::ToolButton(int command) const {
    for (const auto& [id, button] : m_tools) {
        if (id == command) {
            return button;
        }
    }
    return nullptr;
}

void CCommandBar::Trigger(int command) {
    emit commandTriggered(command);
}

void AddMenuCommand(QMenu* menu, const QString& text, int command) {
    QAction* action = menu->addAction(text);
    action->setData(command);
    action->setObjectName(QString::number(command));
}

}  // namespace velmora
