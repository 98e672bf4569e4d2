#include "gfx/fastbitmap.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <mutex>
#include <set>

#include "gfx/lz77.h"
#include "gfx/pictures.h"
#include "platform/messagebox.h"
#include "platform/resources.h"

namespace velmora {

namespace {

void FatalBox(const std::string& text) {
    ShowMessageBox(text, QT_TRANSLATE_NOOP("Message", "Fatal Error"), MbIcon::Stop, MbButtons::Ok, kForegroundWindow);
}

// The picture id of a name, -1 when the name is not a decimal number.
int PictureNumber(std::u16string_view name) {
    std::string ascii;
    for (char16_t c : name) {
        if (c < u'0' || c > u'9') {
            return -1;
        }
        ascii += static_cast<char>(c);
    }
    int id = -1;
    std::from_chars(ascii.data(), ascii.data() + ascii.size(), id);
    return ascii.empty() ? -1 : id;
}

std::string Narrow(std::u16string_view name) {
    std::string out;
    for (char16_t c : name) {
        out += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return out;
}

// Copies the rows of `src` (w x h) to (x, y) of `dst`, clipped; `opaque` picks pixels.
template <class Keep>
void Blit(const GraphicBuffer& src, GraphicBuffer& dst, int32_t x, int32_t y, Keep keep) {
    const int64_t x0 = std::max<int64_t>(x, 0);
    const int64_t y0 = std::max<int64_t>(y, 0);
    const int64_t x1 = std::min<int64_t>(int64_t{x} + src.Width(), dst.Width());
    const int64_t y1 = std::min<int64_t>(int64_t{y} + src.Height(), dst.Height());
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    for (int64_t ty = y0; ty < y1; ++ty) {
        const Pixel* s = src.Row(static_cast<uint32_t>(ty - y)) + (x0 - x);
        Pixel* d = dst.Row(static_cast<uint32_t>(ty)) + x0;
        keep(s, d, static_cast<size_t>(x1 - x0));
    }
}

}  // namespace

bool CFastBitmap::Load(int id, uint16_t width, uint16_t height) {
    const std::string text = std::to_string(id);
    return Load(std::u16string(text.begin(), text.end()), width, height);
}

bool CFastBitmap::Load(std::u16string_view name, uint16_t width, uint16_t height) {
    if (const int asked = PictureNumber(name); asked >= 0) {
        if (const int shown = PictureIn(CurrentPictureLanguage(), asked); shown != asked) {
            return Load(shown, width, height);  // a Russian drawing stands for itself
        }
    }
    Release();
    m_surface = std::make_unique<GraphicBuffer>(width, height);
    m_width = width;
    m_height = height;
    m_name.assign(name.substr(0, 25));

    const int id = PictureNumber(name);
    if (id < 0 || !FindResource("PCT", id)) {
        // Every picture the screens ask for is part of the program; one that is not is a
        // fault of the build, shown once, and the screen goes on with a blank picture.
        static std::mutex mutex;
        static std::set<std::string> reported;
        const std::string shown = Narrow(name);
        std::lock_guard lock(mutex);
        if (reported.insert(shown).second) {
            FatalBox("CFastBitmap::Load: there is no picture " + shown);
        }
        return false;
    }
    return Lz77LoadPicture(name, reinterpret_cast<uint8_t*>(m_surface->Pixels()),
                           m_surface->Stride() * m_surface->Height());
}

void CFastBitmap::Draw(int32_t x, int32_t y) {
    if (static_cast<uint16_t>(x) > 240 || static_cast<uint16_t>(y) >= 269) {
        FatalBox("CFastBitmap::Draw 0 ");
    }
    if (!m_surface) {
        FatalBox("CFastBitmap::Draw");
        return;
    }
    if (!CurrentTarget) {
        FatalBox("CFastBitmap::Draw 2");
        return;
    }
    if (!m_surface->Pixels() || !CurrentTarget->Pixels()) {
        FatalBox("GraphicBuffer::Blit 15");
        return;
    }
    Blit(*m_surface, *CurrentTarget, x, y,
         [](const Pixel* s, Pixel* d, size_t n) { std::memcpy(d, s, n * sizeof(Pixel)); });
}

void CFastBitmap::DrawTransparent(int32_t x, int32_t y, int32_t keyX, int32_t keyY) {
    if (!m_surface || !CurrentTarget || !m_surface->Pixels() || !CurrentTarget->Pixels()) {
        FatalBox("GraphicBuffer::Blit 16");
        return;
    }
    const Pixel key = m_surface->GetPixel(keyX, keyY);
    Blit(*m_surface, *CurrentTarget, x, y, [key](const Pixel* s, Pixel* d, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            if (s[i] != key) {
                d[i] = s[i];
            }
        }
    });
}

void CFastBitmap::Release() {
    m_surface.reset();
}

}  // namespace velmora
