#include "reports/historybase.h"

#include <QCoreApplication>
#include <QPalette>
#include <QVBoxLayout>
#include <cmath>

#include "gfx/pictures.h"
#include "platform/calendar.h"
#include "platform/messagebox.h"
#include "store/names.h"
#include "store/settings.h"
#include "ui/dayviewpages.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/fonts.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/reporttable.h"

namespace velmora {

namespace {

constexpr int kToolbarId = 189;
constexpr int kDateColumnWidth = 110;
constexpr int kValueColumnWidth = 111;

// The Fahrenheit list's half steps, which are listed with all four digits.
bool IsFahrenheitHalfStep(double v) {
    for (const double step : {99.95, 97.35, 98.15, 99.05}) {
        if (std::fabs(v - step) < 1e-6) {
            return true;
        }
    }
    return false;
}

// Digits before the point of |value| (at least one).
int IntegerDigits(double value) {
    const double a = std::fabs(value);
    int digits = 1;
    for (double limit = 10.0; a >= limit && digits < 308; limit *= 10.0) {
        ++digits;
    }
    return digits;
}

}  // namespace

QString SignificantText(double value, int digits) {
    if (!std::isfinite(value)) {
        return QString();
    }
    const int before = IntegerDigits(value);
    int decimals = std::max(0, digits - before);
    QString text = QString::asprintf("%.*f", decimals, value);
    // Rounding may carry into a new digit in front (99.996 becomes 100.00): the point moves
    // one place on, so the text keeps its number of digits.
    if (decimals > 0 && IntegerDigits(text.toDouble()) > before) {
        --decimals;
        text = QString::asprintf("%.*f", decimals, value);
    }
    return text;
}

QString TemperatureHistoryText(double celsius, int unitsFormat) {
    if (IsMetric(unitsFormat)) {
        return SignificantText(celsius, 4);
    }
    const double f = celsius * 1.8 + 32.0;
    const int digits = f > 100.0 || IsFahrenheitHalfStep(f) ? 4 : 3;
    return SignificantText(f, digits);
}

QString WeightHistoryText(double kilograms, int unitsFormat) {
    const double v = IsMetric(unitsFormat) ? kilograms : kilograms * kPoundsPerKilogram;
    return SignificantText(v, 4);
}

CReportTable* LayOutHistoryScreen(QDialog* dialog, int listId, CCommandBar*& bar) {
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* face = new QWidget(dialog);
    face->setFixedSize(kScreenWidth, kScreenHeight);
    face->setAutoFillBackground(true);
    QPalette palette = face->palette();
    palette.setColor(QPalette::Window, Qt::white);
    face->setPalette(palette);
    layout->addWidget(face);
    auto* list = new CReportTable(face);
    list->setObjectName(QString::number(listId));
    list->setFont(DialogFont());
    list->setGeometry(4, 6, 232, 256);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bar = new CCommandBar(dialog);
    layout->addWidget(bar);
    return list;
}

void ReportHistorySave(SaveDayResult result) {
    if (result == SaveDayResult::OpenFailed) {
        ShowMessageBox(kOpenFailedText);
    } else if (result == SaveDayResult::DeleteFailed) {
        ShowMessageBox(QT_TRANSLATE_NOOP("Message", "CANNOT DELETE"));
    } else if (result == SaveDayResult::AddFailed) {
        ShowMessageBox(QT_TRANSLATE_NOOP("Message", "CANNOT ADD"));
    }
}

CMeasureHistoryDlg::CMeasureHistoryDlg(HistoryKind kind, CVelmoraMFCDoc& doc, IMainFrame* frame,
                                       QWidget* parent)
    : QDialog(parent),
      m_kind(std::move(kind)),
      m_doc(doc),
      m_frame(frame),
      m_units(AppSettings.UnitsFormat) {
    setObjectName(QString::number(m_kind.templateId));
    setWindowTitle(m_kind.title);
    m_list = LayOutHistoryScreen(this, kHistoryListId, m_bar);
    m_list->SetColumns(
        {{QCoreApplication::translate("velmora::CMeasureHistoryDlg", "Date"), kDateColumnWidth},
         {IsMetric(m_units) ? m_kind.metricHeader : m_kind.englishHeader, kValueColumnWidth}});
    m_bar->AddTools(
        kToolbarId,
        {{kCmdHistoryChart, QCoreApplication::translate("velmora::CMeasureHistoryDlg", "Chart")},
         {kCmdHistoryView, QCoreApplication::translate("velmora::CMeasureHistoryDlg", "View")},
         {kCmdHistoryDelete, QCoreApplication::translate("velmora::CMeasureHistoryDlg", "Delete")},
         {kCmdHistoryDeleteAll,
          QCoreApplication::translate("velmora::CMeasureHistoryDlg", "Delete All")}},
        QSize(50, 16));
    m_bar->AddStretch();
    connect(m_bar, &CCommandBar::commandTriggered, this, &CMeasureHistoryDlg::OnCommand);
    Refill();
}

CMeasureHistoryDlg::~CMeasureHistoryDlg() = default;

void CMeasureHistoryDlg::Refill() {
    CReportTable::Row chosen;
    const bool hadChoice = m_list->SelectedRow(chosen);
    m_list->RemoveAllRows();
    const int dateFormat = AppSettings.DateFormat;
    const int separator = AppSettings.DateSeparator;
    const long long origin = DaysFromCivil(2000, 1, 1);
    CVelmoraMFCDoc scan;  // a cursor of the screen's own: the document keeps its day
    scan.ForEachDay([&](CVelmoraMFCDoc& day) {
        const double value = day.*(m_kind.member);
        if (value == 0.0) {
            return true;
        }
        const LocalTime lt = day.m_date.Local();
        CReportTable::Row row;
        row.key =
            DayNumber(lt.year, lt.month, lt.day) -
            origin;
        row.date = day.m_date;
        m_list->AddRow({QString::fromStdString(ReportDateText(day.m_date, dateFormat, separator)),
                        m_kind.valueText(value, m_units)},
                       row);
        return true;
    });
    if (hadChoice) {
        for (int i = 0; i < m_list->RowCount(); ++i) {
            if (m_list->RowAt(i).key == chosen.key) {
                m_list->SelectRow(i);
                break;
            }
        }
    }
}

void CMeasureHistoryDlg::OnCommand(int command) {
    switch (command) {
        case kCmdHistoryChart:
            Chart();
            break;
        case kCmdHistoryView:
            View();
            break;
        case kCmdHistoryDelete:
            Delete();
            break;
        case kCmdHistoryDeleteAll:
            DeleteAll();
            break;
        default:
            break;
    }
}

void CMeasureHistoryDlg::Chart() {
    CReportTable::Row row;
    if (!m_list->SelectedRow(row)) {
        return;
    }
    const LocalTime lt = row.date.Local();
    m_kind.runChart(m_frame, lt.year, lt.month, this, m_kind.title);
}

void CMeasureHistoryDlg::View() {
    CReportTable::Row row;
    if (!m_list->SelectedRow(row)) {
        return;
    }
    // The Day View gives the main window this screen's title back when it closes.
    if (m_doc.OpenDay(row.date)) {
        CDayViewDlg::Run(m_doc, m_frame, m_kind.dayViewMode, this);
    }
    // Its arrows may have stored other days too.
    Refill();
}

void CMeasureHistoryDlg::ClearValue(CTime day) {
    if (!m_doc.OpenDay(day)) {
        return;
    }
    m_doc.*(m_kind.member) = 0.0;
    ReportHistorySave(m_doc.SaveDay());
}

void CMeasureHistoryDlg::Delete() {
    CReportTable::Row row;
    if (!m_list->SelectedRow(row)) {
        return;
    }
    if (ShowMessageBox(m_kind.deleteQuestion.toStdString(), QT_TRANSLATE_NOOP("Message", "Confirm"),
                       MbIcon::Warning, MbButtons::YesNo) != IDYES) {
        return;
    }
    ClearValue(row.date);
    Refill();
}

void CMeasureHistoryDlg::DeleteAll() {
    if (m_list->RowCount() == 0) {
        return;
    }
    if (ShowMessageBox(QT_TRANSLATE_NOOP("Message", "Do you really want to delete all records?"),
                       QT_TRANSLATE_NOOP("Message", "Confirm"), MbIcon::Warning,
                       MbButtons::YesNo) != IDYES) {
        return;
    }
    // Every listed day, a failure told and the next day tried.
    for (int i = 0; i < m_list->RowCount(); ++i) {
        ClearValue(m_list->RowAt(i).date);
    }
    Refill();
}

}  // namespace velmora
