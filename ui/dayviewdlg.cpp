#include "ui/dayviewdlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QTabBar>
#include <QVBoxLayout>
#include <functional>

#include "gfx/fastbitmap.h"
#include "gfx/imagebutton.h"
#include "gfx/resourceimages.h"
#include "gfx/screenbuffer.h"
#include "platform/calendar.h"
#include "platform/messagebox.h"
#include "reminders/sharedstate.h"
#include "store/names.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "ui/alarmsetupdlg.h"
#include "ui/dayviewpages.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/fonts.h"
#include "ui/kit/help.h"
#include "ui/kit/keys.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/modal.h"
#include "ui/kit/text.h"
#include "ui/kit/titles.h"

namespace velmora {

namespace {

constexpr int kTabHeight = 22;
const QColor kTabFill(255, 242, 223);
const QColor kTabSelectedText(0, 0, 255);
const QColor kTabText(50, 50, 50);
const QColor kTabEdge(150, 140, 130);
// The edge the system draws around a tab item: the item's content starts below it.
constexpr int kEdgeHeight = 2;

const char* const kSportItems[] = {
    QT_TRANSLATE_NOOP("Names", "Плавание "), QT_TRANSLATE_NOOP("Names", "Фитнесс"),
    QT_TRANSLATE_NOOP("Names", "Йога"),      QT_TRANSLATE_NOOP("Names", "Теннис"),
    QT_TRANSLATE_NOOP("Names", "Волейбол"),  QT_TRANSLATE_NOOP("Names", "Баскетбол"),
    QT_TRANSLATE_NOOP("Names", "Другое")};
const char* const kAcheItems[] = {
    QT_TRANSLATE_NOOP("Names", "Зубн.боль"), QT_TRANSLATE_NOOP("Names", "Боль в жив."),
    QT_TRANSLATE_NOOP("Names", "Головная"), QT_TRANSLATE_NOOP("Names", "Другое")};

// The nine check-box icons: picture, and where each is drawn.
struct IconPlace {
    int picture;
    int x;
    int y;
};
constexpr IconPlace kIcons[9] = {
    {216, 20, 162},   // alarm
    {215, 20, 184},   // sport
    {221, 20, 206},   // sex
    {214, 20, 228},   // bloating
    {223, 20, 250},   // doctor
    {218, 138, 184},  // ache
    {222, 138, 206},  // protection
    {238, 138, 228},  // PMS
    {220, 138, 250},  // cramps
};

// Selects the item that the stored kind text names (exactly, else the first item it begins,
// as the handheld's lists did); nothing when none matches ("Sport", "Ache"). The diary keeps
// the program's own text of an item (its data), whatever language the list shows.
void SelectKind(QComboBox* list, const CString& kind) {
    const QString text = ToQString(kind);
    int index = list->findData(text, Qt::UserRole, Qt::MatchExactly);
    if (index < 0 && !text.isEmpty()) {
        index = list->findData(text, Qt::UserRole, Qt::MatchStartsWith);
    }
    list->setCurrentIndex(index);
}

// What the diary stores for the chosen item.
QString ChosenKind(const QComboBox* list) {
    return list->currentData().toString().left(kKindTextLimit);
}

}  // namespace

// The tab control's items, drawn by the screen: its colours and icons, and a tap that the
// page on show may refuse.
class CDayViewTabBar : public QTabBar {
public:
    explicit CDayViewTabBar(QWidget* parent) : QTabBar(parent) {
        setObjectName(QString::number(kDayViewTabsId));
        setFocusPolicy(Qt::NoFocus);
        setDrawBase(false);
        setExpanding(true);
        setIconSize(QSize(16, 15));
        setUsesScrollButtons(false);
    }

    std::function<void(int)> onTap;

protected:
    QSize tabSizeHint(int) const override {
        return QSize(count() > 0 ? width() / count() : width(), kTabHeight);
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            const int index = tabAt(event->position().toPoint());
            if (index >= 0 && onTap) {
                onTap(index);
            }
        }
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
    void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
    // The page changes only by a tap, which the page on show may refuse.
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
    void keyPressEvent(QKeyEvent* event) override { event->ignore(); }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int space = fontMetrics().horizontalAdvance(' ');
        for (int i = 0; i < count(); ++i) {
            const bool selected = i == currentIndex();
            QRect item = tabRect(i);
            p.fillRect(item, kTabFill);
            // The tab's edges: the selected one stands open towards its page.
            p.setPen(kTabEdge);
            const QRect frame = item.adjusted(0, selected ? 0 : 2, -1, 0);
            p.drawLine(frame.topLeft(), frame.topRight());
            p.drawLine(frame.topLeft(), frame.bottomLeft());
            p.drawLine(frame.topRight(), frame.bottomRight());
            if (!selected) {
                p.drawLine(item.bottomLeft(), item.bottomRight());
            }
            item.setTop(item.top() + kEdgeHeight);
            const QPixmap icon = tabIcon(i).pixmap(iconSize());
            p.drawPixmap(item.left() + space, item.top(), icon);
            QRect text = item;
            text.setLeft(item.left() + space + iconSize().width());
            if (selected) {
                text.setTop(text.top() - kEdgeHeight);
                p.setPen(kTabSelectedText);
                p.drawText(text, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                           tabText(i));
            } else {
                p.setPen(kTabText);
                p.drawText(text, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine,
                           tabText(i));
            }
        }
    }
};

// A check box of the Day View: its box, room for the icon the screen draws beside it, and
// its text after the icon, wrapped onto two smaller lines when one line is too short.
class CDayViewCheckBox : public QCheckBox {
public:
    CDayViewCheckBox(const QString& text, QWidget* parent, int textLeft)
        : QCheckBox(text, parent), m_textLeft(textLeft) {}

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const int w = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);
        const int h = style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this);
        option.rect = QRect(0, (height() - h) / 2, w, h);
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &p, this);
        if (text().isEmpty()) {
            return;
        }
        const QRect area(m_textLeft, 0, width() - m_textLeft, height());
        QFont f = font();
        if (fontMetrics().horizontalAdvance(text()) > area.width()) {
            f.setPixelSize(10);
        }
        p.setFont(f);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
        p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect =
                p.boundingRect(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text())
                    .adjusted(-1, 0, 1, 0);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }
    }

private:
    int m_textLeft;
};

// The part of the screen that shows the date and the check boxes' icons.
class CDayViewArea : public QWidget {
public:
    CDayViewArea(QWidget* parent, std::function<void(QPainter&)> paint)
        : QWidget(parent), m_paint(std::move(paint)) {
        setFixedSize(kScreenWidth, kScreenHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        m_paint(p);
    }

private:
    std::function<void(QPainter&)> m_paint;
};

const std::array<Rect, 9>& CDayViewDlg::IconRects() {
    static const std::array<Rect, 9> rects = [] {
        std::array<Rect, 9> r{};
        for (size_t i = 0; i < 9; ++i) {
            r[i] = Rect{kIcons[i].x, kIcons[i].y, kIcons[i].x + 14, kIcons[i].y + 14};
        }
        return r;
    }();
    return rects;
}

CDayViewDlg::CDayViewDlg(CVelmoraMFCDoc& doc, IMainFrame* frame, DayViewMode mode, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_frame(frame), m_mode(mode) {
    setObjectName(QString::number(kDayViewTemplateId));
    setWindowTitle(tr("Просмотр дня"));
    setFont(DialogFont());
    AddHelpKey(this, [this] { OnHelp(); });
    // The arrows beside the date, through the same checks.
    AddScreenKey(this, QKeySequence(Qt::AltModifier | Qt::Key_Left), [this] { OnPreviousDay(); });
    AddScreenKey(this, QKeySequence(Qt::AltModifier | Qt::Key_Right), [this] { OnNextDay(); });
    // Enter saves, as Save does (the note's editor keeps its own Enter for new lines).
    AddScreenKey(this, QKeySequence(Qt::Key_Return), [this] { OnSaveAndClose(); });
    AddScreenKey(this, QKeySequence(Qt::Key_Enter), [this] { OnSaveAndClose(); });
    BuildControls();

    // The icons are drawn once; every paint copies them from the buffer.
    m_screen = std::make_unique<ScreenBuffer>(m_area);
    {
        ScopedTarget target(m_screen->GetBuffer());
        const QColor back = palette().color(QPalette::Window);
        m_screen->GetBuffer()->Fill(Rgb565(back.red(), back.green(), back.blue()));
        CFastBitmap icon;
        for (const IconPlace& place : kIcons) {
            icon.Load(place.picture, 14, 14);
            icon.DrawTransparent(place.x, place.y);
        }
        icon.Release();
    }

    m_current = m_mode == kDayViewFromMyDiary ? 2 : 0;
    for (size_t i = 0; i < m_pages.size(); ++i) {
        m_pages[i]->setVisible(static_cast<int>(i) == m_current);
    }
    m_tabs->setCurrentIndex(m_current);

    LoadPages();
    ShowDialogData();
    ApplyEnables();
}

CDayViewDlg::~CDayViewDlg() {
    // The image buttons go before the buttons they draw, so none watches a button that is
    // being destroyed.
    for (CImageButton*& button : m_imageButtons) {
        delete button;
        button = nullptr;
    }
}

QTabBar* CDayViewDlg::Tabs() const {
    return m_tabs;
}

void CDayViewDlg::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_area = new CDayViewArea(this, [this](QPainter& p) { PaintArea(p); });
    layout->addWidget(m_area, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch(1);

    auto button = [this](const QString& text, int id, int x, int y, int w, int h) {
        auto* b = new QPushButton(text, m_area);
        b->setObjectName(QString::number(id));
        b->setGeometry(x, y, w, h);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    };
    QPushButton* left = button("Left", kDayViewPreviousDayId, 52, 8, 24, 18);
    QPushButton* right = button("Right", kDayViewNextDayId, 174, 8, 24, 18);
    QPushButton* help = button("Help", kDayViewHelpId, 218, 9, 16, 16);
    QPushButton* imageButtons[3] = {left, right, help};
    for (size_t i = 0; i < 3; ++i) {
        m_imageButtons[i] = new CImageButton(this);
        m_imageButtons[i]->Attach(imageButtons[i]);
    }
    connect(left, &QPushButton::clicked, this, [this] { OnPreviousDay(); });
    connect(right, &QPushButton::clicked, this, [this] { OnNextDay(); });
    connect(help, &QPushButton::clicked, this, [this] { OnHelp(); });

    // The tab control: its items, and the display area that holds the pages.
    m_tabs = new CDayViewTabBar(m_area);
    m_tabs->setGeometry(3, 34, 234, kTabHeight);
    const auto icons = DayViewTabIcons();
    m_tabs->addTab(icons[0], tr("Fluids  "));
    m_tabs->addTab(icons[1], tr("Note   "));
    m_tabs->addTab(icons[2], tr("My Diary "));
    static_cast<CDayViewTabBar*>(m_tabs)->onTap = [this](int index) { SelectPage(index); };
    m_display = new QFrame(m_area);
    m_display->setGeometry(3, 34 + kTabHeight - 1, 234, 102);
    m_display->setFrameShape(QFrame::Box);
    m_display->setStyleSheet("QFrame#display { border: 1px solid rgb(150, 140, 130); }");
    m_display->setObjectName("display");
    m_pages[0] = new CFluidsTempWeightPage(m_doc, m_display);
    m_pages[1] = new CNotePage(m_doc, m_display);
    m_pages[2] = new CMyDiaryPage(m_doc, m_display);
    for (CDayViewPage* page : m_pages) {
        page->setGeometry(1, 1, 232, 100);
    }

    // Each box stands left of its icon; its text starts right of the icon.
    auto check = [this](const QString& text, int id, int x, int iconY, int width) {
        auto* box = new CDayViewCheckBox(text, m_area, 35);
        box->setObjectName(QString::number(id));
        constexpr int kHeight = 24;
        box->setGeometry(x, iconY + 7 - kHeight / 2, width, kHeight);
        return box;
    };
    // Boxes without text are as wide as their box only, so the controls beside them get
    // the taps; the left column's boxes end where the right column begins.
    m_alarm = check("", kDayViewAlarmId, 3, 162, 16);
    m_sport = check("", kDayViewSportId, 3, 184, 16);
    m_sex = check(tr("Секс"), kDayViewSexId, 3, 206, 118);
    m_bloating = check(tr("Вздутие живота"), kDayViewBloatingId, 3, 228, 118);
    m_doctor = check(tr("У доктора"), kDayViewDoctorId, 3, 250, 118);
    m_ache = check("", kDayViewAcheId, 121, 184, 16);
    m_protection = check(tr("Предохр."), kDayViewProtectionId, 121, 206, 117);
    m_pms = check(tr("Предменстр. синдром"), kDayViewPmsId, 121, 228, 117);
    m_cramps = check(tr("Спазмы"), kDayViewCrampsId, 121, 250, 117);
    // The rows overlap a little; the lists and the button stay on top of the boxes.
    for (QCheckBox* box : {m_sex, m_bloating, m_doctor, m_protection, m_pms, m_cramps}) {
        box->lower();
    }

    m_editAlarms = button(tr("Правка"), kDayViewEditAlarmsId, 40, 160, 56, 19);
    m_editAlarms->setFocusPolicy(Qt::StrongFocus);
    m_sportKind = new QComboBox(m_area);
    m_sportKind->setObjectName(QString::number(kDayViewSportKindId));
    m_sportKind->setGeometry(38, 181, 78, 20);
    for (const char* item : kSportItems) {
        m_sportKind->addItem(TrName(item), QString::fromUtf8(item));
    }
    m_acheKind = new QComboBox(m_area);
    m_acheKind->setObjectName(QString::number(kDayViewAcheKindId));
    m_acheKind->setGeometry(156, 181, 80, 20);
    for (const char* item : kAcheItems) {
        m_acheKind->addItem(TrName(item), QString::fromUtf8(item));
    }

    connect(m_alarm, &QCheckBox::clicked, this, [this] { OnAlarm(); });
    connect(m_editAlarms, &QPushButton::clicked, this, [this] { OnEditAlarms(); });
    connect(m_sport, &QCheckBox::clicked, this, [this] { OnSportOrAche(true); });
    connect(m_ache, &QCheckBox::clicked, this, [this] { OnSportOrAche(false); });
    for (QCheckBox* box : {m_sex, m_bloating, m_doctor, m_protection, m_pms, m_cramps}) {
        connect(box, &QCheckBox::clicked, this, [] { PlayInterfaceSound(kWaveCheckBox); });
    }

    m_bar = new CCommandBar(this);
    m_bar->AddTools(324,
                    {{kCmdDayViewSave, tr("Save and close")},
                     {kCmdDayViewClear, tr("Clear the day")},
                     {kCmdDayViewClose, tr("Close without saving")}},
                    QSize(60, 18));
    m_bar->AddStretch();
    connect(m_bar, &CCommandBar::commandTriggered, this, [this](int command) {
        switch (command) {
            case kCmdDayViewSave:
                OnSaveAndClose();
                break;
            case kCmdDayViewClear:
                OnClearDay();
                break;
            case kCmdDayViewClose:
                OnCloseWithoutSaving();
                break;
            default:
                break;
        }
    });
    layout->addWidget(m_bar);
}

int CDayViewDlg::Run(CVelmoraMFCDoc& doc, IMainFrame* frame, DayViewMode mode, QWidget* parent) {
    CDayViewDlg dialog(doc, frame, mode, parent ? parent : (frame ? frame->Window() : nullptr));
    const QString shown = ScreenTitle(title::kDayView);
    if (frame) {
        frame->SetTitle(shown);
    }
    return RunModal(dialog, frame, shown);
}

int CDayViewDlg::RunForDay(CVelmoraMFCDoc& doc, IMainFrame* frame, DayViewMode mode, CTime day,
                           QWidget* parent) {
    doc.OpenDay(day);
    return Run(doc, frame, mode, parent);
}

QString CDayViewDlg::DateText() const {
    static constexpr char kSeparators[3] = {'.', '/', '-'};
    const int s = AppSettings.DateSeparator;
    const char separator = s >= 0 && s < 3 ? kSeparators[s] : '.';
    const LocalTime d = m_doc.m_date.Local();
    const bool dayFirst = AppSettings.DateFormat == 0;
    return QString::asprintf("%.2d%c%.2d%c%d", dayFirst ? d.day : d.month, separator,
                             dayFirst ? d.month : d.day, separator, d.year);
}

const GraphicBuffer& CDayViewDlg::IconBuffer() const {
    return *m_screen->GetBuffer();
}

void CDayViewDlg::PaintArea(QPainter& p) {
    p.setFont(ScreenFont(15, {.bold = true}));
    p.setPen(Qt::black);
    p.drawText(QRect(85, 6, 80, 24), Qt::AlignCenter | Qt::TextDontClip, DateText());
    const QImage& icons = m_screen->Dib().Image();
    for (const Rect& r : IconRects()) {
        p.drawImage(QPoint(r.left, r.top), icons,
                    QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
    }
}

void CDayViewDlg::TakeDialogData() {
    m_doc.m_alarm = m_alarm->isChecked();
    m_doc.m_sport = m_sport->isChecked();
    m_doc.m_sex = m_sex->isChecked();
    m_doc.m_bloating = m_bloating->isChecked();
    m_doc.m_doctor = m_doctor->isChecked();
    m_doc.m_ache = m_ache->isChecked();
    m_doc.m_protection = m_protection->isChecked();
    m_doc.m_pms = m_pms->isChecked();
    m_doc.m_cramps = m_cramps->isChecked();
    // A list with nothing chosen keeps the day's text.
    if (m_sportKind->currentIndex() >= 0) {
        m_doc.m_sportKind = ToU16(ChosenKind(m_sportKind));
    }
    if (m_acheKind->currentIndex() >= 0) {
        m_doc.m_acheKind = ToU16(ChosenKind(m_acheKind));
    }
}

void CDayViewDlg::ShowDialogData() {
    m_alarm->setChecked(m_doc.m_alarm);
    m_sport->setChecked(m_doc.m_sport);
    m_sex->setChecked(m_doc.m_sex);
    m_bloating->setChecked(m_doc.m_bloating);
    m_doctor->setChecked(m_doc.m_doctor);
    m_ache->setChecked(m_doc.m_ache);
    m_protection->setChecked(m_doc.m_protection);
    m_pms->setChecked(m_doc.m_pms);
    m_cramps->setChecked(m_doc.m_cramps);
    SelectKind(m_sportKind, m_doc.m_sportKind);
    SelectKind(m_acheKind, m_doc.m_acheKind);
}

void CDayViewDlg::ApplyEnables() {
    m_sportKind->setEnabled(m_doc.m_sport);
    m_editAlarms->setEnabled(m_doc.m_alarm);
    // What a day cannot have had yet is not entered for it.
    const bool lived = !IsFutureDay(m_doc.m_date);
    for (QCheckBox* box : {m_bloating, m_pms, m_cramps, m_ache}) {
        box->setEnabled(lived);
    }
    m_acheKind->setEnabled(m_doc.m_ache && lived);
}

void CDayViewDlg::LoadPages() {
    for (CDayViewPage* page : m_pages) {
        page->Load();
    }
}

void CDayViewDlg::ShowPage(int index) {
    if (index == m_current) {
        return;
    }
    m_pages[static_cast<size_t>(m_current)]->hide();
    m_current = index;
    m_tabs->setCurrentIndex(index);
    CDayViewPage* page = m_pages[static_cast<size_t>(index)];
    page->show();
    page->FocusFirst();
}

bool CDayViewDlg::SelectPage(int index) {
    if (index < 0 || index >= static_cast<int>(m_pages.size())) {
        return false;
    }
    if (!m_pages[static_cast<size_t>(m_current)]->Validate()) {
        return false;
    }
    if (index != m_current) {
        PlayInterfaceSound(kWaveTabChange);
        ShowPage(index);
    }
    return true;
}

bool CDayViewDlg::SavePages() {
    if (!m_pages[static_cast<size_t>(m_current)]->Validate()) {
        return false;
    }
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (static_cast<int>(i) != m_current && !m_pages[i]->Save()) {
            ShowPage(static_cast<int>(i));  // the page that refused, with its message
            return false;
        }
    }
    return true;
}

void CDayViewDlg::RestoreOpenerTitle() {
    if (!m_frame) {
        return;
    }
    switch (m_mode) {
        case kDayViewFromMyDiary:
            m_frame->SetTitle(ScreenTitle(title::kMyDiary));
            break;
        case kDayViewFromTemperatureHistory:
            m_frame->SetTitle(ScreenTitle(title::kTemperatureHistory));
            break;
        case kDayViewFromWeightHistory:
            m_frame->SetTitle(ScreenTitle(title::kWeightHistory));
            break;
        default:
            break;  // the calendar sets its own title
    }
}

void CDayViewDlg::OnSportOrAche(bool sport) {
    PlayInterfaceSound(kWaveCheckBox);
    TakeDialogData();
    QComboBox* list = sport ? m_sportKind : m_acheKind;
    const bool ticked = sport ? m_doc.m_sport : m_doc.m_ache;
    if (!ticked) {
        (sport ? m_doc.m_sportKind : m_doc.m_acheKind) = sport ? u"Sport" : u"Ache";
        list->setEnabled(false);
        ShowDialogData();
    } else {
        list->setEnabled(true);
    }
}

bool CDayViewDlg::RunAlarmSetup() {
    return CAlarmSetupDlg::Run(m_doc, m_frame, this);
}

void CDayViewDlg::OnAlarm() {
    PlayInterfaceSound(kWaveCheckBox);
    TakeDialogData();
    if (!m_doc.m_alarm) {
        m_editAlarms->setEnabled(false);
        return;
    }
    RunAlarmSetup();
    if (AnyAlarmSet(m_doc)) {
        m_editAlarms->setEnabled(true);
    } else {
        // Nothing set: the day has no alarms.
        m_doc.m_alarm = false;
        m_alarm->setChecked(false);
        m_editAlarms->setEnabled(false);
    }
}

void CDayViewDlg::OnEditAlarms() {
    TakeDialogData();
    RunAlarmSetup();
    if (!AnyAlarmSet(m_doc)) {
        m_doc.m_alarm = false;
        m_alarm->setChecked(false);
        m_editAlarms->setEnabled(false);
    }
}

void CDayViewDlg::OnPreviousDay() {
    Step(-1);
}

void CDayViewDlg::OnNextDay() {
    Step(+1);
}

void CDayViewDlg::Step(int direction) {
    PlayInterfaceSound(kWaveDayViewButton);
    TakeDialogData();
    // The neighbour by the calendar, at 12:00 like every day the program makes.
    const LocalTime d = m_doc.m_date.Local();
    const CivilDate n = CivilFromDays(
        DaysFromCivil(d.year, static_cast<unsigned>(d.month), static_cast<unsigned>(d.day)) +
        direction);
    if (direction < 0 && n.year < FirstYear()) {
        ShowMessageBox(
            QT_TRANSLATE_NOOP("Message", "Data for years prior to 1995 cannot be entered"));
        return;
    }
    if (direction > 0 && n.year > LastYear()) {
        ShowMessageBox(QT_TRANSLATE_NOOP(
            "Message", "At present you are not allowed to enter data for the forthcoming years!"));
        return;
    }
    // Nothing the user typed is dropped: a page that refuses keeps the user on this day.
    if (!SavePages()) {
        return;
    }
    const SaveDayResult saved = m_doc.SaveDay();
    if (saved != SaveDayResult::Saved) {
        // The day was not stored; it stays on show with everything entered.
        if (saved == SaveDayResult::OpenFailed) {
            ShowMessageBox(kOpenFailedText);
        } else if (saved == SaveDayResult::DeleteFailed) {
            ShowMessageBox(direction < 0 ? QT_TRANSLATE_NOOP("Message", "Delete Record Error!")
                                         : QT_TRANSLATE_NOOP("Message", "Delete Record Error"));
        } else {
            ShowMessageBox(direction < 0 ? QT_TRANSLATE_NOOP("Message", "Add Record Error!")
                                         : QT_TRANSLATE_NOOP("Message", "Add Record Error"));
        }
        return;
    }
    m_doc.OpenDay(static_cast<int>(n.year), static_cast<int>(n.month), static_cast<int>(n.day));
    LoadPages();
    ShowDialogData();
    ApplyEnables();
    m_area->update();
}

void CDayViewDlg::OnSaveAndClose() {
    PlayInterfaceSound(kWaveDayViewButton);
    if (!SavePages()) {
        return;
    }
    TakeDialogData();
    const SaveDayResult saved = m_doc.SaveDay();
    if (saved != SaveDayResult::Saved) {
        // Not stored: the screen stays open so the day is not lost.
        ShowMessageBox(saved == SaveDayResult::OpenFailed ? kOpenFailedText
                       : saved == SaveDayResult::DeleteFailed
                           ? QT_TRANSLATE_NOOP("Message", "Delete Record Error!")
                           : QT_TRANSLATE_NOOP("Message", "Add record Error!"));
        return;
    }
    RestoreOpenerTitle();
    accept();
}

void CDayViewDlg::OnClearDay() {
    PlayInterfaceSound(kWaveDayViewButton);
    m_doc.ClearRecord();  // the date stays; nothing is stored until the day is saved
    ShowDialogData();
    for (CDayViewPage* page : m_pages) {
        page->Reset();
    }
    ApplyEnables();
}

void CDayViewDlg::OnCloseWithoutSaving() {
    PlayInterfaceSound(kWaveDayViewButton);
    reject();
}

void CDayViewDlg::reject() {
    if (m_doc.m_db.IsOpen()) {
        m_doc.m_db.Close();
    }
    RestoreOpenerTitle();
    QDialog::reject();
}

void CDayViewDlg::OnHelp() {
    PlayInterfaceSound(kWaveDayViewButton);
    // The help browser shows "Help" while it is open and gives the title back by screen.
    OpenHelp(m_frame, 5, 7);
}

}  // namespace velmora
