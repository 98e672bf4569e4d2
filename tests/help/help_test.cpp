// The help pages and the help browser: what each page holds, how the arrows and links move
// through them, a longer translation wrapped, and the titles given back.

#include <QCoreApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>

#include "help/helpdialog.h"
#include "tests/app/apptest.h"
#include "tests/support/screentest.h"
#include "ui/kit/fonts.h"
#include "ui/kit/help.h"

namespace velmora {
namespace {

using test::Control;
using Walk = std::vector<std::pair<int, int>>;  // page, scroll

class HelpTest : public test::StoreTest {
protected:
    HelpTest() {
        RegisterProgramResources();
        AppSettings = VelmoraSettings();
    }
    ~HelpTest() override {
        ClearModalHooks();
        AppSettings = VelmoraSettings();
    }

    static bool LeftShown(CHelpDialog& d) {
        return !Control<QPushButton>(&d, kHelpLeftArrowId)->isHidden();
    }
    static bool RightShown(CHelpDialog& d) {
        return !Control<QPushButton>(&d, kHelpRightArrowId)->isHidden();
    }
    test::TestFrame frame;
};

TEST_F(HelpTest, TheArrowsWalkEveryScreenOfEveryPageAndStopAtTheEnds) {
    CHelpDialog d(&frame, 11);
    d.SetPage(1);
    Walk expected{{1, 0}};
    for (int page = 2; page <= kHelpPageCount; ++page) {
        for (int scroll = 0; scroll < HelpLineCount(page); scroll += 13) {
            expected.emplace_back(page, scroll);
        }
    }
    Walk walked{{d.Page(), d.Scroll()}};
    EXPECT_FALSE(LeftShown(d));
    while (RightShown(d) && walked.size() < 100) {
        Control<QPushButton>(&d, kHelpRightArrowId)->click();
        walked.emplace_back(d.Page(), d.Scroll());
        EXPECT_TRUE(LeftShown(d));
        // Right goes only on the last screen of the last page.
        EXPECT_EQ(RightShown(d), walked.size() < expected.size()) << d.Page();
    }
    EXPECT_EQ(walked, expected);
    d.NextScreen();  // past the end nothing moves
    EXPECT_EQ(walked.back(), std::make_pair(d.Page(), d.Scroll()));

    // Left scrolls back, then opens the page before at its first screen, down to the contents.
    d.SetPage(8);
    d.NextScreen();
    d.NextScreen();
    ASSERT_EQ(d.Scroll(), 26);
    Walk back;
    while (LeftShown(d) && back.size() < 100) {
        Control<QPushButton>(&d, kHelpLeftArrowId)->click();
        back.emplace_back(d.Page(), d.Scroll());
        EXPECT_TRUE(RightShown(d));
    }
    EXPECT_EQ(back,
              (Walk{{8, 13}, {8, 0}, {7, 0}, {6, 0}, {5, 0}, {4, 0}, {3, 0}, {2, 0}, {1, 0}}));
}

TEST_F(HelpTest, ContentsLinksAreTappedByTheirRectangles) {
    CHelpDialog d(&frame, 11);
    d.SetPage(1);
    const int links = kHelpPageCount - 1;
    EXPECT_LE(d.LinkRect(links - 1).bottom(), 267);
    for (int i = 0; i < links; ++i) {
        SCOPED_TRACE(i);
        const QRect r = d.LinkRect(i);
        EXPECT_EQ(r.width(), QFontMetrics(SystemFont()).horizontalAdvance(HelpTitle(i + 2)));
        d.SetPage(1);
        d.Tap(r.left(), r.bottom());
        EXPECT_EQ(std::make_pair(d.Page(), d.Scroll()), std::make_pair(i + 2, 0));
    }
    d.SetPage(1);
    d.Tap(d.LinkRect(2).right() + 1, d.LinkRect(2).center().y());  // just outside a link
    EXPECT_EQ(d.Page(), 1);
    // The lowest link reaches into the place of the "Contents" link, which the contents page
    // does not show: the link takes the tap.
    ASSERT_TRUE(d.LinkRect(links - 1).intersects(CHelpDialog::ContentsRect()));
    d.Tap(100, d.LinkRect(links - 1).bottom());
    EXPECT_EQ(d.Page(), kHelpPageCount);
    // A link's place on another page is no link; the "Contents" link at the bottom of every
    // page goes back from any screen.
    d.SetPage(4);
    d.Tap(d.LinkRect(5).center().x(), d.LinkRect(5).center().y());
    EXPECT_EQ(d.Page(), 4);
    d.NextScreen();
    ASSERT_EQ(d.Scroll(), 13);
    d.Tap(100, 255);
    EXPECT_EQ(std::make_pair(d.Page(), d.Scroll()), std::make_pair(1, 0));
    EXPECT_FALSE(LeftShown(d));
}

// A text for the Alarm History page several times longer than its own, with long words, a
// check box's picture and a word too long for any line.
QString LongAlarmHistory() {
    const QString sentence = QString::fromUtf8(
        "Выберите строку в списке и нажмите <b>Просмотр</b>, "
        "чтобы увидеть все будильники, установленные на выбранную дату.\n");
    return sentence.repeated(7) + QString::fromUtf8("\n<icon=221>Секс, предохранение<br>") +
           QString::fromUtf8("Сверх").repeated(12);
}

class LongPageTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        return QByteArrayView(context) == "Help" &&
                       QByteArrayView(source).startsWith("A tabular  view of all alarms")
                   ? LongAlarmHistory()
                   : QString();
    }
};

TEST_F(HelpTest, ALongerTranslationIsWrappedToTheTextWidthAndPagedByTheArrows) {
    CHelpDialog d(&frame, 6);
    const int written2 = HelpLineCount(2), written3 = HelpLineCount(3);
    LongPageTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const int count = HelpLineCount(2);
    ASSERT_GT(count, 2 * 13);

    // Every character is drawn once, in order, bold where marked, and no line is wider than
    // the text.
    QString drawn;
    QString bold;
    int icons = 0;
    for (const HelpLine& line : HelpLines(2)) {
        int end = line.icon ? 40 + 14 : 20;
        icons += line.icon == 221;
        for (const HelpRun& run : line.runs) {
            EXPECT_GE(run.x, end) << run.text.toStdString();
            end = run.x + QFontMetrics(HelpFont(run.style)).horizontalAdvance(run.text);
            EXPECT_LE(end, 20 + 210) << run.text.toStdString();
            drawn += run.text;
            bold += run.style == HelpStyle::Bold ? run.text : QString();
        }
    }
    const QRegularExpression tags("<[^>]*>|\\s");
    EXPECT_EQ(drawn.remove(tags), LongAlarmHistory().remove(tags));
    EXPECT_EQ(bold, QString::fromUtf8("Просмотр").repeated(7));
    EXPECT_EQ(icons, 1);

    // The arrows page through it.
    d.SetPage(2);
    std::vector<int> scrolls;
    while (d.Page() == 2) {
        scrolls.push_back(d.Scroll());
        d.NextScreen();
    }
    EXPECT_EQ(static_cast<int>(scrolls.size()), (count + 12) / 13);
    EXPECT_EQ(scrolls.back(), (count - 1) / 13 * 13);
    EXPECT_EQ(HelpLineCount(3), written3);  // the untranslated pages as written

    // Without the translation the page is as written again.
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(HelpLineCount(2), written2);
}

}  // namespace
}  // namespace velmora
