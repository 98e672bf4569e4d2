// Pictures of this area's screens.

#include "tools/shots/shots.h"

namespace velmora {

void ShootChartScreens(ShotContext& shots) {
    (void)shots;
}

}  // namespace velmora
