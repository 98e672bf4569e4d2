#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velmora {

// One resource compiled into the program: pictures ("PCT"), sounds ("WAVE"), button and
// icon bitmaps ("BITMAP", PNG bytes) and tool-bar strips ("TOOLBAR", PNG bytes). A resource
// is named by an integer id or, when `id` is -1, by `name`. Width and height are known for
// pictures, bitmaps and strips (the PCT format does not carry them); 0 for sounds.
struct ResourceEntry {
    const char* type;
    int id;
    const char* name;
    const uint8_t* data;
    size_t size;
    uint16_t width;
    uint16_t height;
};

// Makes a table of resources findable. The program registers its compiled-in table once at
// start (RegisterProgramResources in res/); tables registered later are searched first.
// The table must outlive the program.
void RegisterResources(const ResourceEntry* entries, size_t count);

// The resource of `type` with integer id `id`, or null. The bytes are used in place.
const ResourceEntry* FindResource(std::string_view type, int id);
// The resource of `type` named `name` (compared without regard to case), or null.
const ResourceEntry* FindResource(std::string_view type, std::string_view name);

// Test hook: adds (or, with null data, removes) one resource that is found before every
// registered table. The bytes must stay valid while it is registered.
void SetExtraResource(std::string_view type, int id, const uint8_t* data, size_t size,
                      uint16_t width = 0, uint16_t height = 0);
void ClearExtraResources();

}  // namespace velmora
