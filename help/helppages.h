#pragma once

#include <QFont>
#include <QString>
#include <span>
#include <vector>

namespace velmora {

// The help browser's pages: 1 is the contents, 2 to kHelpPageCount describe one screen each;
// pages 2-16 are in the order of their titles, the pages added later follow them.
inline constexpr int kHelpContentsPage = 1;
inline constexpr int kHelpFirstScreenPage = 2;
inline constexpr int kHelpPageCount = 17;
// Visual lines shown on one screen of a page; the arrows scroll by this many.
inline constexpr int kHelpLinesPerScreen = 13;
// Where the text of a page runs: from x = kHelpTextLeft, at most kHelpTextWidth pixels wide.
inline constexpr int kHelpTextLeft = 20;
inline constexpr int kHelpTextWidth = 210;

// How a piece of help text is drawn.
enum class HelpStyle { Normal, Bold, Italic };

// The font of each style of help text.
QFont HelpFont(HelpStyle style);

// One piece of a help page as it was written. Most visual lines are one piece; a line with a
// highlighted word is two or three pieces drawn one after the other (`joined` pieces continue
// the line of the piece before them). An empty piece is an empty line.
struct HelpPiece {
    const char* text;  // ASCII
    HelpStyle style = HelpStyle::Normal;
    bool joined = false;
    // Moves the piece this many pixels from where the running line puts it.
    int nudge = 0;
    // A 14 x 14 picture drawn beside the line (the Day View's check boxes), or 0.
    int icon = 0;
};

struct HelpPage {
    const char* title;  // the page's entry in the contents, untranslated
    std::span<const HelpPiece> pieces;
};

// Page `page` (2 to kHelpPageCount) as it was written, untranslated.
const HelpPage& HelpPageAt(int page);
// Index of the first piece of visual line `line` of `page` as written, or the page's piece
// count when the page has fewer lines.
int HelpLineStart(int page, int line);

// A stretch of one style on a line of a page as the browser shows it; `x` is where it starts on
// the screen.
struct HelpRun {
    QString text;
    HelpStyle style = HelpStyle::Normal;
    int x = kHelpTextLeft;
};
// One visual line of a page as the browser shows it.
struct HelpLine {
    std::vector<HelpRun> runs;
    int icon = 0;  // a 14 x 14 picture drawn at the left of the line, or 0
};

// Page `page` (2 to kHelpPageCount) line by line in the installed language: the lines as written
// while the page's text is untranslated, otherwise the translation wrapped to the text width. Any
// other page has no lines.
const std::vector<HelpLine>& HelpLines(int page);
// The visual lines of `page` (2 to kHelpPageCount) in the installed language, 0 for any other page;
// they drive the scrolling (a page of 13 lines or less has one screen).
int HelpLineCount(int page);
// The contents entry and heading of `page` (2 to kHelpPageCount) in the installed language.
QString HelpTitle(int page);
// The text of the link back to the contents.
QString HelpContentsLink();
// "Page 3/17" under each page.
QString HelpPageNumber(int page);

}  // namespace velmora
