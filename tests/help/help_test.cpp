// The help pages and the help browser: what each page holds, how the arrows and links move
// through them, what is drawn, and the titles given back.

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QTranslator>
#include <map>

#include "gfx/screenbuffer.h"
#include "help/helpdialog.h"
#include "tests/app/apptest.h"
#include "tests/support/refimage.h"
#include "tests/support/screentest.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/fonts.h"
#include "ui/kit/help.h"

namespace velmora {
namespace {

using test::Control;
using Walk = std::vector<std::pair<int, int>>;  // page, scroll

// Lines of pages 2-17 as the help was written, and the lines of a screen's keys that follow
// them (an empty line, then the keys wrapped).
const int kLines[] = {11, 23, 15, 7, 9, 68, 30, 10, 33, 26, 17, 10, 17, 9, 12, 43};
const std::map<int, int> kKeyLines = {{3, 11}, {4, 4}, {5, 4}, {7, 6}, {11, 4}, {13, 4}, {17, 5}};
int LineCount(int page) {
    return kLines[page - 2];
}
int AllLines(int page) {
    const auto it = kKeyLines.find(page);
    return LineCount(page) + (it == kKeyLines.end() ? 0 : it->second);
}

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
    // The page as drawn on a white buffer (no skin), so every text pixel stands out.
    static const QImage& DrawnOnWhite(CHelpDialog& d) {
        AppSettings.Skin = 99;
        d.Screen().GetBuffer()->Fill(kWhite);
        d.Render();
        return d.Screen().WindowSurface();
    }
    static int InkIn(const QImage& image, const QRect& r) {
        int ink = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                ink += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
            }
        }
        return ink;
    }
    // Ink right of the text width, from the first body line to the footer.
    static int InkPastTheMargin(const QImage& image) {
        return InkIn(image, QRect(231, 45, 9, 205));
    }

    test::TestFrame frame;
};

// The contents with its blue links, page 2 with its three bold words placed by the line rule
// ("View " three pixels left), and the Day View page's second screen with each check box's
// icon beside its name and the bold "Day" drawn whole past the margin.
TEST_F(HelpTest, PagesAreDrawnAsWrittenWithTheirHighlightsAndIcons) {
    const struct {
        int page;
        int screens;
        const char* picture;
    } cases[] = {{1, 0, "help/data/contents.png"},
                 {2, 0, "help/data/alarm-history.png"},
                 {7, 1, "help/data/day-view-2.png"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture);
        CHelpDialog d(&frame, 5);
        d.SetPage(c.page);
        for (int k = 0; k < c.screens; ++k) {
            d.NextScreen();
        }
        test::ExpectMatchesReference(DrawnOnWhite(d), c.picture);
    }
}

TEST_F(HelpTest, TheArrowsWalkEveryScreenOfEveryPageAndStopAtTheEnds) {
    CHelpDialog d(&frame, 11);
    d.SetPage(1);
    Walk expected{{1, 0}};
    for (int page = 2; page <= kHelpPageCount; ++page) {
        EXPECT_EQ(HelpLineCount(page), AllLines(page)) << page;
        for (int scroll = 0; scroll < AllLines(page); scroll += 13) {
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
    d.PreviousScreen();
    EXPECT_EQ(d.Page(), 1);
    d.SetPage(kHelpPageCount);
    EXPECT_EQ(RightShown(d), AllLines(kHelpPageCount) > 13);
}

TEST_F(HelpTest, ContentsLinksAreTappedByTheirRectangles) {
    CHelpDialog d(&frame, 11);
    d.SetPage(1);
    const QFontMetrics metrics(SystemFont());
    // Evenly 17 pixels apart from the top, closer when that would not fit the page, never
    // overlapping.
    const int links = kHelpPageCount - 1;
    const int step = d.LinkRect(1).top() - d.LinkRect(0).top();
    EXPECT_LE(step, 17);
    EXPECT_GE(step, metrics.height());
    EXPECT_TRUE(step == 17 || d.LinkRect(links - 1).bottom() + step > 267);
    EXPECT_LE(d.LinkRect(links - 1).bottom(), 267);
    for (int i = 0; i < links; ++i) {
        SCOPED_TRACE(i);
        const QRect r = d.LinkRect(i);
        EXPECT_EQ(r.topLeft(), QPoint(80, 5 + step * i));
        EXPECT_EQ(r.width(), metrics.horizontalAdvance(HelpTitle(i + 2)));
        d.SetPage(1);
        d.Tap(r.left(), r.bottom());
        EXPECT_EQ(std::make_pair(d.Page(), d.Scroll()), std::make_pair(i + 2, 0));
        EXPECT_TRUE(LeftShown(d));
        EXPECT_EQ(RightShown(d), i + 2 != kHelpPageCount || AllLines(i + 2) > 13);
    }
    // Just outside a link, and away from all of them: nothing happens.
    d.SetPage(1);
    for (const QPoint p : {QPoint(79, 60), QPoint(d.LinkRect(2).right() + 1, 40), QPoint(200, 10),
                           QPoint(150, 262)}) {
        d.Tap(p.x(), p.y());
        EXPECT_EQ(d.Page(), 1);
    }
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

TEST_F(HelpTest, EveryScreenFitsTheMarginAndHasItsTitleAndFooter) {
    CHelpDialog d(&frame, 11);
    for (int page = 2; page <= kHelpPageCount; ++page) {
        d.SetPage(page);
        for (int scroll = 0; scroll < LineCount(page); scroll += 13) {
            SCOPED_TRACE(testing::Message() << "page " << page << " scroll " << scroll);
            ASSERT_EQ(d.Scroll(), scroll);
            const QImage& drawn = DrawnOnWhite(d);
            // Only the bold "Day" of the Day View, drawn whole, reaches past the margin.
            const bool day = page == 7 && scroll == 13;
            EXPECT_EQ(InkPastTheMargin(drawn) > 0, day);
            EXPECT_GT(InkIn(drawn, QRect(20, 15, 210, 18)), 20);   // the title
            EXPECT_GT(InkIn(drawn, QRect(155, 250, 65, 18)), 20);  // the page number
            EXPECT_GT(InkIn(drawn, QRect(90, 250, 45, 18)), 20);   // "Contents"
            d.NextScreen();
        }
    }
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

    // The arrows page through it, and nothing is drawn past the right margin.
    d.SetPage(2);
    std::vector<int> scrolls;
    while (d.Page() == 2) {
        scrolls.push_back(d.Scroll());
        EXPECT_EQ(InkPastTheMargin(DrawnOnWhite(d)), 0) << d.Scroll();
        d.NextScreen();
    }
    EXPECT_EQ(static_cast<int>(scrolls.size()), (count + 12) / 13);
    EXPECT_EQ(scrolls.back(), (count - 1) / 13 * 13);
    EXPECT_EQ(HelpLineCount(3), AllLines(3));  // the untranslated pages as written

    // Without the translation the page is as written again.
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(HelpLineCount(2), LineCount(2));
}

TEST_F(HelpTest, TheSkinBackgroundIsLoadedAtEveryPaint) {
    CHelpDialog d(&frame, 11);
    d.SetPage(5);
    // The left margin carries no text: there the window shows the skin's picture.
    auto matches = [&](int skin) {
        const auto pic =
            test::Decoded(SkinBackgroundId(SkinnedScreen::HelpBrowser, skin), 240, 268);
        const QImage& w = d.Screen().WindowSurface();
        for (int y = 40; y < 240; y += 7) {
            for (int x = 0; x < 14; ++x) {
                if (reinterpret_cast<const Pixel*>(w.scanLine(y))[x] !=
                    pic->Surface()->GetPixel(x, y)) {
                    return false;
                }
            }
        }
        return true;
    };
    AppSettings.Skin = 3;  // Floral
    d.Render();
    EXPECT_TRUE(matches(3));
    AppSettings.Skin = 5;  // Men
    d.Render();
    EXPECT_TRUE(matches(5));
    EXPECT_FALSE(matches(3));
}

TEST_F(HelpTest, ClosingGivesEachScreenItsTitleBack) {
    InstallHelpBrowser();
    const std::map<int, QString> titles = {
        {1, "Cycle Bar"},        {2, "Cycles Chart"},
        {3, "Cycles History"},   {4, "Temperature Chart"},
        {5, "Day View"},         {6, "Alarms History"},
        {7, "My Diary"},         {8, "Weight Chart"},
        {9, "Program Settings"}, {10, "Weight|Height Scale"},
        {11, "Calendar View"},   {12, "Statistics"},
    };
    for (int code = 0; code <= 13; ++code) {
        SCOPED_TRACE(code);
        frame.titles.clear();
        int page = 0;
        QString dialogTitle;
        QueueModalHook([&](QDialog& d) {
            page = static_cast<CHelpDialog&>(d).Page();
            dialogTitle = d.windowTitle();
            // Every other one is closed with the window's close button.
            if (code % 2) {
                d.close();
            } else {
                d.reject();
            }
        });
        OpenHelp(&frame, code, 1 + code);
        EXPECT_EQ(page, 1 + code);
        EXPECT_EQ(dialogTitle, "Help");
        const auto it = titles.find(code);
        QStringList expected{"Help"};
        if (it != titles.end()) {
            expected << it->second;
        }
        EXPECT_EQ(frame.titles, expected);
    }
}

class CalendarHelpTest : public test::AppTest {};

TEST_F(CalendarHelpTest, TheMenuOpensTheContentsAndTheToolButtonTheCalendarsPage) {
    Start();
    std::vector<std::pair<int, QString>> seen;
    auto record = [&](QDialog& d) {
        seen.emplace_back(static_cast<CHelpDialog&>(d).Page(), Frame().Title());
        d.reject();
    };
    QueueModalHook(record);
    app->OnCommand(kCmdHelp);
    EXPECT_EQ(Frame().Title(), "Calendar View");
    QueueModalHook(record);
    Frame().CommandBar()->ToolButton(kCmdCalendarHelp)->click();
    EXPECT_EQ(Frame().Title(), "Calendar View");
    EXPECT_EQ(seen, (std::vector<std::pair<int, QString>>{{1, "Help"}, {3, "Help"}}));
}

}  // namespace
}  // namespace velmora
