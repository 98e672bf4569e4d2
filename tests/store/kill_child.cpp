// Saves days in a loop until killed, printing the day number after every save that
// returned; or, with "open", opens the diary once (upgrading an older file) and prints
// "opened". Used by the kill tests, which point XDG_DATA_HOME at their own folder.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/messagebox.h"
#include "store/velmoradoc.h"

int main(int argc, char** argv) {
    using namespace velmora;
    // Any message box is a failure the parent must see.
    SetMessageBoxHandler([](const MessageBoxRequest& r) {
        std::fprintf(stderr, "BOX %s\n", r.text.c_str());
        std::fflush(stderr);
        return DefaultAnswer(r.buttons);
    });
    if (argc > 1 && std::strcmp(argv[1], "open") == 0) {
        CVelmoraMFCDoc doc;
        doc.FindDay(CVelmoraMFCDoc::DayAtNoon(2020, 1, 1));
        std::printf("%s\n", doc.m_db.IsOpen() ? "opened" : "not opened");
        return 0;
    }
    const int days = argc > 1 ? std::atoi(argv[1]) : 40;
    int start = argc > 2 ? std::atoi(argv[2]) : 0;
    for (unsigned i = static_cast<unsigned>(start);; ++i) {
        const int day = static_cast<int>((i * 7u) % static_cast<unsigned>(days));
        CVelmoraMFCDoc doc;
        doc.OpenDay(CVelmoraMFCDoc::DayAtNoon(2020, 1, 1) + int64_t{day} * kSecondsPerDay);
        doc.m_temperature = 36.0 + 0.05 * (i % 41);
        doc.m_note = u"save";
        if (doc.SaveDay() == SaveDayResult::Saved) {
            std::printf("%d\n", day);
            std::fflush(stdout);
        }
    }
}
