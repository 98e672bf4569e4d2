#include "platform/resources.h"

#include <algorithm>
#include <cctype>
#include <list>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

namespace {

struct Extra {
    std::string type;
    ResourceEntry entry;
};

std::mutex g_mutex;
std::vector<std::pair<const ResourceEntry*, size_t>> g_tables;
std::list<Extra> g_extras;  // a list: entries keep their address while others come and go

bool SameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

template <class Match>
const ResourceEntry* Find(std::string_view type, Match match) {
    std::lock_guard lock(g_mutex);
    for (const Extra& e : g_extras) {
        if (e.type == type && match(e.entry)) {
            return &e.entry;
        }
    }
    for (auto it = g_tables.rbegin(); it != g_tables.rend(); ++it) {
        for (size_t i = 0; i < it->second; ++i) {
            const ResourceEntry& e = it->first[i];
            if (type == e.type && match(e)) {
                return &e;
            }
        }
    }
    return nullptr;
}

}  // namespace

void RegisterResources(const ResourceEntry* entries, size_t count) {
    std::lock_guard lock(g_mutex);
    for (const auto& t : g_tables) {
        if (t.first == entries) {
            return;  // registered already
        }
    }
    g_tables.emplace_back(entries, count);
}

const ResourceEntry* FindResource(std::string_view type, int id) {
    return Find(type, [id](const ResourceEntry& e) { return e.id == id && id != -1; });
}

const ResourceEntry* FindResource(std::string_view type, std::string_view name) {
    return Find(type, [name](const ResourceEntry& e) {
        return e.id == -1 && e.name && SameNoCase(e.name, name);
    });
}

void SetExtraResource(std::string_view type, int id, const uint8_t* data, size_t size,
                      uint16_t width, uint16_t height) {
    std::lock_guard lock(g_mutex);
    g_extras.remove_if([&](const Extra& e) { return e.type == type && e.entry.id == id; });
    if (data) {
        Extra& e = g_extras.emplace_back();
        e.type = std::string(type);
        e.entry = ResourceEntry{e.type.c_str(), id, nullptr, data, size, width, height};
    }
}

void ClearExtraResources() {
    std::lock_guard lock(g_mutex);
    g_extras.clear();
}

}  // namespace velmora
