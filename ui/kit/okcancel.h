#pragma once

#include <QHBoxLayout>
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

// OK and Cancel of a larger screen, centred in `row` 16 pixels apart; neither takes the focus,
// and each is shown as its picture. The buttons are children of `parent`, the image buttons
// (given in `images`) of `imageOwner`. The caller places the row and connects the clicks.
OkCancelButtons AddOkCancelRow(QWidget* parent, QWidget* imageOwner, QHBoxLayout* row,
                               std::array<CImageButton*, 2>& images);

}  // namespace velmora
