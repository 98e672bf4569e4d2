#pragma once

// Shared set-up of the chart and history tests: a private diary written as the screens write
// it, the clock pinned, the program's pictures, a stand-in main window, and helpers that run
// a screen and act in it as a person would.

#include <QDialog>
#include <QImage>
#include <functional>
#include <memory>
#include <vector>

#include "tests/support/helprecorder.h"
#include "tests/support/screenstoretest.h"
#include "ui/kit/help.h"
#include "ui/kit/modal.h"

namespace velmora::test {

class ChartTest : public ScreenStoreTest {
protected:
    ~ChartTest() override { SetHelpOpener({}); }

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

    // Records what the help opener was asked for, and the main window's title meanwhile.
    struct HelpCall {
        int code = 0;
        int page = 0;
        QString title;
    };
    // Help opens for real (and is closed at once); each opening is recorded.
    void RecordHelp() { m_recorder = std::make_unique<HelpRecorder>(); }
    std::vector<HelpCall> HelpCalls() const {
        std::vector<HelpCall> out;
        for (const auto& c : m_recorder->Calls()) {
            out.push_back({c.code, c.page, c.title});
        }
        return out;
    }

private:
    std::unique_ptr<HelpRecorder> m_recorder;
};

// Colours as the window surface gives them back.
inline constexpr QRgb kRed = 0xFFFF0000;
inline constexpr QRgb kBlue = 0xFF0000FF;
inline constexpr QRgb kBlack = 0xFF000000;

}  // namespace velmora::test
