#include "tools/pctpack/pngio.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace velmora::png {

namespace {

// libpng reports errors by jumping back; nothing with a destructor may live between the
// setjmp and the jump, so the work is done in functions with plain locals only.
struct ErrorText {
    char text[256] = {};
};

void OnError(png_structp png, png_const_charp message) {
    auto* e = static_cast<ErrorText*>(png_get_error_ptr(png));
    std::snprintf(e->text, sizeof e->text, "%s", message);
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

constexpr uint32_t kMaxSide = 1 << 14;

bool ReadOpened(std::FILE* f, Image& image, bool pixels, ErrorText& error) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &error, OnError, OnWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        std::snprintf(error.text, sizeof error.text, "out of memory");
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_init_io(png, f);
    png_set_sig_bytes(png, 8);
    png_read_info(png, info);
    image.width = png_get_image_width(png, info);
    image.height = png_get_image_height(png, info);
    if (image.width > kMaxSide || image.height > kMaxSide) {
        std::snprintf(error.text, sizeof error.text, "%ux%u is too large", image.width,
                      image.height);
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    if (!pixels) {
        png_destroy_read_struct(&png, &info, nullptr);
        return true;
    }
    // Whatever the file holds becomes 8-bit RGB, sample values kept (no gamma handling).
    const int colorType = png_get_color_type(png, info);
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        png_set_palette_to_rgb(png);
    }
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_expand_gray_1_2_4_to_8(png);
        png_set_gray_to_rgb(png);
    }
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const size_t rowBytes = size_t{image.width} * 3;
    if (png_get_rowbytes(png, info) != rowBytes) {
        std::snprintf(error.text, sizeof error.text, "unexpected row layout");
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    image.rgb.assign(rowBytes * image.height, 0);
    for (int pass = 0; pass < passes; ++pass) {
        for (uint32_t y = 0; y < image.height; ++y) {
            png_read_row(png, image.rgb.data() + y * rowBytes, nullptr);
        }
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

bool Read(const std::string& path, Image& image, bool pixels, std::string& error) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    png_byte signature[8];
    if (std::fread(signature, 1, 8, f) != 8 || png_sig_cmp(signature, 0, 8) != 0) {
        std::fclose(f);
        error = path + ": not a PNG file";
        return false;
    }
    ErrorText e;
    const bool ok = ReadOpened(f, image, pixels, e);
    std::fclose(f);
    if (!ok) {
        error = path + ": " + e.text;
    }
    return ok;
}

bool WriteOpened(std::FILE* f, const Image& image, ErrorText& error) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, OnError, OnWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        std::snprintf(error.text, sizeof error.text, "out of memory");
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const size_t rowBytes = size_t{image.width} * 3;
    for (uint32_t y = 0; y < image.height; ++y) {
        png_write_row(png, image.rgb.data() + y * rowBytes);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool ReadPng(const std::string& path, Image& image, std::string& error) {
    return Read(path, image, true, error);
}

bool ReadPngSize(const std::string& path, uint32_t& width, uint32_t& height, std::string& error) {
    Image image;
    if (!Read(path, image, false, error)) {
        return false;
    }
    width = image.width;
    height = image.height;
    return true;
}

bool WritePng(const std::string& path, const Image& image, std::string& error) {
    if (image.width == 0 || image.height == 0 ||
        image.rgb.size() != size_t{image.width} * image.height * 3) {
        error = path + ": no picture to write";
        return false;
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    ErrorText e;
    bool ok = WriteOpened(f, image, e);
    if (std::fclose(f) != 0 && ok) {
        std::snprintf(e.text, sizeof e.text, "%s", std::strerror(errno));
        ok = false;
    }
    if (!ok) {
        error = path + ": " + e.text;
    }
    return ok;
}

std::vector<uint8_t> ToRgb565(const Image& image) {
    const size_t n = size_t{image.width} * image.height;
    std::vector<uint8_t> out(n * 2);
    for (size_t i = 0; i < n; ++i) {
        const uint8_t* p = &image.rgb[i * 3];
        const uint16_t v = static_cast<uint16_t>((p[0] >> 3) << 11 | (p[1] >> 2) << 5 | p[2] >> 3);
        out[2 * i] = static_cast<uint8_t>(v);
        out[2 * i + 1] = static_cast<uint8_t>(v >> 8);
    }
    return out;
}

Image FromRgb565(const uint8_t* pixels, uint32_t width, uint32_t height) {
    Image image;
    image.width = width;
    image.height = height;
    const size_t n = size_t{width} * height;
    image.rgb.resize(n * 3);
    for (size_t i = 0; i < n; ++i) {
        const uint16_t v = static_cast<uint16_t>(pixels[2 * i] | pixels[2 * i + 1] << 8);
        const uint8_t r = v >> 11;
        const uint8_t g = (v >> 5) & 63;
        const uint8_t b = v & 31;
        image.rgb[3 * i] = static_cast<uint8_t>(r << 3 | r >> 2);
        image.rgb[3 * i + 1] = static_cast<uint8_t>(g << 2 | g >> 4);
        image.rgb[3 * i + 2] = static_cast<uint8_t>(b << 3 | b >> 2);
    }
    return image;
}

}  // namespace velmora::png
