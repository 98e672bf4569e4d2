#pragma once

#include <QStringList>
#include <cstdio>

namespace velmora {

class IProfileStore;

// The program's verbs for scripts and for people who keep their own copies:
//   velmora export [--format csv|json] FILE
//   velmora import [--replace] [--dry-run] FILE
//   velmora export-ics FILE      (the predictions, for other calendars)
//   velmora backup FILE
//   velmora restore FILE
//   velmora --help | --version
// They run without a window, print one line per problem to standard error and end with a
// non-zero status on failure. A verb that writes the diary refuses while the program runs:
// the diary is never written behind its back.

// Whether `arguments` (the program's name first) ask for a verb, help or the version rather
// than the window.
bool IsCommandLineCall(const QStringList& arguments);

// Runs the verb of `arguments` with the settings AppSettings holds (read from `profile`);
// the exit status: 0 done, 1 failed, 2 not understood, 3 refused because the program is
// running. A diary with a password asks for it on `in` before an export, an import or a
// restore (a backup is a copy of the file, which the password does not guard).
int RunCommandLine(const QStringList& arguments, IProfileStore& profile, std::FILE* in,
                   std::FILE* out, std::FILE* err);

// The same in the language of the user's settings (or system), with the settings read.
int RunCommandLineInUsersLanguage(const QStringList& arguments);

}  // namespace velmora
