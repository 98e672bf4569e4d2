#pragma once

// Tests of the screens that enter days: a stand-in main window, the clock pinned, message
// boxes recorded, and helpers that open a screen and act in it as a person would.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <functional>

#include "tests/support/screenstoretest.h"
#include "ui/dayviewdlg.h"
#include "ui/kit/modal.h"

namespace velmora::test {

class EntryTest : public ScreenStoreTest {
protected:
    // Opens the day in the document and runs the Day View; `act` runs once it shows. A
    // screen that `act` leaves open is closed without saving (and `leftOpen` says so).
    int DayView(int y, int m, int d, DayViewMode mode,
                const std::function<void(CDayViewDlg&)>& act) {
        leftOpen = false;
        QueueModalHook([this, act](QDialog& dialog) {
            auto* screen = dynamic_cast<CDayViewDlg*>(&dialog);
            EXPECT_NE(screen, nullptr);
            if (screen) {
                act(*screen);
            }
            if (dialog.isVisible()) {
                leftOpen = true;
                dialog.reject();
            }
        });
        doc.OpenDay(y, m, d);
        return CDayViewDlg::Run(doc, &frame, mode);
    }

    // A tap on tab `index` of the Day View.
    static void TapTab(CDayViewDlg& screen, int index) {
        auto* bar = Control<QTabBar>(&screen, kDayViewTabsId);
        ASSERT_NE(bar, nullptr);
        Tap(*bar, bar->tabRect(index).center());
    }
    static QCheckBox* Box(QWidget& screen, int id) { return Control<QCheckBox>(&screen, id); }
    static QComboBox* List(QWidget& screen, int id) { return Control<QComboBox>(&screen, id); }
    static QLineEdit* Edit(QWidget& screen, int id) { return Control<QLineEdit>(&screen, id); }
    static QPlainTextEdit* Text(QWidget& screen, int id) {
        return Control<QPlainTextEdit>(&screen, id);
    }

    CVelmoraMFCDoc doc;
    bool leftOpen = false;
};

}  // namespace velmora::test
