#pragma once

// Tests of the screens that enter days: helpers that open a screen and act in it as a person would.

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
    // Queues `act` for the next screen that shows, a `S`; a screen that `act` leaves open is
    // closed without saving (and `leftOpen` says so).
    template <class S>
    void When(const std::function<void(S&)>& act) {
        leftOpen = false;
        QueueModalHook([this, act](QDialog& dialog) {
            auto* screen = dynamic_cast<S*>(&dialog);
            EXPECT_NE(screen, nullptr);
            if (screen) {
                act(*screen);
            }
            leftOpen = dialog.isVisible();
            if (leftOpen) {
                dialog.reject();
            }
        });
    }
    // Opens the day in the document and runs the Day View with `act`.
    int DayView(int y, int m, int d, DayViewMode mode,
                const std::function<void(CDayViewDlg&)>& act) {
        When(act);
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

    CVelmoraMFCDoc doc;
    bool leftOpen = false;
};

}  // namespace velmora::test
