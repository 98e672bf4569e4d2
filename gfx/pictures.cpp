#include "gfx/pictures.h"

#include <atomic>

namespace velmora {

namespace {

std::atomic<PictureLanguage> g_pictureLanguage{PictureLanguage::Own};

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string BitmapIn(PictureLanguage language, std::string_view name) {
    std::string upper;
    for (char c : name) {
        upper += Upper(c);
    }
    if (language == PictureLanguage::Russian) {
        for (const NamedPictureSize& b : kWordedBitmaps) {
            if (b.name == upper) {
                return upper.append(kRussianBitmapSuffix);
            }
        }
    }
    return std::string(name);
}

void SetPictureLanguage(PictureLanguage language) {
    g_pictureLanguage.store(language);
}

PictureLanguage CurrentPictureLanguage() {
    return g_pictureLanguage.load();
}

}  // namespace velmora
