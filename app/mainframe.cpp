#include "app/mainframe.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>
#include <span>
#include <vector>

#include "platform/clock.h"
#include "store/names.h"
#include "store/settings.h"
#include "ui/calendarview.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/help.h"
#include "ui/kit/keys.h"
#include "ui/kit/text.h"
#include "ui/kit/zoom.h"

namespace velmora {

namespace {

// The menus: each button's title and its items in order (command 0 is a separator line).
struct MenuEntry {
    int command;
    const char* text;
};
constexpr MenuEntry kSeparator{0, nullptr};
constexpr MenuEntry kMainMenu[] = {
    {kCmdMyDiary, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Мой дневник")},
    kSeparator,
    {kCmdCycleBar, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Панель циклов")},
    {kCmdCycleChart, QT_TRANSLATE_NOOP("velmora::CMainFrame", "График циклов")},
    {kCmdCycleHistory, QT_TRANSLATE_NOOP("velmora::CMainFrame", "История циклов")},
    kSeparator,
    {kCmdTemperatureChart, QT_TRANSLATE_NOOP("velmora::CMainFrame", "График температуры")},
    {kCmdTemperatureHistory, QT_TRANSLATE_NOOP("velmora::CMainFrame", "История температуры")},
    {kCmdWeightChart, QT_TRANSLATE_NOOP("velmora::CMainFrame", "График веса")},
    {kCmdWeightHistory, QT_TRANSLATE_NOOP("velmora::CMainFrame", "История веса")},
    {kCmdAlarmHistory, QT_TRANSLATE_NOOP("velmora::CMainFrame", "История сигналов")},
    kSeparator,
    {kCmdGoToToday, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Go To Today")},
    kSeparator,
    {kCmdExit, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Выход ")},
};
constexpr MenuEntry kServiceMenu[] = {
    {kCmdYearView, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Календарь")},
    {kCmdSettings, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Настройки программы")},
    {kCmdScale, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Шкала Вес | Рост")},
    {kCmdMirror, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Зеркало")},
    {kCmdPassword, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Пароль")},
    kSeparator,
    {kCmdExport, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Экспорт…")},
    {kCmdImport, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Импорт…")},
    {kCmdBackupNow, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Back up now…")},
    {kCmdRestore, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Restore…")},
    kSeparator,
    {kCmdStatistics, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Статистика")},
    {kCmdDoctorReport, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Отчёт для врача…")},
    {kCmdExportPredictions, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Прогноз в календарь…")},
    kSeparator,
};
constexpr MenuEntry kHelpMenu[] = {
    {kCmdHelp, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Помощь")},
    {kCmdAbout, QT_TRANSLATE_NOOP("velmora::CMainFrame", "О программе")},
};
struct MenuButton {
    const char* title;
    std::span<const MenuEntry> entries;
};
const MenuButton kMenuButtons[] = {
    {QT_TRANSLATE_NOOP("velmora::CMainFrame", "&Главное"), kMainMenu},
    {QT_TRANSLATE_NOOP("velmora::CMainFrame", "&Сервис"), kServiceMenu},
    {"&?", kHelpMenu},
};

struct ToolTip {
    int command;
    const char* tip;
};
constexpr ToolTip kToolTips[] = {
    {kCmdPreviousMonth, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Previous month")},
    {kCmdNextMonth, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Next month")},
    {kCmdCalendarHelp, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Help")},
};

constexpr char kZoomTitle[] = QT_TRANSLATE_NOOP("velmora::CMainFrame", "&Zoom");
constexpr char kZoomAutomaticText[] = QT_TRANSLATE_NOOP("velmora::CMainFrame", "Automatic");

// The property that keeps a menu button's source title, for a change of language.
constexpr char kSourceText[] = "velmoraSourceText";

}  // namespace

CMainFrame::CMainFrame(CVelmoraMFCDoc& doc) {
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_view = new CVelmoraMFCView(doc, client);
    m_view->AttachFrame(this);
    layout->addWidget(m_view);

    m_bar = new CCommandBar(client);
    for (const MenuButton& button : kMenuButtons) {
        auto* menu = new QMenu(m_bar);
        for (const MenuEntry& entry : button.entries) {
            if (entry.command == 0) {
                menu->addSeparator();
            } else {
                AddMenuCommand(menu, tr(entry.text), entry.command);
            }
        }
        if (button.entries.data() == kServiceMenu) {
            AddZoomMenu(menu);
        }
        m_bar->AddMenuButton(tr(button.title), menu)->setProperty(kSourceText, button.title);
    }

    MonthCombo = m_bar->AddCombo(kMonthComboId, 40);
    YearCombo = m_bar->AddCombo(kYearComboId, 46);
    std::vector<CCommandBar::Tool> tools;
    for (const ToolTip& tool : kToolTips) {
        tools.push_back({tool.command, tr(tool.tip)});
    }
    m_bar->AddTools(133, tools, QSize(10, 16));
    m_bar->AddStretch();

    for (const char* name : MonthAbbrevs) {
        MonthCombo->addItem(TrName(name));
    }
    for (int year = FirstYear(); year <= LastYear(); ++year) {
        YearCombo->addItem(QString::asprintf("%d", year));
    }
    const LocalTime now = Clock::Now().Local();
    SelectMonth(now.month, now.year);
    for (QComboBox* combo : {MonthCombo, YearCombo}) {
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this] { m_view->OnSelectionChanged(); });
    }
    connect(m_bar, &CCommandBar::commandTriggered, this, &CMainFrame::HandleCommand);
    layout->addWidget(m_bar);
    AssignMenuMnemonics();

    setCentralWidget(client);
    // Hidden until the calendar has shown the start picture.
    m_bar->hide();
    setFixedSize(kScreenWidth, kScreenHeight + kCommandBarHeight);
    setWindowTitle("Velmora Plus");
    AddHelpKey(this, [this] { HandleCommand(kCmdCalendarHelp); });
}

void CMainFrame::AddZoomMenu(QMenu* service) {
    m_zoomMenu = service->addMenu(tr(kZoomTitle));
    auto* group = new QActionGroup(m_zoomMenu);
    for (int choice = kZoomAutomatic; choice < kZoomChoiceCount; ++choice) {
        const int command = kCmdZoomAutomatic + choice;
        QAction* action = m_zoomMenu->addAction(choice == kZoomAutomatic ? tr(kZoomAutomaticText)
                                                                         : ZoomName(choice));
        action->setObjectName(QString::number(command));
        action->setCheckable(true);
        group->addAction(action);
        // Sent here, not through the command bar's menu (which hears a submenu's items only
        // when they are chosen through it).
        connect(action, &QAction::triggered, this, [this, command] { HandleCommand(command); });
    }
    // The tick shows the setting, however it was last changed.
    connect(m_zoomMenu, &QMenu::aboutToShow, this, [this] {
        const QList<QAction*> actions = m_zoomMenu->actions();
        for (int i = 0; i < actions.size(); ++i) {
            actions[i]->setChecked(i == AppSettings.Zoom);
        }
    });
}

CMainFrame::~CMainFrame() {
    MonthCombo = nullptr;
    YearCombo = nullptr;
}

void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QMainWindow::changeEvent(event);
}

void CMainFrame::Retranslate() {
    for (QToolButton* button : m_bar->findChildren<QToolButton*>()) {
        const QVariant source = button->property(kSourceText);
        if (source.isValid()) {
            button->setText(tr(source.toByteArray().constData()));
        }
    }
    for (const MenuButton& menu : kMenuButtons) {
        for (const MenuEntry& entry : menu.entries) {
            const QString name = QString::number(entry.command);
            for (QAction* action : m_bar->findChildren<QAction*>(name)) {
                action->setText(tr(entry.text));
            }
        }
    }
    for (const ToolTip& tool : kToolTips) {
        if (QToolButton* button = m_bar->ToolButton(tool.command)) {
            button->setToolTip(tr(tool.tip));
            button->setAccessibleName(tr(tool.tip));
        }
    }
    m_zoomMenu->setTitle(tr(kZoomTitle));
    m_zoomMenu->actions().front()->setText(tr(kZoomAutomaticText));
    AssignMenuMnemonics();
    for (int i = 0; i < MonthCombo->count() && i < 12; ++i) {
        MonthCombo->setItemText(i, TrName(MonthAbbrevs[i]));
    }
}

void CMainFrame::AssignMenuMnemonics() {
    for (QMenu* menu : m_bar->findChildren<QMenu*>()) {
        AssignMnemonics(menu);
    }
}

void CMainFrame::ShowCommandBar(bool show) {
    m_bar->setVisible(show);
}

void CMainFrame::HandleCommand(int command) {
    if (m_view->OnCommand(command)) {
        return;
    }
    if (command == kCmdExit) {
        close();
        return;
    }
    emit commandTriggered(command);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closing();
}

}  // namespace velmora
