#pragma once

namespace velmora {

// Shows the program's message boxes as Qt dialogs. Boxes asked for on other threads are
// shown on the interface thread; posted boxes (reminders) are shown without waiting.
void InstallQtMessageBoxes();

// Closes every posted box that is still open (the exit routine does this, so no reminder
// outlives the program's end).
void ClosePostedMessageBoxes();
// How many posted boxes are open.
int OpenPostedMessageBoxes();

}  // namespace velmora
