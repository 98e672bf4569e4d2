// The build fails here when a picture, bitmap, tool-bar strip or sound that the screens use
// is missing from the program or has another size.

#include <gtest/gtest.h>

#include <span>
#include <tuple>

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

// Button bitmaps without words (those with words are checked with their Russian drawings),
// tab bitmaps, tool-bar strips without words, and the sounds: the alarm and four clicks.
constexpr NamedPictureSize kPlainBitmaps[] = {
    {"HELPU", 16, 16}, {"LEFTSQU", 24, 18},  {"LEFTU", 24, 18},
    {"OKU", 46, 18},   {"RIGHTSQU", 24, 18}, {"RIGHTU", 24, 18},
};
constexpr std::tuple<const char*, int, uint16_t, uint16_t> kNumbered[] = {
    {"BITMAP", 315, 16, 15},  {"BITMAP", 316, 16, 15},  {"BITMAP", 317, 16, 15},
    {"TOOLBAR", 133, 30, 16}, {"TOOLBAR", 142, 16, 16}, {"TOOLBAR", 247, 16, 16},
    {"WAVE", 235, 0, 0},      {"WAVE", 329, 0, 0},      {"WAVE", 330, 0, 0},
    {"WAVE", 331, 0, 0},      {"WAVE", 332, 0, 0},
};
constexpr bool EveryOtherResource() {
    for (const NamedPictureSize& b : kPlainBitmaps) {
        if (!HasProgramResource("BITMAP", b.name, b.width, b.height)) {
            return false;
        }
    }
    for (const auto& [type, id, width, height] : kNumbered) {
        if (!HasProgramResource(type, id, width, height)) {
            return false;
        }
    }
    return true;
}
static_assert(EveryOtherResource(),
              "a bitmap, tool-bar strip or sound is missing or of another size");

// Pictures with words have a Russian drawing of the same size.
constexpr bool HasRussianBitmap(const NamedPictureSize& b) {
    for (const ProgramResourceMeta& m : kProgramResourceMeta) {
        if (m.type == "BITMAP" && m.name.size() == b.name.size() + kRussianBitmapSuffix.size() &&
            m.name.starts_with(b.name) && m.name.ends_with(kRussianBitmapSuffix)) {
            return m.width == b.width && m.height == b.height;
        }
    }
    return false;
}
constexpr bool EveryWordedPictureHasARussianDrawing() {
    for (const auto& [type, list, in] :
         {std::tuple{"PCT", std::span<const PictureSize>(kWordedPictures), &PictureIn},
          std::tuple{"TOOLBAR", std::span<const PictureSize>(kWordedToolbars), &ToolbarIn}}) {
        for (const PictureSize& p : list) {
            const int ru = in(PictureLanguage::Russian, p.id);
            if (ru == p.id || !HasProgramResource(type, p.id, p.width, p.height) ||
                !HasProgramResource(type, ru, p.width, p.height)) {
                return false;
            }
        }
    }
    for (const NamedPictureSize& b : kWordedBitmaps) {
        if (!HasProgramResource("BITMAP", b.name, b.width, b.height) || !HasRussianBitmap(b)) {
            return false;
        }
    }
    return true;
}
static_assert(EveryWordedPictureHasARussianDrawing(),
              "a picture with words lacks its Russian drawing, or it has another size");

}  // namespace
}  // namespace velmora
