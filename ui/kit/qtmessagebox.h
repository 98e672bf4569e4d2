#pragma once

namespace velmora {

// Shows the program's message boxes as Qt dialogs. Boxes asked for on other threads are
// shown on the interface thread; posted boxes (reminders) are shown without waiting.
void InstallQtMessageBoxes();

}  // namespace velmora
