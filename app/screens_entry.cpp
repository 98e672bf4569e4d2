// The screens of this area: Day View, alarm setup, My Diary and Add note.

#include "app/velmoraapp.h"

namespace velmora {

void RegisterEntryScreens(CVelmoraMFCApp& app) {
    (void)app;
}

}  // namespace velmora
