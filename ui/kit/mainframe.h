#pragma once

#include <QString>

class QComboBox;
class QWidget;

namespace velmora {

// What the screens need of the main window: its title (which names the open screen), the
// window itself (screens open over it), and the month and year lists of its command bar.
class IMainFrame {
public:
    virtual ~IMainFrame() = default;
    virtual void SetTitle(const QString& title) = 0;
    virtual QString Title() const = 0;
    virtual QWidget* Window() = 0;
    virtual void ShowCommandBar(bool show) = 0;
};

// The command bar's month list (selection = month - 1) and year list (selection = year -
// first year), reachable from every screen that follows the calendar's month.
extern QComboBox* MonthCombo;
extern QComboBox* YearCombo;

// The month (1-12) and year selected in the command bar; the current ones without a bar.
int SelectedMonth();
int SelectedYear();
// Selects month/year in the command bar (clamped to the years listed).
void SelectMonth(int month, int year);

}  // namespace velmora
