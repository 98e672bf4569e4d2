#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <QStringList>

#include "gfx/fastbitmap.h"
#include "gfx/graphicbuffer.h"
#include "gfx/pictures.h"
#include "ui/kit/picturescreen.h"

class QComboBox;
class QImage;
class QPainter;

namespace velmora {

class CCommandBar;
class IMainFrame;
class ScreenBuffer;
class ScreenWidget;

// Commands of the charts' command bars, and their lists.
enum ChartCommand : int {
    kCmdChartPrevious = 32786,
    kCmdChartNext = 32787,
    kCmdChartHelp = 32795,
};
inline constexpr int kChartMonthListId = 1012;
inline constexpr int kChartYearListId = 1013;

// Where a chart's frame stands. Every chart has a vertical axis at `axisX` from `axisTop`
// down to the horizontal axis at y 255, which runs right to the arrow head at x 235.
struct ChartLayout {
    int axisX = 30;
    int axisTop = 5;
    // White grid lines at gridTop + gridStep * k, k = 0 .. gridLines - 1.
    int gridTop = 15;
    int gridStep = 6;
    int gridLines = 40;
    // Scale rows at the grid's spacing, r = 0 .. scaleRows - 1; even rows carry a label in
    // (1, y - 5) to (labelRight, y + labelBelow) and a long tick, odd rows a short one.
    int scaleRows = 40;
    int labelRight = 30;
    int labelBelow = 10;
    // Ticks along the bottom at tickFirstX + tickStep * i, i = 0 .. ticks - 1.
    int tickFirstX = 32;
    int tickStep = 6;
    int ticks = 31;
    // Where the unit text stands (the top-left corner's word for what the scale counts).
    Rect unitRect{20, -2, 35, 10};
};

// What makes one chart screen different from the others.
struct ChartSetup {
    int templateId = 0;
    QString title;  // the screen's own caption
    SkinnedScreen background = SkinnedScreen::TemperatureChart;
    int helpCode = 0;
    int helpPage = 0;
    bool monthly = true;  // month and year lists, stepping by months; else the year list alone
    QString noDataText;   // told once per period shown without values
    ChartLayout layout;
};

// The screen shared by the charts: the skin's background, the two axes with their arrow
// heads, the white grid, the scale with its labels and ticks, the ticks and labels along the
// bottom, the lists of the command bar with Previous, Next and Help, and the message that the
// period shown has no values. What is drawn on the frame is the subclass's.
//
// The chart is composed into the window surface whenever the period changes or the screen is
// tapped; the no-data message is posted to come after the new picture shows, never from
// inside the drawing.
class CChartDlg : public CPictureScreenDlg {
    Q_OBJECT

public:
    static constexpr int kAxisY = 255;
    static constexpr int kArrowX = 235;

    ~CChartDlg() override;

    // Previous, Next and Help.
    void OnCommand(int command);
    // The period shown: its year, and its month (1-12) for the monthly charts.
    int ShownYear() const;
    int ShownMonth() const;
    QComboBox* MonthList() const { return m_months; }
    QComboBox* YearList() const { return m_years; }
    CCommandBar* CommandBar() const { return m_bar; }
    ScreenBuffer& Screen();
    const ChartSetup& Setup() const { return m_setup; }
    // Whether the period shown was found without values (in a diary that has days).
    bool ShownEmpty() const { return m_empty; }
    // The scale's labels as last drawn, top to bottom.
    const QStringList& ScaleLabels() const { return m_scaleLabels; }

    // Composes the chart of the values read into the window surface and shows it.
    void Redraw() override;

    // A one-pixel line in `colour` from (x0, y0) towards (x1, y1), its last point left out,
    // clipped to the surface.
    static void DrawThinLine(QImage& surface, int x0, int y0, int x1, int y1, QRgb colour);

protected:
    CChartDlg(IMainFrame* frame, ChartSetup setup, QWidget* parent);

    // Shows this period first (month ignored by yearly charts). A period outside the lists
    // shows the nearest one inside them. Subclasses call it at the end of their constructor.
    void Open(int year, int month);

    // What reading the shown period found: whether there was anything to look at (each
    // chart says what counts), and whether the period had a value. Only a period that was
    // looked at and has no value is announced as empty.
    struct Reading {
        bool looked = false;
        bool anyValue = false;
    };
    // Reads the values of the shown period from the diary.
    virtual Reading Read() = 0;
    // The word in the top-left corner.
    virtual QString UnitText() const = 0;
    // The label of scale row `row` (only even rows are asked).
    virtual QString ScaleLabel(int row) const = 0;
    // The label under bottom tick `index`; empty for a short tick without one.
    virtual QString TickLabel(int index) const = 0;
    // Draws the values onto the finished frame.
    virtual void DrawValues(QImage& surface, QPainter& painter) = 0;
    // The values shown, in words, for assistive technology.
    virtual QString DescribeValues() const = 0;

private:
    // The lists point at another period: read it and show it.
    void PeriodChanged();
    void Step(int direction);
    void ShowHelp();
    void DrawFrame(QImage& surface, QPainter& painter);

    ChartSetup m_setup;
    ScreenWidget* m_screen = nullptr;
    CCommandBar* m_bar = nullptr;
    QComboBox* m_months = nullptr;
    QComboBox* m_years = nullptr;
    CFastBitmap m_background;
    bool m_empty = false;
    bool m_noDataShown = false;
    QStringList m_scaleLabels;
};

}  // namespace velmora
