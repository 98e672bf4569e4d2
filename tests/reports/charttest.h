#pragma once

// Shared set-up of the chart and history tests: a private diary written as the screens write
// it, the clock pinned, the program's pictures, a stand-in main window, and a helper that runs
// a screen and acts in it as a person would.

#include <QDialog>
#include <functional>

#include "tests/support/helprecorder.h"
#include "tests/support/screenstoretest.h"
#include "ui/kit/modal.h"

namespace velmora::test {

class ChartTest : public ScreenStoreTest {
protected:
    static void Temperature(int y, int m, int d, double celsius) {
        Store(y, m, d, [celsius](CVelmoraMFCDoc& day) { day.m_temperature = celsius; });
    }
    static void Weight(int y, int m, int d, double kilograms) {
        Store(y, m, d, [kilograms](CVelmoraMFCDoc& day) { day.m_weight = kilograms; });
    }
    static void Fluid(int y, int m, int d, int fluid) {
        Store(y, m, d, [fluid](CVelmoraMFCDoc& day) { day.m_fluid = static_cast<int16_t>(fluid); });
    }

    // Runs `dialog` as the program runs its screens; `act` runs once it shows, after the
    // messages it posted on opening. A screen that `act` leaves open is closed.
    template <class Screen>
    void RunScreen(Screen& dialog, const QString& title, const std::function<void(Screen&)>& act) {
        QueueModalHook([act](QDialog& shown) {
            QCoreApplication::processEvents();
            act(static_cast<Screen&>(shown));
            if (shown.isVisible()) {
                shown.reject();
            }
        });
        RunModal(dialog, &frame, title);
    }
};

using HelpCalls = std::vector<HelpRecorder::Call>;

}  // namespace velmora::test
