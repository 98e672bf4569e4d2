#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::png {

// A picture as 8-bit RGB, rows top to bottom, no padding.
struct Image {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> rgb;
};

// Reads any PNG as 8-bit RGB: palettes and grey are expanded, 16-bit samples keep their
// high byte, and alpha is dropped. False with `error` set when the file cannot be read.
bool ReadPng(const std::string& path, Image& image, std::string& error);

// Reads only the size.
bool ReadPngSize(const std::string& path, uint32_t& width, uint32_t& height, std::string& error);

// Writes 8-bit RGB.
bool WritePng(const std::string& path, const Image& image, std::string& error);

// Little-endian RGB565 pixel bytes, each channel cut to its top bits (r >> 3, g >> 2, b >> 3).
std::vector<uint8_t> ToRgb565(const Image& image);

// RGB565 pixel bytes back to RGB, each channel's top bits repeated into its low bits, so
// that ToRgb565 gives the same pixels again.
Image FromRgb565(const uint8_t* pixels, uint32_t width, uint32_t height);

}  // namespace velmora::png
