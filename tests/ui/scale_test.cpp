// The weight and height scale: typed values, the Calculate button and the mode buttons.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "tests/support/screenstoretest.h"
#include "tests/support/screentest.h"
#include "ui/scaledlg.h"

namespace velmora {
namespace {

using test::Control;
using test::Press;

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
    test::TestFrame frame;
};

// Results worked out by hand from the rules: heights by the table of ideal weights (index =
// cm - 100, the height in cm - 111 above 184 cm), weights by the first entry above the
// weight in tenths of a kilogram (w + 111 cm outside 18.0-71.4 kg); feet = m x 3.28,
// kilograms = pounds / 2.2. An empty result means the value is refused with `message`.
struct ScaleCase {
    bool metric;
    bool weightMode;  // ideal weight from a height
    const char* typed;
    const char* result;
    const char* message;
};

constexpr const char* kNotANumber = "Please enter a number.";
const ScaleCase kScaleCases[] = {
    {true, true, "2.1", "99.00", nullptr},  // 210 cm: 210 - 111
    {true, true, "1.0", "18.00", nullptr},
    {true, true, "1.23", "30.50", nullptr},  // just below 123 cm in single precision
    {true, true, "1.84", "71.40", nullptr},  // the table's last entry
    {true, true, "1.85", "74.00", nullptr},
    {true, true, "0.99", "", "Height must be between 1 and 2.1 meters"},
    {true, true, "2.11", "", "Height must be between 1 and 2.1 meters"},
    {false, true, "5.6", "135.1", nullptr},  // 170.7 cm: 61.4 kg x 2.2
    {false, true, "3.3", "39.60", nullptr},  // 100.6 cm: 18.0 x 2.2
    {false, true, "6.8", "211.9", nullptr},  // 207.3 cm: (207.3 - 111) x 2.2
    {false, true, "3.29", "", "Height must be between 3.3 and 6.8 feet"},
    {false, true, "6.9", "", "Height must be between 3.3 and 6.8 feet"},
    {true, false, "61.4", "1.71", nullptr},  // the first entry above 61.4 is 62.2
    {true, false, "18", "1.01", nullptr},
    {true, false, "71.3", "1.84", nullptr},
    {true, false, "71.4", "1.84", nullptr},  // equal to the last entry: its 184 cm
    {true, false, "71.5", "1.83", nullptr},  // 182.5 cm rounds up
    {true, false, "80", "1.91", nullptr},
    {true, false, "99", "2.10", nullptr},
    {true, false, "17.9", "", "Weight must be between 18 and 99 kilograms"},
    {true, false, "99.1", "", "Weight must be between 18 and 99 kilograms"},
    {false, false, "135", "5.58", nullptr},    // 61.36 kg: 170 cm x 3.28 = 557.6
    {false, false, "40", "3.35", nullptr},     // 18.18 kg: 18.2 is above, 102 cm
    {false, false, "157", "6.04", nullptr},    // 71.36 kg: 184 cm x 3.28 = 603.5
    {false, false, "157.1", "5.98", nullptr},  // 71.41 kg, above 71.4: 182.41 cm
    {false, false, "157.3", "5.99", nullptr},  // 71.5 kg: 182.5 cm x 3.28 = 598.6
    {false, false, "218", "6.89", nullptr},    // 99.09 kg: 210.1 cm x 3.28 = 689.1
    {false, false, "39.9", "", "Weight must be between 40 and 218 pounds"},
    {false, false, "218.5", "", "Weight must be between 40 and 218 pounds"},
    {true, true, "", "", kNotANumber},
    {true, true, "1,7", "", kNotANumber},
    {true, true, "1.7kg", "", kNotANumber},
    {true, true, "1e99", "", kNotANumber},
};

TEST_F(ScaleTest, TheWorkedCasesGiveTheirResults) {
    for (const ScaleCase& c : kScaleCases) {
        SCOPED_TRACE(std::string(c.metric ? "metric " : "English ") + c.typed);
        AppSettings.UnitsFormat = c.metric ? 1 : 0;
        CScaleDlg d(&frame);
        d.SwitchMode(c.weightMode);
        boxes.Clear();
        EXPECT_EQ(Calculate(d, c.typed), c.result);
        EXPECT_EQ(boxes.Texts(),
                  std::vector<std::string>(c.message ? 1 : 0, c.message ? c.message : ""));
        if (!c.message) {  // the value typed stays in the field
            EXPECT_EQ(Control<QLineEdit>(&d, kScaleValueId)->text().toDouble(),
                      QString(c.typed).toDouble());
        }
    }
}

TEST_F(ScaleTest, TheModeButtonsSwapTextsAndClearOnlyOnTheWayToHeight) {
    auto texts = [](const CScaleDlg& d) {
        return QStringList{d.ModeText(), d.InputLabel(), d.OutputLabel(), d.InputUnit(),
                           d.OutputUnit()};
    };
    CScaleDlg d(&frame);
    auto* weight = Control<QPushButton>(&d, kScaleWeightModeId);
    auto* height = Control<QPushButton>(&d, kScaleHeightModeId);
    EXPECT_EQ(texts(d), (QStringList{"Calculate your ideal weight on the base of your height",
                                     "Height:", "Weight:", "m", "kg"}));
    EXPECT_EQ(Calculate(d, "1.7"), "61.40");

    weight->click();
    EXPECT_TRUE(!d.WeightMode() && weight->isHidden() && !height->isHidden());
    EXPECT_EQ(texts(d), (QStringList{"Calculate your ideal height on the base of your weight",
                                     "Weight:", "Height:", "kg", "m"}));
    EXPECT_EQ(Control<QLineEdit>(&d, kScaleValueId)->text(), "0");
    EXPECT_EQ(d.Result(), "");

    Control<QLineEdit>(&d, kScaleValueId)->setText("65");  // kept on the way back to weight
    height->click();
    EXPECT_TRUE(d.WeightMode());
    EXPECT_EQ(Control<QLineEdit>(&d, kScaleValueId)->text(), "65");
    EXPECT_EQ(d.Result(), "");

    // Nor does a mode button take a text that is no number: the mode and the text stay.
    boxes.Clear();
    Control<QLineEdit>(&d, kScaleValueId)->setText("abc");
    weight->click();
    EXPECT_TRUE(d.WeightMode());
    EXPECT_EQ(Control<QLineEdit>(&d, kScaleValueId)->text(), "abc");
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kNotANumber});
}

}  // namespace
}  // namespace velmora
