#include "platform/profile.h"

#include <charconv>

namespace velmora {

std::optional<int> ParseProfileInt(const std::string& text) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    while (first != last && (*first == ' ' || *first == '\t')) {
        ++first;
    }
    while (last != first && (last[-1] == ' ' || last[-1] == '\t')) {
        --last;
    }
    if (first != last && *first == '+') {
        ++first;
    }
    int value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || first == last) {
        return std::nullopt;
    }
    return value;
}

int MemoryProfileStore::GetProfileInt(const std::string& section, const std::string& entry,
                                      int def) {
    std::lock_guard lock(m_mutex);
    const auto it = m_values.find({section, entry});
    if (it == m_values.end()) {
        return def;
    }
    return ParseProfileInt(it->second).value_or(def);
}

std::string MemoryProfileStore::GetProfileString(const std::string& section,
                                                 const std::string& entry, const std::string& def) {
    std::lock_guard lock(m_mutex);
    const auto it = m_values.find({section, entry});
    return it == m_values.end() ? def : it->second;
}

bool MemoryProfileStore::WriteProfileInt(const std::string& section, const std::string& entry,
                                         int value) {
    std::lock_guard lock(m_mutex);
    m_values[{section, entry}] = std::to_string(value);
    m_log.push_back(section + "/" + entry);
    return true;
}

bool MemoryProfileStore::WriteProfileString(const std::string& section, const std::string& entry,
                                            const std::string& value) {
    std::lock_guard lock(m_mutex);
    m_values[{section, entry}] = value;
    m_log.push_back(section + "/" + entry);
    return true;
}

bool MemoryProfileStore::RemoveProfileValue(const std::string& section, const std::string& entry) {
    std::lock_guard lock(m_mutex);
    m_values.erase({section, entry});
    m_log.push_back("-" + section + "/" + entry);
    return true;
}

std::optional<std::string> MemoryProfileStore::Raw(const std::string& section,
                                                   const std::string& entry) const {
    std::lock_guard lock(m_mutex);
    const auto it = m_values.find({section, entry});
    if (it == m_values.end()) {
        return std::nullopt;
    }
    return it->second;
}

}  // namespace velmora
