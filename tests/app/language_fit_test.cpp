// Every screen in English and in Russian: each label, check box, text button, list item,
// column heading and drawn text fits the room its screen gives it at the 240-pixel layout.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "tests/app/apptest.h"
#include "tools/demo/demodiary.h"
#include "ui/dayviewdlg.h"
#include "ui/kit/language.h"
#include "ui/kit/screentext.h"

namespace velmora {
namespace {

using test::AppTest;

int TextWidth(const QWidget& w, const QString& text) {
    return w.fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&')));
}

// What does not fit, one line each: "class 'text' needs N, has M".
std::vector<std::string> Overflows(QWidget& screen) {
    std::vector<std::string> found;
    auto report = [&](const QWidget& w, const QString& text, int need, int room) {
        if (need > room) {
            found.push_back(std::string(w.metaObject()->className()) + " '" + text.toStdString() +
                            "' needs " + std::to_string(need) + ", has " + std::to_string(room));
        }
    };
    for (QWidget* w : screen.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&screen)) {
            continue;
        }
        if (auto* label = qobject_cast<QLabel*>(w);
            label && !label->wordWrap() && !label->text().isEmpty()) {
            report(*label, label->text(), TextWidth(*label, label->text()),
                   label->contentsRect().width());
        } else if (auto* box = qobject_cast<QCheckBox*>(w); box && !box->text().isEmpty()) {
            const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                                  box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
            report(*box, box->text(), indicator + TextWidth(*box, box->text()), box->width());
        } else if (auto* button = qobject_cast<QPushButton*>(w);
                   button && !button->text().isEmpty() && button->icon().isNull() &&
                   !button->property("velmoraPicture").toBool()) {
            report(*button, button->text(), TextWidth(*button, button->text()), button->width());
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const int room = combo->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, combo)
                                 .width();
            for (int i = 0; i < combo->count(); ++i) {
                report(*combo, combo->itemText(i), TextWidth(*combo, combo->itemText(i)), room);
            }
        } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
            const QTreeWidgetItem* header = tree->headerItem();
            for (int c = 0; c < tree->columnCount(); ++c) {
                if (tree->columnWidth(c) > 0) {
                    report(*tree, header->text(c), TextWidth(*tree->header(), header->text(c)),
                           tree->columnWidth(c));
                }
            }
        }
    }
    return found;
}

// The screens of the menu, and the Day View opened on a day.
constexpr int kCmdDayView = 0;
const int kScreens[] = {
    kCmdDayView,      kCmdCycleBar, kCmdCycleChart,   kCmdTemperatureChart,   kCmdWeightChart,
    kCmdYearView,     kCmdMyDiary,  kCmdCycleHistory, kCmdTemperatureHistory, kCmdWeightHistory,
    kCmdAlarmHistory, kCmdSettings, kCmdScale,        kCmdPassword,           kCmdAbout};

class LanguageFitTest : public AppTest, public ::testing::WithParamInterface<UiLanguage> {};

TEST_P(LanguageFitTest, EveryTextFitsItsControlOnEveryScreen) {
    // Half a year of diary, so that the Cycle Bar and the charts have labels to draw.
    WriteDemoDiary(Clock::Now() - 200 * kSecondsPerDay, 201);
    Start([](AppOptions& o) { o.language = GetParam(); });
    // The texts the picture screens draw, each against its rectangle.
    std::vector<std::string> drawn;
    SetDrawnTextListener([&](const QString& text, int need, int room) {
        if (need > room) {
            drawn.push_back("'" + text.toStdString() + "' needs " + std::to_string(need) +
                            ", has " + std::to_string(room));
        }
    });
    for (const int command : kScreens) {
        std::vector<std::string> overflows;
        QString name;
        QueueModalHook([&](QDialog& dialog) {
            name = dialog.windowTitle();
            auto* day = dynamic_cast<CDayViewDlg*>(&dialog);
            for (int page = 0; page < (day ? 3 : 1); ++page) {  // the Day View's three pages
                if (day) {
                    day->SelectPage(page);
                    QCoreApplication::processEvents();
                }
                for (std::string& o : Overflows(dialog)) {
                    overflows.push_back(std::move(o));
                }
            }
            dialog.reject();
        });
        if (command == kCmdDayView) {
            app->Document().OpenDay(2026, 12, 6);
            CDayViewDlg::Run(app->Document(), &Frame(), kDayViewFromCalendar);
        } else {
            app->OnCommand(command);
        }
        ClearModalHooks();
        SCOPED_TRACE(testing::Message() << command << " " << name.toStdString());
        EXPECT_FALSE(name.isEmpty()) << "not opened";
        EXPECT_TRUE(overflows.empty()) << ::testing::PrintToString(overflows);
        EXPECT_TRUE(drawn.empty()) << "draws:\n" << ::testing::PrintToString(drawn);
        drawn.clear();
    }
    SetDrawnTextListener({});
    // The main window's own command bar.
    EXPECT_TRUE(Overflows(Frame()).empty()) << ::testing::PrintToString(Overflows(Frame()));
    ApplyLanguage(UiLanguage::Source);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageFitTest,
                         ::testing::Values(UiLanguage::English, UiLanguage::Russian),
                         [](const auto& info) { return LanguageCode(info.param).toStdString(); });

}  // namespace
}  // namespace velmora
