// pctpack: makes the program's "PCT" picture resources and reads them back.
//
//   pctpack encode IN.png OUT.pct [--size W H]   PNG to PCT (RGB565 by truncation)
//   pctpack encode-raw IN.rgb565 W H OUT.pct     little-endian RGB565 pixels to PCT
//   pctpack decode IN.pct W H OUT.png            PCT to PNG, through the program's decoder
//   pctpack check IN.png W H                     exit status 0 when the PNG is W x H
//
// Exit status: 0 done, 1 the input is wrong (message on standard error), 2 bad usage.

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/lz77.h"
#include "platform/resources.h"
#include "tools/pctpack/pngio.h"

namespace {

using velmora::png::Image;

constexpr int kFailed = 1;
constexpr int kUsage = 2;

int Usage() {
    std::fputs(
        "usage: pctpack encode IN.png OUT.pct [--size W H]\n"
        "       pctpack encode-raw IN.rgb565 W H OUT.pct\n"
        "       pctpack decode IN.pct W H OUT.png\n"
        "       pctpack check IN.png W H\n",
        stderr);
    return kUsage;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "pctpack: %s\n", message.c_str());
    return kFailed;
}

// A picture side: 1 to 16384.
bool ParseSide(const char* text, uint32_t& value) {
    const char* end = text + std::strlen(text);
    const auto [p, ec] = std::from_chars(text, end, value);
    return ec == std::errc() && p == end && value >= 1 && value <= 16384;
}

bool ReadFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// Written under a temporary name and renamed, so a failed run leaves no half-written file.
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            error = temporary + ": cannot write";
            std::filesystem::remove(temporary);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        error = path + ": " + ec.message();
        return false;
    }
    return true;
}

// Decodes a PCT resource the way the program loads pictures.
std::vector<uint8_t> Decode(const std::vector<uint8_t>& resource, uint32_t byteSize) {
    constexpr int kId = 1;
    velmora::SetExtraResource("PCT", kId, resource.data(), resource.size());
    std::vector<uint8_t> pixels(byteSize, 0);
    velmora::Lz77LoadPicture(u"1", pixels.data(), byteSize);
    velmora::SetExtraResource("PCT", kId, nullptr, 0);
    return pixels;
}

int Encode(const std::vector<uint8_t>& pixels, const std::string& outPath) {
    const std::vector<uint8_t> resource = velmora::Lz77Encode(pixels.data(), pixels.size());
    // The resource is checked through the decoder before it goes into the program.
    if (Decode(resource, static_cast<uint32_t>(pixels.size())) != pixels) {
        return Fail(outPath + ": the encoded picture does not decode to its pixels");
    }
    std::string error;
    if (!WriteFile(outPath, resource, error)) {
        return Fail(error);
    }
    return 0;
}

int EncodePng(int argc, char** argv) {
    if (argc != 4 && argc != 7) {
        return Usage();
    }
    const std::string in = argv[2];
    const std::string out = argv[3];
    uint32_t w = 0;
    uint32_t h = 0;
    if (argc == 7 &&
        (std::strcmp(argv[4], "--size") != 0 || !ParseSide(argv[5], w) || !ParseSide(argv[6], h))) {
        return Usage();
    }
    Image image;
    std::string error;
    if (!velmora::png::ReadPng(in, image, error)) {
        return Fail(error);
    }
    if (argc == 7 && (image.width != w || image.height != h)) {
        return Fail(in + ": the picture is " + std::to_string(image.width) + "x" +
                    std::to_string(image.height) + ", it must be " + std::to_string(w) + "x" +
                    std::to_string(h));
    }
    return Encode(velmora::png::ToRgb565(image), out);
}

int EncodeRaw(int argc, char** argv) {
    uint32_t w = 0;
    uint32_t h = 0;
    if (argc != 6 || !ParseSide(argv[3], w) || !ParseSide(argv[4], h)) {
        return Usage();
    }
    std::vector<uint8_t> pixels;
    std::string error;
    if (!ReadFile(argv[2], pixels, error)) {
        return Fail(error);
    }
    const uint64_t expected = uint64_t{w} * h * 2;
    if (pixels.size() != expected) {
        return Fail(std::string(argv[2]) + ": " + std::to_string(pixels.size()) + " bytes, a " +
                    argv[3] + "x" + argv[4] + " picture has " + std::to_string(expected));
    }
    return Encode(pixels, argv[5]);
}

int DecodePct(int argc, char** argv) {
    uint32_t w = 0;
    uint32_t h = 0;
    if (argc != 6 || !ParseSide(argv[3], w) || !ParseSide(argv[4], h)) {
        return Usage();
    }
    std::vector<uint8_t> resource;
    std::string error;
    if (!ReadFile(argv[2], resource, error)) {
        return Fail(error);
    }
    if (resource.size() < 4) {
        return Fail(std::string(argv[2]) + ": too short for a picture resource");
    }
    const std::vector<uint8_t> pixels = Decode(resource, w * h * 2);
    if (!velmora::png::WritePng(argv[5], velmora::png::FromRgb565(pixels.data(), w, h), error)) {
        return Fail(error);
    }
    return 0;
}

int Check(int argc, char** argv) {
    uint32_t w = 0;
    uint32_t h = 0;
    if (argc != 5 || !ParseSide(argv[3], w) || !ParseSide(argv[4], h)) {
        return Usage();
    }
    uint32_t fw = 0;
    uint32_t fh = 0;
    std::string error;
    if (!velmora::png::ReadPngSize(argv[2], fw, fh, error)) {
        return Fail(error);
    }
    if (fw != w || fh != h) {
        return Fail(std::string(argv[2]) + ": the picture is " + std::to_string(fw) + "x" +
                    std::to_string(fh) + ", it must be " + argv[3] + "x" + argv[4]);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::string command = argv[1];
    if (command == "encode") {
        return EncodePng(argc, argv);
    }
    if (command == "encode-raw") {
        return EncodeRaw(argc, argv);
    }
    if (command == "decode") {
        return DecodePct(argc, argv);
    }
    if (command == "check") {
        return Check(argc, argv);
    }
    return Usage();
}
