// The weight and height scale: typed values, the Calculate button and the mode buttons, with
// every result compared to a computation of the rules written out here.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "help/helpdialog.h"
#include "tests/app/apptest.h"
#include "tests/support/screentest.h"
#include "tools/scale/scaledlg.h"
#include "ui/kit/commandbar.h"

namespace velmora {
namespace {

using test::Control;
using test::Press;

// Ideal weights by height, ten centimetres a row from 100 cm.
const double kRows[][10] = {
    {18.0, 18.1, 18.2, 18.3, 18.7, 19.4, 19.5, 19.8, 19.9, 20.1},
    {21.4, 21.6, 22.3, 22.7, 23.4, 23.7, 24.5, 25.6, 26.7, 27.1},
    {28.5, 28.8, 29.7, 30.5, 30.9, 31.9, 32.3, 33.7, 33.8, 34.2},
    {35.9, 36.0, 37.1, 37.7, 38.2, 38.8, 39.8, 40.7, 41.8, 42.2},
    {43.9, 44.3, 44.6, 44.7, 45.0, 45.3, 45.6, 45.9, 46.6, 47.3},
    {47.7, 48.1, 48.6, 49.3, 50.0, 51.0, 51.4, 52.3, 53.2, 53.6},
    {54.0, 54.5, 55.3, 56.1, 56.8, 57.7, 58.6, 59.2, 59.8, 60.5},
    {61.4, 62.2, 62.8, 63.4, 64.1, 65.0, 65.9, 66.5, 67.1, 67.7},
    {68.6, 69.5, 70.1, 70.7, 71.4, 0, 0, 0, 0, 0},
};
constexpr int kLastTableCm = 184;

double TableWeight(int cm) {
    return kRows[(cm - 100) / 10][(cm - 100) % 10];
}

// The value rounded half up to `decimals` decimals, as text.
std::string Fixed(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const long long n = std::llround(value * scale);
    const long long unit = static_cast<long long>(scale);
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), "%lld.%0*lld", n / unit, decimals, n % unit);
    return buffer;
}

// The ideal weight for a typed height, or "" when the height is refused.
std::string ExpectedWeight(const std::string& typed, bool metric) {
    const float h = static_cast<float>(std::strtod(typed.c_str(), nullptr));
    if (metric ? !(h >= 1.0f && h <= 2.1f) : !(h >= 3.3f && h <= 6.8f)) {
        return "";
    }
    const float metres = metric ? h : static_cast<float>(h * (1.0 / 3.28));
    const float above = metres * 100.0f - 100.0f;  // single precision, as the handheld
    double x = above;
    const double fraction = x - std::floor(x);
    if (fraction > 0.98 && fraction < 1.0) {
        x += 0.001;  // just below a whole centimetre
    }
    const int cm = 100 + static_cast<int>(x);
    double kg = cm <= kLastTableCm ? TableWeight(cm) : x - 11;
    if (!metric) {
        kg *= 2.2;
    }
    return Fixed(kg, kg < 100 ? 2 : 1);
}

// The ideal height for a typed weight, or "" when the weight is refused.
std::string ExpectedHeight(const std::string& typed, bool metric) {
    const float w = static_cast<float>(std::strtod(typed.c_str(), nullptr));
    if (metric ? !(w >= 18.0f && w <= 99.0f) : !(w >= 40.0f && w <= 218.0f)) {
        return "";
    }
    const double kg = metric ? w : w * (1.0 / 2.2);
    double cm = 0;
    if (kg < 18.0 || kg > 71.4) {
        cm = kg + 111;
    } else {
        cm = 100;
        while (cm < kLastTableCm && !(TableWeight(static_cast<int>(cm)) > kg)) {
            ++cm;
        }
    }
    if (!metric) {
        cm *= 3.28;
    }
    const long long n = static_cast<long long>(std::floor(cm + 0.5));  // three figures
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), "%lld.%02lld", n / 100, n % 100);
    return buffer;
}

class ScaleTest : public test::StoreTest {
protected:
    ScaleTest() {
        RegisterProgramResources();
        AppSettings = VelmoraSettings();
    }
    ~ScaleTest() override { AppSettings = VelmoraSettings(); }

    // Types `text`, taps Calculate, and gives the result shown.
    std::string Calculate(CScaleDlg& d, const std::string& text) {
        Control<QLineEdit>(&d, kScaleValueId)->setText(QString::fromStdString(text));
        Press(&d, kScaleCalculateId);
        return Control<QLabel>(&d, kScaleResultId)->text().toStdString();
    }
    static std::string Typed(double value, int decimals) {
        char buffer[32];
        std::snprintf(buffer, sizeof(buffer), "%.*f", decimals, value);
        return buffer;
    }
    // Every value from `from` to `to` in `step`, typed, against the rules.
    void Sweep(bool metric, bool weightMode, double from, double to, double step, int decimals) {
        AppSettings.UnitsFormat = metric ? 1 : 0;
        CScaleDlg d(&frame);
        d.SwitchMode(weightMode);
        int refused = 0;
        const int count = static_cast<int>(std::lround((to - from) / step));
        for (int i = -1; i <= count + 1; ++i) {
            const std::string typed = Typed(from + i * step, decimals);
            SCOPED_TRACE(typed);
            const std::string expected =
                weightMode ? ExpectedWeight(typed, metric) : ExpectedHeight(typed, metric);
            const size_t before = boxes.Count();
            const std::string shown = Calculate(d, typed);
            if (expected.empty()) {
                ++refused;
                EXPECT_EQ(boxes.Count(), before + 1);
            } else {
                EXPECT_EQ(boxes.Count(), before);
                EXPECT_EQ(shown, expected);
            }
        }
        // Only the two values just outside the range are refused.
        EXPECT_EQ(refused, 2);
    }

    test::TestFrame frame;
};

TEST_F(ScaleTest, TheWorkedCasesGiveTheirResults) {
    CScaleDlg metric(&frame);
    EXPECT_EQ(Calculate(metric, "1.70"), "61.40");
    EXPECT_EQ(Calculate(metric, "2.1"), "99.00");  // just below 110 cm, lifted to 110.001
    EXPECT_EQ(Calculate(metric, "1.0"), "18.00");
    EXPECT_EQ(Calculate(metric, "1.84"), "71.40");  // the table's last entry
    EXPECT_EQ(Calculate(metric, "1.85"), "74.00");
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(Calculate(metric, "0.9"), "74.00");  // refused: the result stays
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Height must be between 1 and 2.1 meters");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Velmora Plus");
    metric.SwitchMode(false);
    EXPECT_EQ(Calculate(metric, "61.4"), "1.71");  // held a little above 61.4
    EXPECT_EQ(Calculate(metric, "80"), "1.91");
    EXPECT_EQ(Calculate(metric, "71.3"), "1.84");
    EXPECT_EQ(Calculate(metric, "71.5"), "1.83");  // 182.5 cm rounds up
    EXPECT_EQ(Calculate(metric, "17.9"), "1.83");
    EXPECT_EQ(boxes.Texts().back(), "Weight must be between 18 and 99 kilograms");

    AppSettings.UnitsFormat = 0;
    CScaleDlg english(&frame);
    EXPECT_EQ(Calculate(english, "5.6"), "135.1");
    // The limits the message names are inside the range.
    EXPECT_EQ(Calculate(english, "3.3"), ExpectedWeight("3.3", false));
    EXPECT_EQ(Calculate(english, "6.8"), ExpectedWeight("6.8", false));
    boxes.Clear();
    Calculate(english, "6.9");
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Height must be between 3.3 and 6.8 feet"});
    english.SwitchMode(false);
    EXPECT_EQ(Calculate(english, "135"), "5.58");
    // The pounds typed stay in the field.
    EXPECT_EQ(Control<QLineEdit>(&english, kScaleValueId)->text(), "135");
    boxes.Clear();
    Calculate(english, "30");
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Weight must be between 40 and 218 pounds"});
}

TEST_F(ScaleTest, EveryMetricHeightAndWeightFollowsTheRules) {
    Sweep(true, true, 1.00, 2.10, 0.01, 2);
    Sweep(true, false, 18.0, 99.0, 0.1, 1);
}

TEST_F(ScaleTest, EveryEnglishHeightAndWeightFollowsTheRules) {
    Sweep(false, true, 3.30, 6.80, 0.01, 2);
    Sweep(false, false, 40.0, 218.0, 0.5, 1);
}

TEST_F(ScaleTest, ATextThatIsNoNumberIsRefused) {
    CScaleDlg d(&frame);
    EXPECT_EQ(Calculate(d, "1.70"), "61.40");
    for (const char* typed : {"", "abc", "1,7", "1.7kg", "1e99"}) {
        boxes.Clear();
        EXPECT_EQ(Calculate(d, typed), "61.40") << typed;
        ASSERT_EQ(boxes.Count(), 1u) << typed;
        EXPECT_EQ(boxes.Boxes()[0].text, "Please enter a number.");
    }
}

TEST_F(ScaleTest, TheModeButtonsSwapTextsAndClearOnlyOnTheWayToHeight) {
    CScaleDlg d(&frame);
    auto* weight = Control<QPushButton>(&d, kScaleWeightModeId);
    auto* height = Control<QPushButton>(&d, kScaleHeightModeId);
    EXPECT_TRUE(d.WeightMode());
    EXPECT_FALSE(weight->isHidden());
    EXPECT_TRUE(height->isHidden());
    EXPECT_EQ(d.ModeText(), "Calculate your ideal weight on the base of your height");
    EXPECT_EQ(d.InputLabel(), "Height:");
    EXPECT_EQ(d.OutputLabel(), "Weight:");
    EXPECT_EQ(d.InputUnit(), "m");
    EXPECT_EQ(d.OutputUnit(), "kg");
    EXPECT_EQ(Calculate(d, "1.7"), "61.40");

    weight->click();
    EXPECT_FALSE(d.WeightMode());
    EXPECT_TRUE(weight->isHidden());
    EXPECT_FALSE(height->isHidden());
    EXPECT_EQ(d.ModeText(), "Calculate your ideal height on the base of your weight");
    EXPECT_EQ(d.InputLabel(), "Weight:");
    EXPECT_EQ(d.OutputLabel(), "Height:");
    EXPECT_EQ(d.InputUnit(), "kg");
    EXPECT_EQ(d.OutputUnit(), "m");
    EXPECT_EQ(Control<QLineEdit>(&d, kScaleValueId)->text(), "0");
    EXPECT_EQ(d.Result(), "");

    Control<QLineEdit>(&d, kScaleValueId)->setText("65");
    height->click();
    EXPECT_TRUE(d.WeightMode());
    EXPECT_EQ(Control<QLineEdit>(&d, kScaleValueId)->text(), "65");
    EXPECT_EQ(d.Result(), "");

    AppSettings.UnitsFormat = 0;
    CScaleDlg english(&frame);
    EXPECT_EQ(english.InputUnit(), "ft");
    EXPECT_EQ(english.OutputUnit(), "lb");
    english.SwitchMode(false);
    EXPECT_EQ(english.InputUnit(), "lb");
    EXPECT_EQ(english.OutputUnit(), "ft");
}

TEST_F(ScaleTest, TheLabelsAndResultArePaintedOverTheSkinsBackground) {
    AppSettings.Skin = 3;
    CScaleDlg d(&frame);
    const auto background =
        test::Decoded(SkinBackgroundId(SkinnedScreen::WeightHeightScale, 3), 240, 268);
    // Pixels of the window that differ from the background inside a rectangle.
    auto painted = [&](int left, int top, int right, int bottom) {
        d.Render();
        const QImage& w = d.Screen().WindowSurface();
        int n = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                n += reinterpret_cast<const Pixel*>(w.scanLine(y))[x] !=
                     background->Surface()->GetPixel(x, y);
            }
        }
        return n;
    };
    EXPECT_EQ(painted(0, 200, 240, 268), 0);  // below the panel: the picture only
    EXPECT_GT(painted(9, 14, 235, 29), 100);  // the question
    EXPECT_GT(painted(9, 29, 235, 45), 20);
    EXPECT_GT(painted(23, 80, 75, 95), 20);    // "Height:"
    EXPECT_GT(painted(155, 79, 173, 95), 5);   // "m"
    EXPECT_EQ(painted(76, 121, 147, 136), 0);  // no result yet
    Calculate(d, "1.7");
    EXPECT_GT(painted(76, 121, 147, 136), 20);
}

class ScaleAppTest : public test::AppTest {};

TEST_F(ScaleAppTest, OpensFromTheMenuAndItsHelpGivesTheTitleBack) {
    Start();
    QString title;
    int helpPage = 0;
    QString titleAfterHelp;
    QueueModalHook([&](QDialog& d) {
        title = Frame().Title();
        QueueModalHook([&](QDialog& h) {
            helpPage = static_cast<CHelpDialog&>(h).Page();
            h.reject();
        });
        static_cast<CScaleDlg&>(d).CommandBar()->ToolButton(kCmdScaleHelp)->click();
        titleAfterHelp = Frame().Title();
        Press(&d, kScaleCancelId);
    });
    app->OnCommand(kCmdScale);
    EXPECT_EQ(title, "Weight|Height Scale");
    EXPECT_EQ(helpPage, 15);
    EXPECT_EQ(titleAfterHelp, "Weight|Height Scale");
    EXPECT_EQ(Frame().Title(), "Calendar View");
}

}  // namespace
}  // namespace velmora
