#pragma once

#include <QString>

namespace velmora {

struct MessageBoxRequest;

// Shows the program's message boxes as Qt dialogs. Boxes asked for on other threads are
// shown on the interface thread; posted boxes (reminders) are shown without waiting.
void InstallQtMessageBoxes();

// Closes every posted box that is still open (the exit routine does this, so no reminder
// outlives the program's end).
void ClosePostedMessageBoxes();
// How many posted boxes are open.
int OpenPostedMessageBoxes();

// A box's caption and text in the user's language, as its dialog shows them (for the same
// message told another way, such as a desktop notification).
QString TranslatedMessageCaption(const MessageBoxRequest& r);
QString TranslatedMessageText(const MessageBoxRequest& r);

}  // namespace velmora
