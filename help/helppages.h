#pragma once

#include <QString>
#include <array>
#include <span>

namespace velmora {

// The help browser's pages: 1 is the contents, 2-16 describe one screen each.
inline constexpr int kHelpContentsPage = 1;
inline constexpr int kHelpFirstScreenPage = 2;
inline constexpr int kHelpPageCount = 16;
// Visual lines shown on one screen of a page; the arrows scroll by this many.
inline constexpr int kHelpLinesPerScreen = 13;

// How a piece of help text is drawn.
enum class HelpStyle { Normal, Bold, Italic };

// One piece of a help page. Most visual lines are one piece; a line with a highlighted word
// is two or three pieces drawn one after the other (`joined` pieces continue the line of the
// piece before them). An empty piece is an empty line.
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
    const char* title;  // the page's entry in the contents
    std::span<const HelpPiece> pieces;
};

// Visual lines of pages 2-16; they drive the scrolling (a page of 13 lines or less has one
// screen).
inline constexpr std::array<int, 15> kHelpLineCounts = {11, 23, 15, 7,  9,  68, 30, 10,
                                                        33, 11, 17, 10, 17, 9,  12};

// Page `page` (2-16).
const HelpPage& HelpPageAt(int page);
// Line count of `page` (2-16), 0 for any other page.
int HelpLineCount(int page);
// The contents titles, in page order 2-16.
QString HelpTitle(int page);
// The text of the link back to the contents.
inline constexpr const char* kHelpContentsLink = "Contents";

// Index of the first piece of visual line `line` of `page`, or the page's piece count when
// the page has fewer lines.
int HelpLineStart(int page, int line);

}  // namespace velmora
