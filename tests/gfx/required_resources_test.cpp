// The build fails here when a picture, bitmap, tool-bar strip or sound that the screens use
// is missing from the program or has another size.

#include <gtest/gtest.h>

#include "gfx/pictures.h"
#include "res/programresources_meta.h"

namespace velmora {
namespace {

constexpr bool EveryRequiredPicture() {
    for (const PictureSize& p : kRequiredPictures) {
        if (!HasProgramResource("PCT", p.id, p.width, p.height)) {
            return false;
        }
    }
    for (const auto& row : kSkinBackgrounds) {
        for (int id : row) {
            if (!HasProgramResource("PCT", id, kScreenWidth, kScreenHeight)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(EveryRequiredPicture(), "a picture the screens load is missing or of another size");

struct Named {
    const char* name;
    uint16_t width;
    uint16_t height;
};
constexpr Named kButtonBitmaps[] = {
    {"ADDU", 31, 16},       {"CALCULATEU", 72, 16}, {"CANCEL1U", 72, 18}, {"CANCELU", 72, 17},
    {"DELETEALLU", 72, 16}, {"DELETEU", 54, 16},    {"HEIGHTU", 170, 16}, {"HELPU", 16, 16},
    {"LEFTSQU", 24, 18},    {"LEFTU", 24, 18},      {"OKU", 46, 18},      {"RIGHTSQU", 24, 18},
    {"RIGHTU", 24, 18},     {"VIEWU", 39, 16},      {"WEIGHTU", 170, 16},
};
constexpr bool EveryButtonBitmap() {
    for (const Named& b : kButtonBitmaps) {
        if (!HasProgramResource("BITMAP", std::string_view(b.name), b.width, b.height)) {
            return false;
        }
    }
    return HasProgramResource("BITMAP", 315, 16, 15) && HasProgramResource("BITMAP", 316, 16, 15) &&
           HasProgramResource("BITMAP", 317, 16, 15);
}
static_assert(EveryButtonBitmap(), "an image-button or tab bitmap is missing or of another size");

// Tool-bar strips: every button side by side.
static_assert(HasProgramResource("TOOLBAR", 133, 30, 16));
static_assert(HasProgramResource("TOOLBAR", 324, 180, 18));
static_assert(HasProgramResource("TOOLBAR", 142, 16, 16));
static_assert(HasProgramResource("TOOLBAR", 247, 16, 16));
static_assert(HasProgramResource("TOOLBAR", 193, 80, 16));
static_assert(HasProgramResource("TOOLBAR", 189, 200, 16));
static_assert(HasProgramResource("TOOLBAR", 210, 200, 16));
static_assert(HasProgramResource("TOOLBAR", 155, 172, 18));
// Sounds: the alarm and the four clicks.
static_assert(HasProgramResource("WAVE", 235, 0, 0));
static_assert(HasProgramResource("WAVE", 329, 0, 0));
static_assert(HasProgramResource("WAVE", 330, 0, 0));
static_assert(HasProgramResource("WAVE", 331, 0, 0));
static_assert(HasProgramResource("WAVE", 332, 0, 0));

}  // namespace
}  // namespace velmora
