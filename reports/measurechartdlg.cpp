#include "reports/measurechartdlg.h"

#include "reports/historybase.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QImage>
#include <QLayout>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "reports/historybase.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "ui/dayviewpages.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/fonts.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/modal.h"
#include "ui/kit/screentext.h"
#include "ui/kit/titles.h"

namespace velmora {

namespace {

ChartSetup TemperatureSetup() {
    ChartSetup s;
    s.templateId = 191;
    s.title = ScreenTitle(title::kTemperatureChart);
    s.background = SkinnedScreen::TemperatureChart;
    s.helpCode = 4;
    s.helpPage = 11;
    s.monthly = true;
    s.noDataText = QT_TRANSLATE_NOOP("Message", "There is no data for this month");
    ChartLayout& l = s.layout;
    l.axisX = 30;
    l.axisTop = 5;
    l.gridTop = 15;
    l.gridStep = 6;
    l.gridLines = 40;
    l.scaleRows = 40;
    l.labelRight = 30;
    l.labelBelow = 10;
    l.tickFirstX = 32;
    l.tickStep = 6;
    l.ticks = CMeasureChartDlg::kDays;
    l.unitRect = {20, -2, 35, 10};
    return s;
}

ChartSetup WeightSetup() {
    ChartSetup s;
    s.templateId = 187;
    s.title = ScreenTitle(title::kWeightChart);
    s.background = SkinnedScreen::WeightChart;
    s.helpCode = 8;
    s.helpPage = 13;
    s.monthly = true;
    s.noDataText = QT_TRANSLATE_NOOP("Message", "There is no data for this month");
    ChartLayout& l = s.layout;
    l.axisX = 20;
    l.axisTop = 15;
    l.gridTop = 25;
    l.gridStep = 10;
    l.gridLines = 23;
    l.scaleRows = 23;
    l.labelRight = 20;
    l.labelBelow = 10;
    l.tickFirstX = 22;
    l.tickStep = 7;
    l.ticks = CMeasureChartDlg::kDays;
    l.unitRect = {5, 1, 20, 20};
    return s;
}

// The Fahrenheit scale in hundredths of a degree, row by row from the top: tenths of a
// degree, with the half steps that the Day View's Fahrenheit list has (97.35, 98.15, 99.05,
// 99.95) taken where they fall.
int FahrenheitRow(int row) {
    int value = 10040;
    for (int r = 0; r < row; ++r) {
        const bool half =
            r == 4 || r == 5 || r == 14 || r == 15 || r == 24 || r == 25 || r == 33 || r == 34;
        value -= half ? 5 : 10;
    }
    return value;
}

// The shift's marks: a green apart from the red bars, the black line and the blue axes.
constexpr QRgb kShiftColour = qRgb(0, 128, 0);
// The coverline's dashes, in pixels drawn and left out.
constexpr int kDashOn = 4;
constexpr int kDashOff = 2;
// The ring around the third higher day's point.
constexpr int kRingRadius = 5;
// Where the caption stands: above the grid, right of the scale's top label.
const QRect kCaptionRect(38, 1, 197, 12);

}  // namespace

CMeasureChartDlg::CMeasureChartDlg(Measure measure, IMainFrame* frame, int year, int month,
                                   QWidget* parent)
    : CChartDlg(frame, measure == Measure::Temperature ? TemperatureSetup() : WeightSetup(),
                parent),
      m_measure(measure),
      m_metric(IsMetric(AppSettings.UnitsFormat)) {
    if (measure == Measure::Temperature) {
        // Beside the buttons, where the bar has room; the keyboard reaches it with Tab or its
        // mnemonic, and it is kept with the other settings at exit.
        m_shiftBox = new QCheckBox(tr("&Shift"), CommandBar());
        m_shiftBox->setObjectName(QString::number(kChartShiftBoxId));
        m_shiftBox->setToolTip(
            tr("Show the temperature shift: information only, not contraception"));
        m_shiftBox->setAccessibleDescription(m_shiftBox->toolTip());
        m_shiftBox->setChecked(AppSettings.TemperatureShift);
        CommandBar()->layout()->addWidget(m_shiftBox);
        connect(m_shiftBox, &QCheckBox::toggled, this, [this](bool on) {
            AppSettings.TemperatureShift = on;
            Redraw();
        });
    }
    Open(year, month);
}

std::optional<TemperatureShift> CMeasureChartDlg::ShownShift() const {
    if (m_measure != Measure::Temperature || !AppSettings.TemperatureShift) {
        return std::nullopt;
    }
    return m_shift;
}

int CMeasureChartDlg::TemperatureY(double celsius) {
    // Anything the scale cannot show lies far outside it, and still converts to a number.
    celsius = std::isfinite(celsius) ? std::clamp(celsius, 0.0, 100.0) : 0.0;
    // Twenty steps per degree, a half step rounded up.
    const double x = (celsius - 36.0) * 20.0;
    const double up = std::trunc(x + 1.0);
    const int n = static_cast<int>(x + 0.5 >= up ? up : std::trunc(x));
    return kAxisY - 6 * n;
}

int CMeasureChartDlg::WeightY(double kilograms) {
    kilograms = std::isfinite(kilograms) ? std::clamp(kilograms, 0.0, 1000.0) : 0.0;
    // Two pixels per whole kilogram above 40; the part of a kilogram is dropped.
    const int n = static_cast<int>(std::trunc(kilograms - 40.0));
    return 245 - 2 * n;
}

std::optional<int> CMeasureChartDlg::PointY(int day) const {
    if (day < 1 || day > kDays) {
        return std::nullopt;
    }
    return m_points[static_cast<size_t>(day - 1)];
}

int CMeasureChartDlg::DayX(int day) const {
    const ChartLayout& l = Setup().layout;
    return l.tickFirstX + l.tickStep * (day - 1);
}

CChartDlg::Reading CMeasureChartDlg::Read() {
    m_points.fill(std::nullopt);
    m_values.fill(0.0);
    Reading reading;
    const int year = ShownYear();
    const int month = ShownMonth();
    const double CVelmoraMFCDoc::*member = m_measure == Measure::Temperature
                                               ? &CVelmoraMFCDoc::m_temperature
                                               : &CVelmoraMFCDoc::m_weight;
    // Values far outside the scale (a damaged diary) stay inside the frame rather than run
    // over the labels.
    const int top = Setup().layout.axisTop;
    CVelmoraMFCDoc scan;  // a cursor of the screen's own: the calendar's day stays as it is
    // Only the days of the month are read (a day more on each side; their local dates
    // decide).
    const CTime first = CTime(year, month, 1, 0, 0, 0) - kSecondsPerDay;
    const CTime last =
        CTime(month == 12 ? year + 1 : year, month == 12 ? 1 : month + 1, 1, 0, 0, 0) +
        kSecondsPerDay;
    const bool opened = scan.ForEachDayIn(first, last, [&](CVelmoraMFCDoc& day) {
        reading.looked = true;
        const double value = day.*member;
        if (value == 0.0 || !std::isfinite(value)) {
            return true;
        }
        const LocalTime lt = day.m_date.Local();
        if (lt.year != year || lt.month != month || lt.day < 1 || lt.day > kDays) {
            return true;
        }
        const int y = m_measure == Measure::Temperature ? TemperatureY(value) : WeightY(value);
        m_points[static_cast<size_t>(lt.day - 1)] = std::clamp(y, top, kAxisY);
        m_values[static_cast<size_t>(lt.day - 1)] = value;
        reading.anyValue = true;
        return true;
    });
    if (m_measure == Measure::Temperature) {
        std::array<std::optional<double>, kDays> days{};
        for (size_t d = 0; d < days.size(); ++d) {
            if (m_points[d]) {
                days[d] = m_values[d];
            }
        }
        m_shift = FindTemperatureShift(days);
    }
    // A diary without any day says nothing; one with days in other months shows this one
    // empty.
    if (opened && !reading.looked) {
        reading.looked = scan.m_db.SeekFirst();
        scan.m_db.EndScan();
    }
    return reading;
}

QString CMeasureChartDlg::UnitText() const {
    if (m_measure == Measure::Temperature) {
        return tr("T");
    }
    return m_metric ? tr("Kg.") : tr("Lb.");
}

QString CMeasureChartDlg::ScaleLabel(int row) const {
    if (m_measure == Measure::Temperature) {
        if (m_metric) {
            return QString::asprintf("%1.2f", (3800 - 5 * row) / 100.0);
        }
        return QString::asprintf("%1.2f", FahrenheitRow(row) / 100.0);
    }
    const int kilograms = 150 - 5 * row;
    if (m_metric) {
        return QString::asprintf("%d", kilograms);
    }
    return QString::asprintf("%1.0f", kilograms * kPoundsPerKilogram);
}

QString CMeasureChartDlg::TickLabel(int index) const {
    const int day = index + 1;
    return day % 3 == 0 ? QString::asprintf("%d", day) : QString();
}

void CMeasureChartDlg::DrawValues(QImage& surface, QPainter& painter) {
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    std::optional<QPoint> previous;
    for (int day = 1; day <= kDays; ++day) {
        if (const std::optional<int> y = PointY(day)) {
            const QPoint here(DayX(day), *y);
            if (previous) {
                painter.drawLine(*previous, here);
            }
            previous = here;
        }
    }
    for (int day = 1; day <= kDays; ++day) {
        if (const std::optional<int> y = PointY(day)) {
            DrawThinLine(surface, DayX(day), kAxisY, DayX(day), *y, qRgb(255, 0, 0));
        }
    }
    if (const std::optional<TemperatureShift> shift = ShownShift()) {
        DrawShift(surface, painter, *shift);
    }
}

void CMeasureChartDlg::DrawShift(QImage& surface, QPainter& painter,
                                 const TemperatureShift& shift) {
    const ChartLayout& l = Setup().layout;
    // The coverline over the bars and the line, dashed so that they show through; on the
    // row where a day of the coverline's temperature has its point.
    const int y = std::clamp(TemperatureY(shift.coverline), l.axisTop, kAxisY);
    for (int x = l.axisX + 2; x < kArrowX; x += kDashOn + kDashOff) {
        DrawThinLine(surface, x, y, std::min(x + kDashOn, kArrowX), y, kShiftColour);
    }
    const int third = shift.thirdHigh + 1;
    if (const std::optional<int> point = PointY(third)) {
        painter.setPen(QPen(QColor(kShiftColour), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPoint(DayX(third), *point), kRingRadius, kRingRadius);
    }
    // The caption on a white ground above the grid, narrowed rather than cut when a language
    // needs more room.
    const QString caption = tr("Shift: information only, not contraception");
    QFont font = ScreenFont(10);
    const int width = QFontMetrics(font).horizontalAdvance(caption);
    if (width > kCaptionRect.width() - 2) {
        font.setStretch(std::max(50, (kCaptionRect.width() - 2) * 100 / width));
    }
    painter.fillRect(kCaptionRect, Qt::white);
    painter.setFont(font);
    painter.setPen(QColor(kShiftColour));
    DrawScreenText(painter, kCaptionRect.adjusted(1, 0, -1, 0),
                   Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

QString CMeasureChartDlg::DescribeValues() const {
    QStringList days;
    for (int day = 1; day <= kDays; ++day) {
        const double value = m_values[static_cast<size_t>(day - 1)];
        if (value != 0.0) {
            const QString text = m_measure == Measure::Temperature
                                     ? TemperatureHistoryText(value, AppSettings.UnitsFormat)
                                     : WeightHistoryText(value, AppSettings.UnitsFormat);
            days << tr("day %1: %2").arg(day).arg(text);
        }
    }
    if (days.isEmpty()) {
        return tr("no values");
    }
    if (const std::optional<TemperatureShift> shift = ShownShift()) {
        days << tr("temperature shift: coverline %1, third higher day %2")
                    .arg(TemperatureHistoryText(shift->coverline, AppSettings.UnitsFormat))
                    .arg(shift->thirdHigh + 1)
             << tr("Shift: information only, not contraception");
    }
    return days.join(QStringLiteral("; "));
}

CTemperatureChartDlg::CTemperatureChartDlg(IMainFrame* frame, int year, int month, QWidget* parent)
    : CMeasureChartDlg(Measure::Temperature, frame, year, month, parent) {}

int CTemperatureChartDlg::Run(IMainFrame* frame, int year, int month, QWidget* parent,
                              const QString& returnTitle) {
    const QString shown = ScreenTitle(title::kTemperatureChart);
    if (frame) {
        frame->SetTitle(shown);
    }
    CTemperatureChartDlg chart(frame, year, month,
                               parent ? parent : (frame ? frame->Window() : nullptr));
    chart.SetReturnTitle(returnTitle);
    return RunModal(chart, frame, shown);
}

CWeightChartDlg::CWeightChartDlg(IMainFrame* frame, int year, int month, QWidget* parent)
    : CMeasureChartDlg(Measure::Weight, frame, year, month, parent) {}

int CWeightChartDlg::Run(IMainFrame* frame, int year, int month, QWidget* parent,
                         const QString& returnTitle) {
    const QString shown = ScreenTitle(title::kWeightChart);
    if (frame) {
        frame->SetTitle(shown);
    }
    CWeightChartDlg chart(frame, year, month,
                          parent ? parent : (frame ? frame->Window() : nullptr));
    chart.SetReturnTitle(returnTitle);
    return RunModal(chart, frame, shown);
}

}  // namespace velmora
