// The screens of this area: Program Settings, the password screens, help and the weight and height
// scale.

#include "app/velmoraapp.h"

namespace velmora {

void RegisterToolScreens(CVelmoraMFCApp& app) {
    (void)app;
}

}  // namespace velmora
