// Pictures of this area's screens.

#include "tools/shots/shots.h"

namespace velmora {

void ShootCycleScreens(ShotContext& shots) {
    (void)shots;
}

}  // namespace velmora
