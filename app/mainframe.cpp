#include "app/mainframe.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QMenu>
#include <QVBoxLayout>

#include "platform/clock.h"
#include "store/names.h"
#include "ui/calendarview.h"
#include "ui/kit/commandbar.h"

namespace velmora {

CMainFrame::CMainFrame(CVelmoraMFCDoc& doc) {
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_view = new CVelmoraMFCView(doc, client);
    m_view->AttachFrame(this);
    layout->addWidget(m_view);

    m_bar = new CCommandBar(client);
    auto* main = new QMenu(m_bar);
    AddMenuCommand(main, "Мой дневник", kCmdMyDiary);
    main->addSeparator();
    AddMenuCommand(main, "Панель циклов", kCmdCycleBar);
    AddMenuCommand(main, "График циклов", kCmdCycleChart);
    AddMenuCommand(main, "История циклов", kCmdCycleHistory);
    main->addSeparator();
    AddMenuCommand(main, "График температуры", kCmdTemperatureChart);
    AddMenuCommand(main, "История температуры", kCmdTemperatureHistory);
    AddMenuCommand(main, "График веса", kCmdWeightChart);
    AddMenuCommand(main, "История веса", kCmdWeightHistory);
    AddMenuCommand(main, "История сигналов", kCmdAlarmHistory);
    main->addSeparator();
    AddMenuCommand(main, "Go To Today", kCmdGoToToday);
    main->addSeparator();
    AddMenuCommand(main, "Выход ", kCmdExit);
    auto* service = new QMenu(m_bar);
    AddMenuCommand(service, "Календарь", kCmdYearView);
    AddMenuCommand(service, "Настройки программы", kCmdSettings);
    AddMenuCommand(service, "Шкала Вес | Рост", kCmdScale);
    AddMenuCommand(service, "Зеркало", kCmdMirror);
    AddMenuCommand(service, "Пароль", kCmdPassword);
    auto* help = new QMenu(m_bar);
    AddMenuCommand(help, "Помощь", kCmdHelp);
    AddMenuCommand(help, "О программе", kCmdAbout);
    m_bar->AddMenuButton("&Главное", main);
    m_bar->AddMenuButton("&Сервис", service);
    m_bar->AddMenuButton("&?", help);

    MonthCombo = m_bar->AddCombo(kMonthComboId, 40);
    YearCombo = m_bar->AddCombo(kYearComboId, 46);
    m_bar->AddTools(133,
                    {{kCmdPreviousMonth, "Previous month"},
                     {kCmdNextMonth, "Next month"},
                     {kCmdCalendarHelp, "Help"}},
                    QSize(10, 16));
    m_bar->AddStretch();

    for (const char* name : MonthAbbrevs) {
        MonthCombo->addItem(name);
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

    setCentralWidget(client);
    // Hidden until the calendar has shown the start picture.
    m_bar->hide();
    setFixedSize(kScreenWidth, kScreenHeight + kCommandBarHeight);
    setWindowTitle("Velmora Plus");
}

CMainFrame::~CMainFrame() {
    MonthCombo = nullptr;
    YearCombo = nullptr;
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
