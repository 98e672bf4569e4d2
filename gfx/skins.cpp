#include "gfx/pictures.h"

namespace velmora {

bool DrawSkinBackground(CFastBitmap& picture, SkinnedScreen screen, int skinIndex) {
    const int id = SkinBackgroundId(screen, skinIndex);
    if (id < 0) {
        return false;
    }
    picture.Load(id, kScreenWidth, kScreenHeight);
    picture.Draw(0, 0);
    return true;
}

}  // namespace velmora
