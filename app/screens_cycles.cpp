// The screens of this area: Cycle Bar, Cycle History and Year View.

#include "app/velmoraapp.h"

namespace velmora {

void RegisterCycleScreens(CVelmoraMFCApp& app) {
    (void)app;
}

}  // namespace velmora
