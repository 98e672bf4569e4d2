// The screens of this area: the temperature, weight and cycle charts and the temperature, weight
// and alarm histories.

#include "app/velmoraapp.h"

namespace velmora {

void RegisterChartScreens(CVelmoraMFCApp& app) {
    (void)app;
}

}  // namespace velmora
