#include "ui/dayviewpages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QTextCursor>
#include <cmath>

#include "platform/clock.h"
#include "platform/messagebox.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "ui/dayviewdlg.h"
#include "ui/kit/text.h"

namespace velmora {

const char* const kFluidItems[7] = {
    QT_TRANSLATE_NOOP("Names", "Нет"),
    QT_TRANSLATE_NOOP("Names", "Слабые"),
    QT_TRANSLATE_NOOP("Names", "Нормальные"),
    QT_TRANSLATE_NOOP("Names", "Обильные"),
    QT_TRANSLATE_NOOP("Names", "Межменструальн."),
    QT_TRANSLATE_NOOP("Names", "Мутные, Липкие"),
    QT_TRANSLATE_NOOP("Names", "Тянущиеся,Белые"),
};

const char* const kDiaryTypeItems[7] = {
    QT_TRANSLATE_NOOP("Names", "Нет"),        QT_TRANSLATE_NOOP("Names", "Парикмахер"),
    QT_TRANSLATE_NOOP("Names", "Косметолог"), QT_TRANSLATE_NOOP("Names", "Маникюрша"),
    QT_TRANSLATE_NOOP("Names", "Фитнес"),     QT_TRANSLATE_NOOP("Names", "Доктор"),
    QT_TRANSLATE_NOOP("Names", "Проч."),
};

namespace {

const char* const kFahrenheitItems[kTemperatureItems] = {
    QT_TRANSLATE_NOOP("Names", "Нет"),
    "96.80",
    "96.90",
    "97.00",
    "97.10",
    "97.20",
    "97.30",
    "97.35",
    "97.40",
    "97.50",
    "97.60",
    "97.70",
    "97.80",
    "97.90",
    "98.00",
    "98.10",
    "98.15",
    "98.20",
    "98.30",
    "98.40",
    "98.50",
    "98.60",
    "98.70",
    "98.80",
    "98.90",
    "99.00",
    "99.05",
    "99.10",
    "99.20",
    "99.30",
    "99.40",
    "99.50",
    "99.60",
    "99.70",
    "99.80",
    "99.90",
    "99.95",
    "100.00",
    "100.10",
    "100.20",
    "100.30",
    "100.40",
};

// The weight edit takes digits with at most one decimal separator.
const QRegularExpression kWeightPattern(QStringLiteral("^[0-9]{0,4}([.,][0-9]{0,4})?$"));

QLabel* Label(const QString& text, QWidget* parent, int x, int y, int w) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, w, 18);
    return label;
}

QComboBox* List(int id, QWidget* parent, int x, int y, int w) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::number(id));
    combo->setGeometry(x, y, w, 20);
    combo->setMaxVisibleItems(10);
    return combo;
}

// Selects `index` when it is one of the list's items, else nothing.
void Select(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

}  // namespace

namespace {

// Hundredths of a degree of Celsius item `index` (1-41).
int CelsiusHundredths(int index) {
    return 3600 + 5 * (index - 1);
}

}  // namespace

const std::array<double, kTemperatureItems>& TemperatureTable() {
    static const std::array<double, kTemperatureItems> table = [] {
        std::array<double, kTemperatureItems> t{};
        for (int i = 1; i < kTemperatureItems; ++i) {
            // A correctly rounded division: each value is the double nearest what the list
            // says, whatever the locale.
            t[static_cast<size_t>(i)] = CelsiusHundredths(i) / 100.0;
        }
        return t;
    }();
    return table;
}

QString CelsiusItemText(int index) {
    if (index <= 0 || index >= kTemperatureItems) {
        return index == 0 ? TrName(kFluidItems[0]) : QString();
    }
    const int hundredths = CelsiusHundredths(index);
    return QString::asprintf("%d.%02d", hundredths / 100, hundredths % 100);
}

QString FahrenheitItemText(int index) {
    if (index < 0 || index >= kTemperatureItems) {
        return QString();
    }
    return TrName(kFahrenheitItems[index]);
}

int TemperatureIndex(double celsius) {
    const auto& table = TemperatureTable();
    for (int i = 0; i < kTemperatureItems; ++i) {
        if (table[static_cast<size_t>(i)] == celsius) {
            return i;
        }
    }
    return -1;
}

QString WeightText(double value) {
    if (!std::isfinite(value)) {
        return QStringLiteral("0");
    }
    QString text = QString::asprintf("%.2f", value);
    while (text.contains('.') && (text.endsWith('0') || text.endsWith('.'))) {
        text.chop(1);
    }
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

bool IsFutureDay(CTime day) {
    const LocalTime d = day.Local();
    return Clock::Now() <= CTime(d.year, d.month, d.day, 0, 0, 0, -1);
}

void LimitPlainText(QPlainTextEdit* edit, int limit) {
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, limit] {
        const QString text = edit->toPlainText();
        if (text.size() <= limit) {
            return;
        }
        QString cut = text.left(limit);
        if (!cut.isEmpty() && cut.back().isHighSurrogate()) {
            cut.chop(1);  // never half a character
        }
        const QSignalBlocker block(edit);
        QTextCursor cursor = edit->textCursor();
        const int position = std::min<int>(cursor.position(), static_cast<int>(cut.size()));
        edit->setPlainText(cut);
        cursor = edit->textCursor();
        cursor.setPosition(position);
        edit->setTextCursor(cursor);
    });
}

CDayViewPage::CDayViewPage(CVelmoraMFCDoc& doc, int templateId, QWidget* parent)
    : QWidget(parent), m_doc(doc) {
    setObjectName(QString::number(templateId));
}

// --- Fluid, temperature, weight ---

CFluidsTempWeightPage::CFluidsTempWeightPage(CVelmoraMFCDoc& doc, QWidget* parent)
    : CDayViewPage(doc, kDayViewFluidsPageId, parent) {
    Label(tr("Выделения:"), this, 4, 8, 90);
    m_fluid = List(kDayViewFluidId, this, 94, 6, 134);
    for (const char* item : kFluidItems) {
        m_fluid->addItem(TrName(item));
    }

    Label(tr("Температура:"), this, 4, 36, 90);
    // Both lists stand at the same spot; the units setting shows one of them.
    m_celsius = List(kDayViewCelsiusId, this, 94, 34, 70);
    m_fahrenheit = List(kDayViewFahrenheitId, this, 94, 34, 70);
    for (int i = 0; i < kTemperatureItems; ++i) {
        m_celsius->addItem(CelsiusItemText(i));
        m_fahrenheit->addItem(FahrenheitItemText(i));
    }
    m_celsius->hide();
    m_fahrenheit->hide();
    m_tempUnit = Label(QString(), this, 170, 36, 30);

    Label(tr("Вес:"), this, 4, 64, 90);
    m_weight = new QLineEdit(this);
    m_weight->setObjectName(QString::number(kDayViewWeightId));
    m_weight->setGeometry(94, 62, 70, 20);
    m_weight->setValidator(new QRegularExpressionValidator(kWeightPattern, m_weight));
    m_weightUnit = Label(QString(), this, 170, 64, 30);
}

QComboBox* CFluidsTempWeightPage::TemperatureList() const {
    return m_metric ? m_celsius : m_fahrenheit;
}

void CFluidsTempWeightPage::ShowUnits() {
    m_metric = IsMetric(AppSettings.UnitsFormat);
    m_celsius->setVisible(m_metric);
    m_fahrenheit->setVisible(!m_metric);
    m_tempUnit->setText(m_metric ? tr("°C") : tr("°F"));
    m_weightUnit->setText(m_metric ? tr("kg") : tr("lb"));
}

void CFluidsTempWeightPage::Load() {
    ShowUnits();
    Select(m_fluid, m_doc.m_fluid);
    // A temperature that is not a value of the table selects nothing (and is kept).
    Select(TemperatureList(), TemperatureIndex(m_doc.m_temperature));
    const double shown = m_metric ? m_doc.m_weight : m_doc.m_weight * kPoundsPerKilogram;
    m_shownWeight = WeightText(shown);
    m_weight->setText(m_shownWeight);
    const bool enable = !IsFutureDay(m_doc.m_date);
    for (QWidget* w : std::initializer_list<QWidget*>{m_fluid, m_weight, m_celsius, m_fahrenheit}) {
        w->setEnabled(enable);
    }
}

bool CFluidsTempWeightPage::Save() {
    QString text = m_weight->text().trimmed();
    const bool changed = text != m_shownWeight;
    double w = 0.0;
    if (changed) {
        text.replace(',', '.');
        bool ok = true;
        // An empty field means no weight; a lone separator is no number at all.
        w = text.isEmpty() ? 0.0 : QLocale::c().toDouble(text, &ok);
        if (!ok || !std::isfinite(w)) {
            ShowMessageBox(QT_TRANSLATE_NOOP("Message", "Please enter a number."), {},
                           MbIcon::Warning);
            m_weight->setFocus();
            return false;
        }
        const bool accepted =
            w == 0.0 || (m_metric ? (w >= 40.0 && w <= 150.0) : (w >= 80.0 && w <= 330.0));
        if (!accepted) {
            ShowMessageBox(
                m_metric ? QT_TRANSLATE_NOOP("Message", "Weight should be between 40 and 150 kg")
                         : QT_TRANSLATE_NOOP("Message", "Weight should be between 80 and 330 lb"));
            m_weight->setFocus();
            return false;
        }
    }
    if (changed) {
        m_doc.m_weight = m_metric ? w : w * kKilogramsPerPound;
    }
    const int t = TemperatureList()->currentIndex();
    if (t >= 0) {
        m_doc.m_temperature = TemperatureTable()[static_cast<size_t>(t)];
    }
    if (m_fluid->currentIndex() >= 0) {
        m_doc.m_fluid = static_cast<int16_t>(m_fluid->currentIndex());
    }
    return true;
}

void CFluidsTempWeightPage::Reset() {
    ShowUnits();
    TemperatureList()->setCurrentIndex(0);
    m_fluid->setCurrentIndex(0);
    m_shownWeight = WeightText(0.0);
    m_weight->setText(m_shownWeight);
}

void CFluidsTempWeightPage::FocusFirst() {
    m_fluid->setFocus();
}

// --- Note ---

CNotePage::CNotePage(CVelmoraMFCDoc& doc, QWidget* parent)
    : CDayViewPage(doc, kDayViewNotePageId, parent) {
    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QString::number(kDayViewNoteId));
    m_note->setGeometry(4, 4, 224, 90);
    m_note->setTabChangesFocus(true);
    LimitPlainText(m_note, kNoteTextLimit);
}

void CNotePage::Load() {
    m_note->setPlainText(ToQString(m_doc.m_note));
}

bool CNotePage::Save() {
    m_doc.m_note = ToU16(m_note->toPlainText());
    return true;
}

void CNotePage::Reset() {
    Load();
}

void CNotePage::FocusFirst() {
    m_note->setFocus();
}

// --- My Diary ---

CMyDiaryPage::CMyDiaryPage(CVelmoraMFCDoc& doc, QWidget* parent)
    : CDayViewPage(doc, kDayViewDiaryPageId, parent) {
    static constexpr int kTypeIds[4] = {kDayViewDiaryType1Id, kDayViewDiaryType2Id,
                                        kDayViewDiaryType3Id, kDayViewDiaryType4Id};
    static constexpr int kTextIds[4] = {kDayViewDiaryText1Id, kDayViewDiaryText2Id,
                                        kDayViewDiaryText3Id, kDayViewDiaryText4Id};
    for (int row = 0; row < 4; ++row) {
        const int y = 4 + 24 * row;
        QComboBox* type = List(kTypeIds[row], this, 4, y, 94);
        for (const char* item : kDiaryTypeItems) {
            type->addItem(TrName(item));
        }
        auto* text = new QLineEdit(this);
        text->setObjectName(QString::number(kTextIds[row]));
        text->setGeometry(102, y, 126, 20);
        m_types[static_cast<size_t>(row)] = type;
        m_texts[static_cast<size_t>(row)] = text;
        connect(type, &QComboBox::currentIndexChanged, this,
                [this, row](int index) { TypeChanged(row, index); });
    }
}

void CMyDiaryPage::TypeChanged(int row, int type) {
    if (m_loading) {
        return;
    }
    QLineEdit* text = m_texts[static_cast<size_t>(row)];
    if (type == 0) {
        text->clear();  // an empty slot keeps no text
    }
    text->setEnabled(type > 0);
}

void CMyDiaryPage::Load() {
    m_loading = true;
    for (size_t i = 0; i < 4; ++i) {
        Select(m_types[i], m_doc.m_diaryType[i]);
        m_texts[i]->setEnabled(m_doc.m_diaryType[i] != 0);
        m_texts[i]->setText(ToQString(m_doc.m_diaryText[i]));
    }
    m_loading = false;
}

bool CMyDiaryPage::Save() {
    for (size_t i = 0; i < 4; ++i) {
        if (m_types[i]->currentIndex() >= 0) {
            m_doc.m_diaryType[i] = static_cast<int16_t>(m_types[i]->currentIndex());
        }
        m_doc.m_diaryText[i] = ToU16(m_texts[i]->text());
    }
    return true;
}

void CMyDiaryPage::Reset() {
    m_loading = true;
    for (size_t i = 0; i < 4; ++i) {
        m_types[i]->setCurrentIndex(0);
        m_texts[i]->clear();
        m_texts[i]->setEnabled(false);
    }
    m_loading = false;
}

void CMyDiaryPage::FocusFirst() {
    m_types[0]->setFocus();
}

}  // namespace velmora
