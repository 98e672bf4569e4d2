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
#include "ui/kit/keys.h"
#include "ui/kit/language.h"
#include "ui/kit/okcancel.h"
#include "ui/kit/text.h"
#include "ui/kit/zoom.h"

namespace velmora {

namespace {

constexpr int kFieldWidth = 104;
constexpr int kFieldHeight = 20;

// The lists in the order their positions are stored.
const char* const kUnits[] = {QT_TRANSLATE_NOOP("Names", "English"),
                              QT_TRANSLATE_NOOP("Names", "Метрич.")};
const char* const kWeekStarts[] = {QT_TRANSLATE_NOOP("Names", "Воскр."),
                                   QT_TRANSLATE_NOOP("Names", "Понед.")};
const char* const kSeparators[] = {".", "/", "-"};
const char* const kDateFormats[] = {QT_TRANSLATE_NOOP("Names", "ДД/ММ/ГГГГ"),
                                    QT_TRANSLATE_NOOP("Names", "ММ/ДД/ГГГГ")};
const char* const kTimeFormats[] = {QT_TRANSLATE_NOOP("Names", "24 часа"),
                                    QT_TRANSLATE_NOOP("Names", "12 часов (AM/PM)")};
const char* const kSkins[] = {
    QT_TRANSLATE_NOOP("Names", "Animals"), QT_TRANSLATE_NOOP("Names", "Cartoon"),
    QT_TRANSLATE_NOOP("Names", "Cities"),  QT_TRANSLATE_NOOP("Names", "Floral"),
    QT_TRANSLATE_NOOP("Names", "Jewels"),  QT_TRANSLATE_NOOP("Names", "Men"),
    QT_TRANSLATE_NOOP("Names", "Nature")};

template <size_t N>
QComboBox* List(int id, const char* const (&items)[N], int selected, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::number(id));
    for (const char* item : items) {
        combo->addItem(TrName(item));
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
    setWindowTitle(tr("Опции"));
    setFont(DialogFont());
    AddHelpKey(this, [this] { OpenHelp(m_frame, 9, 10); });

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
    auto addRow = [&](const QString& label, QWidget* field) {
        grid->addWidget(new QLabel(label, page), row, 0, 1, 2);
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
    addRow(tr("Менструация, дней:"), m_menstrualDays);
    addRow(tr("Средняя длительность циклов:"), m_cycleLength);
    addRow(tr("Единицы измерения:"), m_units);
    addRow(tr("Неделя начинается с:"), m_weekStarts);
    addRow(tr("Разделитель дней:"), m_separator);
    addRow(tr("Формат дней:"), m_dateFormat);
    addRow(tr("Формат времени:"), m_timeFormat);
    addRow(tr("Скин:"), m_skin);
    // The language: the system's, or English or Russian always (each named in itself).
    m_language = new QComboBox(page);
    m_language->setObjectName(QString::number(kSettingsLanguageId));
    m_language->addItems({tr("System"), QStringLiteral("English"), QStringLiteral("Русский")});
    m_language->setCurrentIndex(c.Language >= 0 && c.Language < kLanguageChoiceCount ? c.Language
                                                                                        : 0);
    m_language->setFixedSize(kFieldWidth, kFieldHeight);
    addRow(tr("Language:"), m_language);
    // The zoom: to fit the screen, or a whole number of device pixels per pixel.
    m_zoom = new QComboBox(page);
    m_zoom->setObjectName(QString::number(kSettingsZoomId));
    m_zoom->addItem(tr("Automatic"));
    for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
        m_zoom->addItem(ZoomName(zoom));
    }
    m_zoom->setCurrentIndex(c.Zoom >= 0 && c.Zoom < kZoomChoiceCount ? c.Zoom : 0);
    m_zoom->setFixedSize(kFieldWidth, kFieldHeight);
    addRow(tr("Zoom:"), m_zoom);
    m_daylight = new QCheckBox(tr("Летнее время"), page);
    m_daylight->setObjectName(QString::number(kSettingsDaylightId));
    m_daylight->setChecked(c.DaylightSavingTime);
    grid->addWidget(m_daylight, row++, 0, 1, 2);
    m_sounds = new QCheckBox(tr("Звуки вкл/выкл"), page);
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
    m_bar->AddTools(247, {{kCmdSettingsHelp, tr("Help")}}, QSize(16, 16));
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
    if (!ok || number < lo || number > hi) {
        if (!ok) {
            ShowMessageBox(QT_TRANSLATE_NOOP("Message", "Please enter an integer."), {},
                           MbIcon::Warning);
        } else {
            ShowFilledMessageBox(
                QT_TRANSLATE_NOOP("Message", "Please enter an integer between %1 and %2."),
                {std::to_string(lo), std::to_string(hi)}, {}, MbIcon::Warning);
        }
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
    const int language = Chosen(m_language, c.Language);
    const bool newLanguage = language != c.Language;
    c.Language = language;
    // The zoom follows once this screen has closed: windows are put up again for it.
    c.Zoom = Chosen(m_zoom, c.Zoom);
    ApplySettingsCopy();
    // The screens speak the new language from now on; the main window retranslates itself.
    if (newLanguage) {
        ApplyLanguage(ResolveLanguage(language));
    }
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
