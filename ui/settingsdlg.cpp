#include "ui/settingsdlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "gfx/imagebutton.h"
#include "platform/messagebox.h"
#include "reminders/sharedstate.h"
#include "store/settings.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/fonts.h"
#include "ui/kit/help.h"
#include "ui/kit/okcancel.h"

namespace velmora {

namespace {

constexpr int kFieldWidth = 104;
constexpr int kFieldHeight = 20;

// The lists in the order their positions are stored.
const char* const kUnits[] = {"English", "Метрич."};
const char* const kWeekStarts[] = {"Воскр.", "Понед."};
const char* const kSeparators[] = {".", "/", "-"};
const char* const kDateFormats[] = {"ДД/ММ/ГГГГ", "ММ/ДД/ГГГГ"};
const char* const kTimeFormats[] = {"24 часа", "12 часов (AM/PM)"};
const char* const kSkins[] = {"Animals", "Cartoon", "Cities", "Floral", "Jewels", "Men", "Nature"};

template <size_t N>
QComboBox* List(int id, const char* const (&items)[N], int selected, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::number(id));
    for (const char* item : items) {
        combo->addItem(QString::fromUtf8(item));
    }
    combo->setCurrentIndex(selected >= 0 && selected < static_cast<int>(N) ? selected : -1);
    combo->setFixedSize(kFieldWidth, kFieldHeight);
    return combo;
}

// The list's position, or `previous` when nothing is chosen.
int Chosen(const QComboBox* combo, int previous) {
    return combo->currentIndex() >= 0 ? combo->currentIndex() : previous;
}

QLineEdit* NumberEdit(int id, int value, QWidget* parent) {
    auto* edit = new QLineEdit(QString::number(value), parent);
    edit->setObjectName(QString::number(id));
    edit->setFixedSize(36, kFieldHeight);
    edit->setMaxLength(6);
    return edit;
}

}  // namespace

CSettingsDlg::CSettingsDlg(CVelmoraMFCDoc& doc, IMainFrame* frame, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_frame(frame) {
    setObjectName(QString::number(kSettingsTemplateId));
    setWindowTitle("Опции");
    setFont(DialogFont());

    // The copy mirrors the settings whenever this screen is not open.
    FillSettingsCopy();
    const SettingsCopy& c = TheSettingsCopy;

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 8, 8, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    int row = 0;
    // Labels may reach under the field column: the long ones stand by the narrow numbers.
    auto addRow = [&](const char* label, QWidget* field) {
        grid->addWidget(new QLabel(QString::fromUtf8(label), page), row, 0, 1, 2);
        grid->addWidget(field, row, 1, Qt::AlignRight);
        ++row;
    };
    m_menstrualDays = NumberEdit(kSettingsMenstrualDaysId, c.MenstrualDays, page);
    m_cycleLength = NumberEdit(kSettingsCycleLengthId, c.CycleLength, page);
    m_units = List(kSettingsUnitsId, kUnits, c.UnitsFormat, page);
    m_weekStarts = List(kSettingsWeekStartsId, kWeekStarts, c.WeekStarts, page);
    m_separator = List(kSettingsSeparatorId, kSeparators, c.DateSeparator, page);
    m_dateFormat = List(kSettingsDateFormatId, kDateFormats, c.DateFormat, page);
    m_timeFormat = List(kSettingsTimeFormatId, kTimeFormats, c.TimeFormat, page);
    m_skin = List(kSettingsSkinId, kSkins, c.Skin, page);
    addRow("Менструация, дней:", m_menstrualDays);
    addRow("Средняя длительность циклов:", m_cycleLength);
    addRow("Единицы измерения:", m_units);
    addRow("Неделя начинается с:", m_weekStarts);
    addRow("Разделитель дней:", m_separator);
    addRow("Формат дней:", m_dateFormat);
    addRow("Формат времени:", m_timeFormat);
    addRow("Скин:", m_skin);
    m_daylight = new QCheckBox("Летнее время", page);
    m_daylight->setObjectName(QString::number(kSettingsDaylightId));
    m_daylight->setChecked(c.DaylightSavingTime);
    grid->addWidget(m_daylight, row++, 0, 1, 2);
    m_sounds = new QCheckBox("Звуки вкл/выкл", page);
    m_sounds->setObjectName(QString::number(kSettingsSoundsId));
    m_sounds->setChecked(SoundsEnabled);
    grid->addWidget(m_sounds, row++, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row++, 1);

    auto* buttons = new QHBoxLayout;
    std::array<CImageButton*, 2> images{};
    const auto [ok, cancel] = AddOkCancelRow(page, this, buttons, images);
    grid->addLayout(buttons, row++, 0, 1, 2);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    outer->addWidget(page, 1);

    m_bar = new CCommandBar(this);
    m_bar->AddTools(247, {{kCmdSettingsHelp, "Help"}}, QSize(16, 16));
    m_bar->AddStretch();
    connect(m_bar, &CCommandBar::commandTriggered, this, [this](int command) {
        if (command == kCmdSettingsHelp) {
            OpenHelp(m_frame, 9, 10);
        }
    });
    outer->addWidget(m_bar);
}

bool CSettingsDlg::TakeNumber(QLineEdit* edit, int lo, int hi, int& value) {
    static const QRegularExpression integer(R"(^\s*[+-]?\d+\s*$)");
    bool ok = integer.match(edit->text()).hasMatch();
    const int number = ok ? edit->text().trimmed().toInt(&ok) : 0;
    const char* refusal = nullptr;
    std::string range;
    if (!ok) {
        refusal = "Please enter an integer.";
    } else if (number < lo || number > hi) {
        range = "Please enter an integer between " + std::to_string(lo) + " and " +
                std::to_string(hi) + ".";
        refusal = range.c_str();
    }
    if (refusal) {
        ShowMessageBox(refusal, {}, MbIcon::Warning);
        edit->setFocus();
        edit->selectAll();
        return false;
    }
    value = number;
    return true;
}

bool CSettingsDlg::OnOK() {
    // Both numbers are checked before anything is taken, so a refusal leaves everything
    // as it was.
    int menstrualDays = 0;
    int cycleLength = 0;
    if (!TakeNumber(m_menstrualDays, kMinMenstrualDays, kMaxMenstrualDays, menstrualDays) ||
        !TakeNumber(m_cycleLength, kMinCycleLength, kMaxCycleLength, cycleLength)) {
        return false;
    }
    SettingsCopy& c = TheSettingsCopy;
    c.MenstrualDays = menstrualDays;
    c.CycleLength = cycleLength;
    c.DateFormat = Chosen(m_dateFormat, c.DateFormat);
    c.TimeFormat = Chosen(m_timeFormat, c.TimeFormat);
    c.DateSeparator = Chosen(m_separator, c.DateSeparator);
    c.WeekStarts = Chosen(m_weekStarts, c.WeekStarts);
    c.UnitsFormat = Chosen(m_units, c.UnitsFormat);
    c.DaylightSavingTime = m_daylight->isChecked();
    c.Skin = Chosen(m_skin, c.Skin);
    ApplySettingsCopy();
    SoundsEnabled = m_sounds->isChecked();
    SetReminderTimeFormat(AppSettings.TimeFormat);
    accept();
    return true;
}

void CSettingsDlg::closeEvent(QCloseEvent* event) {
    // Closing the window is OK.
    event->ignore();
    OnOK();
}

}  // namespace velmora
