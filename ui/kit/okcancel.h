#pragma once

#include <QPushButton>
#include <array>

#include "gfx/imagebutton.h"

namespace velmora {

struct OkCancelButtons {
    QPushButton* ok;
    QPushButton* cancel;
};

// OK (control 1) and Cancel (control 2) of a small entry dialog, side by side with their top
// at `y`, each shown as its picture; `images` receives the two image buttons. The caller
// connects the clicks.
OkCancelButtons AddOkCancel(QWidget* dialog, int y, std::array<CImageButton*, 2>& images);

}  // namespace velmora
