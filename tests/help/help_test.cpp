// The help pages and the help browser: what each page holds, how the arrows and links move
// through them, what is drawn, and the titles given back.

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QTranslator>
#include <map>
#include <set>

#include "gfx/pictures.h"
#include "gfx/screenbuffer.h"
#include "help/helpdialog.h"
#include "tests/app/apptest.h"
#include "tests/support/screentest.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/fonts.h"
#include "ui/kit/help.h"

namespace velmora {
namespace {

using test::Control;

// Lines of pages 2-17 and where their screens begin, as the help was written.
const int kLines[] = {11, 23, 15, 7, 9, 68, 30, 10, 33, 26, 17, 10, 17, 9, 12, 43};
const int kPieces[] = {16, 25, 15, 7, 12, 75, 42, 11, 33, 28, 28, 10, 28, 11, 12, 43};
const std::map<int, std::vector<int>> kScreenStarts = {
    {3, {0, 13}},     {4, {0, 13}},      {7, {0, 15, 29, 43, 59, 72}},
    {8, {0, 15, 35}}, {10, {0, 13, 26}}, {11, {0, 15}},
    {12, {0, 24}},    {14, {0, 24}},     {17, {0, 13, 26, 39}},
};

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

    bool LeftShown(CHelpDialog& d) {
        return !Control<QPushButton>(&d, kHelpLeftArrowId)->isHidden();
    }
    bool RightShown(CHelpDialog& d) {
        return !Control<QPushButton>(&d, kHelpRightArrowId)->isHidden();
    }
    // The page as drawn on a white buffer (no skin), so every text pixel stands out.
    const QImage& DrawnOnWhite(CHelpDialog& d) {
        AppSettings.Skin = 99;
        d.Screen().GetBuffer()->Fill(kWhite);
        d.Render();
        return d.Screen().WindowSurface();
    }
    static bool Ink(const QImage& image, int x, int y) {
        return (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    }
    static bool Blue(const QImage& image, int x, int y) {
        const QRgb c = image.pixel(x, y);
        return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) > 200;
    }

    test::TestFrame frame;
};

int LineCount(int page) {
    return kLines[page - 2];
}
// The lines of a screen's keys after its page's text: an empty line, then the keys wrapped.
int KeyLines(int page) {
    static const std::map<int, int> keys{{3, 11}, {4, 4},  {5, 4}, {7, 6},
                                         {11, 4}, {13, 4}, {17, 5}};
    const auto it = keys.find(page);
    return it == keys.end() ? 0 : it->second;
}

TEST_F(HelpTest, EachPageHoldsItsPiecesLinesAndScreensAsWritten) {
    const char* const firsts[] = {
        "A tabular  view of all alarms entered", "This is the main view of the program",
        "This  screen  shows  your  menstrual",  "The  Cycle Chart displays the length",
        "This   screen    presents   a  table",  "This is the main input screen of the",
        "A tabular view of your diary notes is", "You  can  use a password  to protect",
        "In this screen you can set the main",   "A chart of all your daily temperature",
        "A  tabular  view  of your temperature", "This  screen  represents  a  chart of",
        "This  screen  shows  you  a   tabular", "Here you are  able  to calculate your",
        "This screen  presents  a calendar for", "Your cycles and periods in numbers.",
    };
    for (int page = 2; page <= kHelpPageCount; ++page) {
        SCOPED_TRACE(page);
        const auto pieces = HelpPageAt(page).pieces;
        EXPECT_EQ(static_cast<int>(pieces.size()), kPieces[page - 2]);
        EXPECT_EQ(HelpLineCount(page), LineCount(page) + KeyLines(page));
        int lines = 0;
        for (const HelpPiece& p : pieces) {
            lines += p.joined ? 0 : 1;
        }
        EXPECT_EQ(lines, LineCount(page));
        EXPECT_STREQ(pieces[0].text, firsts[page - 2]);
        std::vector<int> starts;
        for (int line = 0; line < LineCount(page); line += 13) {
            starts.push_back(HelpLineStart(page, line));
        }
        const auto it = kScreenStarts.find(page);
        EXPECT_EQ(starts, it == kScreenStarts.end() ? std::vector<int>{0} : it->second);
    }
    EXPECT_STREQ(HelpPageAt(7).pieces[43].text, "checkbox next  to the Alarm icon. A");
}

TEST_F(HelpTest, BoldAndItalicPiecesAreTheNamedOnes) {
    const std::map<int, std::vector<std::string>> bold = {
        {2, {"View ", "Delete", "Delete All"}},
        {3, {"Day View"}},
        {6, {"View ", "Bar View "}},
        {7,
         {"Fluids/Temp/Weight Tab", "Day", "View ", "OK ", "Cancel", "Calendar View   ", "Note Tab",
          "My Diary Tab", "My Diary View."}},
        {8, {"Add ", "OK ", "Cancel", "View ", "Day View ", "Delete", "Delete All"}},
        {11, {"Shift "}},
        {12, {"Chart ", "Temperature Chart ", "View ", "Day View ", "Delete", "Delete All"}},
        {14, {"Chart ", "Weight Chart", "View ", "Day View  ", "Delete", "Delete All"}},
        {15, {" Calculate your", "ideal weight/Calculate  your ideal", "height"}},
        {16, {"Next ", "Previous "}},
        {17, {"Lengths", "Forecast", "Left out"}},
    };
    for (int page = 2; page <= kHelpPageCount; ++page) {
        SCOPED_TRACE(page);
        std::vector<std::string> b;
        std::vector<std::string> it;
        for (const HelpPiece& p : HelpPageAt(page).pieces) {
            if (p.style == HelpStyle::Bold) {
                b.push_back(p.text);
            } else if (p.style == HelpStyle::Italic) {
                it.push_back(p.text);
            }
        }
        if (page == 9) {
            // "Please, make" ends the line "you start the program.", then six bold lines.
            const auto pieces = HelpPageAt(9).pieces;
            ASSERT_EQ(b.size(), 7u);
            EXPECT_EQ(b[0], "Please, make");
            EXPECT_STREQ(pieces[3].text, "you start the program.");
            EXPECT_TRUE(pieces[4].joined);
            for (size_t i = 5; i < pieces.size(); ++i) {
                EXPECT_EQ(pieces[i].style, HelpStyle::Bold);
                EXPECT_FALSE(pieces[i].joined);
            }
            continue;
        }
        const auto found = bold.find(page);
        EXPECT_EQ(b, found == bold.end() ? std::vector<std::string>{} : found->second);
        const std::vector<std::string> italic = {"Cervical    Fluid,    your     Basal",
                                                 "Temperature", "Weight."};
        EXPECT_EQ(it, page == 7 ? italic : std::vector<std::string>());
    }
}

TEST_F(HelpTest, PageTwoReadsAsWrittenWithItsThreeHighlights) {
    const char* const lines[] = {
        "A tabular  view of all alarms entered",
        "in  the  system  is  shown  on   this",
        "screen. By  selecting  an  item  from",
        "the list and tapping on button|View ",
        "you'll see all the alarms set for the",
        "selected date. By  choosing an alarm",
        "and tapping on button |Delete|you'll",
        "delete the  selected record from the",
        "program's  database. By  tapping  on",
        "button  |Delete All|you'll delete all",
        "alarms entered so far.",
    };
    std::vector<std::string> got;
    for (const HelpPiece& p : HelpPageAt(2).pieces) {
        if (p.joined) {
            got.back() += std::string("|") + p.text;
        } else {
            got.emplace_back(p.text);
        }
    }
    EXPECT_EQ(got, std::vector<std::string>(std::begin(lines), std::end(lines)));
}

TEST_F(HelpTest, TheDayViewPageNamesEachCheckBoxBesideItsIcon) {
    const std::vector<std::pair<std::string, int>> expected = {
        {"Sex", 221}, {"Bloating", 214}, {"Dr's apt", 223}, {"Protection", 222},
        {"PMS", 238}, {"Cramps", 220},   {"Sport", 215},    {"Ache", 218},
    };
    std::vector<std::pair<std::string, int>> got;
    for (const HelpPiece& p : HelpPageAt(7).pieces) {
        if (p.icon) {
            const std::string text = p.text;
            EXPECT_EQ(text.substr(0, 13), std::string(13, ' '));
            got.emplace_back(QString::fromLatin1(p.text).trimmed().toStdString(), p.icon);
        }
    }
    EXPECT_EQ(got, expected);

    // Drawn on its second screen: each icon 20 pixels into the body, on its line.
    CHelpDialog d(&frame, 5);
    d.SetPage(7);
    d.NextScreen();
    d.Render();
    for (size_t i = 0; i < expected.size(); ++i) {
        const int top = 45 + 15 * (3 + static_cast<int>(i));
        EXPECT_TRUE(test::Shows(*d.Screen().GetBuffer(), *test::Decoded(expected[i].second, 14, 14),
                                40, top, true))
            << expected[i].first;
    }
    // And they are on the window, under the text.
    const auto sex = test::Decoded(221, 14, 14);
    const QImage& window = d.Screen().WindowSurface();
    int same = 0;
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 14; ++x) {
            same += reinterpret_cast<const Pixel*>(window.scanLine(90 + y))[40 + x] ==
                    d.Screen().GetBuffer()->GetPixel(40 + x, 90 + y);
        }
    }
    EXPECT_EQ(same, 14 * 14);
}

TEST_F(HelpTest, TheRightArrowWalksEveryScreenOfEveryPageThenStops) {
    CHelpDialog d(&frame, 11);
    d.SetPage(1);
    std::vector<std::pair<int, int>> expected{{1, 0}};
    for (int page = 2; page <= kHelpPageCount; ++page) {
        for (int scroll = 0; scroll < LineCount(page) + KeyLines(page); scroll += 13) {
            expected.emplace_back(page, scroll);
        }
    }
    std::vector<std::pair<int, int>> walked{{d.Page(), d.Scroll()}};
    EXPECT_FALSE(LeftShown(d));
    EXPECT_TRUE(RightShown(d));
    while (RightShown(d) && walked.size() < 100) {
        Control<QPushButton>(&d, kHelpRightArrowId)->click();
        walked.emplace_back(d.Page(), d.Scroll());
        EXPECT_TRUE(LeftShown(d));
        // Right goes only on the last screen of the last page.
        EXPECT_EQ(RightShown(d), walked.size() < expected.size()) << d.Page();
    }
    EXPECT_EQ(walked, expected);
    // Page 7 has six screens; page 2 only one.
    EXPECT_EQ(std::count_if(walked.begin(), walked.end(), [](auto& w) { return w.first == 7; }), 6);
    EXPECT_EQ(std::count_if(walked.begin(), walked.end(), [](auto& w) { return w.first == 2; }), 1);
    // Past the end nothing moves.
    d.NextScreen();
    EXPECT_EQ(d.Page(), kHelpPageCount);
}

TEST_F(HelpTest, TheLeftArrowScrollsBackThenOpensThePageBeforeAtItsFirstScreen) {
    CHelpDialog d(&frame, 7);
    d.SetPage(8);
    d.NextScreen();
    d.NextScreen();
    ASSERT_EQ(d.Scroll(), 26);
    std::vector<std::pair<int, int>> walked;
    for (int i = 0; i < 4; ++i) {
        Control<QPushButton>(&d, kHelpLeftArrowId)->click();
        walked.emplace_back(d.Page(), d.Scroll());
    }
    const std::vector<std::pair<int, int>> expected = {{8, 13}, {8, 0}, {7, 0}, {6, 0}};
    EXPECT_EQ(walked, expected);

    // From the last page back to the contents: each page at its first screen.
    d.SetPage(kHelpPageCount);
    EXPECT_EQ(RightShown(d), LineCount(kHelpPageCount) + KeyLines(kHelpPageCount) > 13);
    EXPECT_TRUE(LeftShown(d));
    d.PreviousScreen();
    EXPECT_EQ(d.Page(), kHelpPageCount - 1);
    EXPECT_TRUE(RightShown(d));
    for (int page = kHelpPageCount - 2; page >= 1; --page) {
        d.PreviousScreen();
        EXPECT_EQ(d.Page(), page);
        EXPECT_EQ(d.Scroll(), 0);
    }
    EXPECT_FALSE(LeftShown(d));
    EXPECT_TRUE(RightShown(d));
    d.PreviousScreen();
    EXPECT_EQ(d.Page(), 1);
}

TEST_F(HelpTest, ContentsLinksAreTappedByTheirRectangles) {
    CHelpDialog d(&frame, 11);
    d.SetPage(1);
    const QImage& drawn = DrawnOnWhite(d);
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
        EXPECT_EQ(r.left(), 80);
        EXPECT_EQ(r.top(), 5 + step * i);
        EXPECT_EQ(r.width(), metrics.horizontalAdvance(HelpTitle(i + 2)));
        // Drawn there in blue.
        int blue = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                blue += Blue(drawn, x, y);
            }
        }
        EXPECT_GT(blue, 10);
    }
    // Just outside a link, and away from all of them: nothing happens.
    for (const QPoint p : {QPoint(79, 60), QPoint(d.LinkRect(2).right() + 1, 40), QPoint(200, 10),
                           QPoint(150, 262)}) {
        d.Tap(p.x(), p.y());
        EXPECT_EQ(d.Page(), 1);
    }
    for (int i = 0; i < links; ++i) {
        d.SetPage(1);
        const QRect r = d.LinkRect(i);
        d.Tap(r.left(), r.bottom());
        EXPECT_EQ(d.Page(), i + 2);
        EXPECT_EQ(d.Scroll(), 0);
        EXPECT_TRUE(LeftShown(d));
        EXPECT_EQ(RightShown(d),
                  i + 2 != kHelpPageCount || LineCount(i + 2) + KeyLines(i + 2) > 13);
    }
    // The lowest link reaches into the place of the "Contents" link, which the contents page
    // does not show: the link takes the tap.
    d.SetPage(1);
    ASSERT_TRUE(d.LinkRect(links - 1).intersects(CHelpDialog::ContentsRect()));
    d.Tap(100, d.LinkRect(links - 1).bottom());
    EXPECT_EQ(d.Page(), kHelpPageCount);
    // "Cycle Bar", the third link.
    d.SetPage(1);
    d.Tap(d.LinkRect(2).center().x(), d.LinkRect(2).center().y());
    EXPECT_EQ(d.Page(), 4);
    // A link's place on another page is no link.
    d.Tap(d.LinkRect(5).center().x(), d.LinkRect(5).center().y());
    EXPECT_EQ(d.Page(), 4);
    // The "Contents" link at the bottom of every page.
    d.NextScreen();
    ASSERT_EQ(d.Scroll(), 13);
    d.Tap(100, 255);
    EXPECT_EQ(d.Page(), 1);
    EXPECT_EQ(d.Scroll(), 0);
    EXPECT_FALSE(LeftShown(d));
}

TEST_F(HelpTest, NoLineRunsPastTheRightMarginButTheBoldDayOfTheDayView) {
    CHelpDialog d(&frame, 11);
    bool dayPastMargin = false;
    for (int page = 2; page <= kHelpPageCount; ++page) {
        d.SetPage(page);
        for (int scroll = 0; scroll < LineCount(page); scroll += 13) {
            SCOPED_TRACE(testing::Message() << "page " << page << " scroll " << scroll);
            ASSERT_EQ(d.Scroll(), scroll);
            const QImage& drawn = DrawnOnWhite(d);
            for (int y = 45; y < 250; ++y) {
                const bool dayLine = page == 7 && scroll == 13 && y >= 45 + 15 * 12;
                for (int x = 231; x < 240; ++x) {
                    if (Ink(drawn, x, y)) {
                        dayPastMargin |= dayLine;
                        EXPECT_TRUE(dayLine) << x << "," << y;
                    }
                }
            }
            // Title and footer on every screen.
            int title = 0;
            int number = 0;
            int link = 0;
            for (int y = 15; y < 33; ++y) {
                for (int x = 20; x < 230; ++x) {
                    title += Ink(drawn, x, y);
                }
            }
            for (int y = 250; y < 268; ++y) {
                for (int x = 155; x < 220; ++x) {
                    number += Ink(drawn, x, y);
                }
                for (int x = 90; x < 135; ++x) {
                    link += Blue(drawn, x, y);
                }
            }
            EXPECT_GT(title, 20);
            EXPECT_GT(number, 20);
            EXPECT_GT(link, 20);
            d.NextScreen();
        }
    }
    EXPECT_TRUE(dayPastMargin);  // drawn whole, not cut at the margin
}

TEST_F(HelpTest, HighlightedWordsStandWhereTheLineRuleSaysAndPageTwosViewALittleLeft) {
    CHelpDialog d(&frame, 6);
    d.SetPage(2);
    const QImage& drawn = DrawnOnWhite(d);
    // The first ink right of the gap after "button" on line 4 and of "... button " on line 7.
    auto firstInkFrom = [&](int line, int from) {
        for (int x = from; x < 240; ++x) {
            for (int y = 45 + 15 * line; y < 45 + 15 * line + 14; ++y) {
                if (Ink(drawn, x, y)) {
                    return x;
                }
            }
        }
        return -1;
    };
    // "View ": 30 characters of 6 pixels after x = 20, then 3 pixels to the left.
    EXPECT_GE(firstInkFrom(3, 186), 197);
    EXPECT_LE(firstInkFrom(3, 186), 198);
    // "Delete": 22 characters of 6 pixels; "you'll" 6 bold characters of 7 pixels later.
    EXPECT_GE(firstInkFrom(6, 146), 152);
    EXPECT_LE(firstInkFrom(6, 146), 153);
    // "you'll" starts right after the bold word.
    EXPECT_GE(firstInkFrom(6, 190), 194);
    EXPECT_LE(firstInkFrom(6, 190), 195);
}

// A text for the Alarm History page several times longer than its own, with long words, a
// check box's picture and a word too long for any line.
QString LongAlarmHistory() {
    const QString sentence = QString::fromUtf8(
        "Выберите строку в списке и нажмите <b>Просмотр</b>, "
        "чтобы увидеть все будильники, "
        "установленные на выбранную дату.\n");
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
    const std::vector<HelpLine>& lines = HelpLines(2);
    const int count = HelpLineCount(2);
    ASSERT_GT(count, 2 * 13);

    // Every character is drawn once, in order, bold where marked, and no line is wider than the
    // text.
    QString drawn;
    QString bold;
    int icons = 0;
    for (const HelpLine& line : lines) {
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
        const QImage& image = DrawnOnWhite(d);
        for (int y = 45; y < 250; ++y) {
            for (int x = 231; x < 240; ++x) {
                EXPECT_FALSE(Ink(image, x, y)) << d.Scroll() << ": " << x << "," << y;
            }
        }
        d.NextScreen();
    }
    EXPECT_EQ(static_cast<int>(scrolls.size()), (count + 12) / 13);
    EXPECT_EQ(scrolls.back(), (count - 1) / 13 * 13);
    EXPECT_EQ(HelpLineCount(3), LineCount(3) + KeyLines(3));  // the untranslated pages as written

    // Without the translation the page is as written again.
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(HelpLineCount(2), LineCount(2));
}

TEST_F(HelpTest, TheSkinBackgroundIsLoadedAtEveryPaint) {
    CHelpDialog d(&frame, 11);
    d.SetPage(5);
    const int floral = SkinBackgroundId(SkinnedScreen::HelpBrowser, 3);
    const int men = SkinBackgroundId(SkinnedScreen::HelpBrowser, 5);
    AppSettings.Skin = 3;
    d.Render();
    // The left margin carries no text.
    auto matches = [&](int picture) {
        const auto pic = test::Decoded(picture, 240, 268);
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
    EXPECT_TRUE(matches(floral));
    AppSettings.Skin = 5;
    d.Render();
    EXPECT_TRUE(matches(men));
    EXPECT_FALSE(matches(floral));
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
    const std::vector<std::pair<int, QString>> expected = {{1, "Help"}, {3, "Help"}};
    EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace velmora
