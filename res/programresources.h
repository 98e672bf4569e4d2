#pragma once

#include <cstdint>
#include <string_view>

namespace velmora {

// Makes the resources compiled into the program (res/resources.manifest: pictures, sounds,
// button and tool-bar bitmaps) findable with FindResource. Call once at start; later calls
// do nothing. The bytes are used in place.
void RegisterProgramResources();

// What the build knows of one compiled-in resource. The generated header
// "res/programresources_meta.h" lists every resource in kProgramResourceMeta, so that code
// can check at compile time that what it loads is there, at the size it expects:
//   static_assert(HasProgramResource("PCT", 204, 240, 268));
struct ProgramResourceMeta {
    std::string_view type;
    int id;                 // -1 for a resource named by text
    std::string_view name;  // empty for a resource named by id
    uint16_t width;         // 0 for sounds
    uint16_t height;
};

template <class Table>
constexpr bool HasResource(const Table& table, std::string_view type, int id, uint16_t width,
                           uint16_t height) {
    for (const ProgramResourceMeta& m : table) {
        if (m.type == type && m.id == id && id != -1) {
            return m.width == width && m.height == height;
        }
    }
    return false;
}

template <class Table>
constexpr bool HasResource(const Table& table, std::string_view type, std::string_view name,
                           uint16_t width, uint16_t height) {
    for (const ProgramResourceMeta& m : table) {
        if (m.type == type && m.id == -1 && m.name == name) {
            return m.width == width && m.height == height;
        }
    }
    return false;
}

}  // namespace velmora
