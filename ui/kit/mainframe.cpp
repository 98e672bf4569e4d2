#include "ui/kit/mainframe.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>

#include "platform/clock.h"
#include "store/names.h"

namespace velmora {

QComboBox* MonthCombo = nullptr;
QComboBox* YearCombo = nullptr;

int SelectedMonth() {
    if (MonthCombo && MonthCombo->currentIndex() >= 0) {
        return MonthCombo->currentIndex() + 1;
    }
    return Clock::Now().GetMonth();
}

int SelectedYear() {
    if (YearCombo && YearCombo->currentIndex() >= 0) {
        return YearCombo->currentIndex() + FirstYear();
    }
    return Clock::Now().GetYear();
}

void SelectMonth(int month, int year) {
    ClampToListedMonth(month, year);
    // Both lists change before anyone hears of it, so listeners see a whole month.
    const QSignalBlocker blockMonth(MonthCombo);
    const QSignalBlocker blockYear(YearCombo);
    if (MonthCombo) {
        MonthCombo->setCurrentIndex(month - 1);
    }
    if (YearCombo) {
        YearCombo->setCurrentIndex(year - FirstYear());
    }
}

}  // namespace velmora
