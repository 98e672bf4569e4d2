#pragma once

#include <functional>

namespace velmora {

class IMainFrame;

// Help codes of the screens: the help browser restores the main window's title by it.
// Page numbers are the help browser's (1 = contents).
//
// Opens the help browser for the screen with `screenCode` on `page`, over the main window.
// The help browser installs itself as the opener; until it exists, nothing opens.
void OpenHelp(IMainFrame* frame, int screenCode, int page);
void SetHelpOpener(std::function<void(IMainFrame*, int screenCode, int page)> opener);

}  // namespace velmora
