#pragma once

// Marks a text a person reads for the translators, in code without Qt: the window layer
// translates it where it shows it. Contexts: "Message" for message boxes and their parts,
// "Names" for the names of months, weekdays and list items. The same definition as Qt's own
// macro, which the translators' tools look for.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
