#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

// Per-user settings store: named sections of integer and string values (the handheld's
// registry). The program's implementation over QSettings lives in app/; the in-memory one
// below serves tests and tools.
class IProfileStore {
public:
    virtual ~IProfileStore() = default;

    // The stored integer, or `def` when the value is missing or is not an integer.
    virtual int GetProfileInt(const std::string& section, const std::string& entry, int def) = 0;
    virtual std::string GetProfileString(const std::string& section, const std::string& entry,
                                         const std::string& def) = 0;
    virtual bool WriteProfileInt(const std::string& section, const std::string& entry,
                                 int value) = 0;
    virtual bool WriteProfileString(const std::string& section, const std::string& entry,
                                    const std::string& value) = 0;
    // Whether the value exists (of either kind).
    virtual bool HasProfileValue(const std::string& section, const std::string& entry) {
        // Missing is the one case where both defaults come back.
        return GetProfileString(section, entry, "\x01") != "\x01" ||
               !GetProfileString(section, entry, "").empty();
    }
    // Removes the value; it is gone with the next Flush. False when it cannot be removed.
    virtual bool RemoveProfileValue(const std::string& section, const std::string& entry) = 0;
    // Makes written values durable. Returns false when they could not be stored.
    virtual bool Flush() { return true; }
};

// Values kept in memory. Integers and strings share one namespace per section, as in the
// registry; a value written as a string and read as an integer parses the string.
class MemoryProfileStore : public IProfileStore {
public:
    int GetProfileInt(const std::string& section, const std::string& entry, int def) override;
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& def) override;
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value) override;
    bool WriteProfileString(const std::string& section, const std::string& entry,
                            const std::string& value) override;
    bool RemoveProfileValue(const std::string& section, const std::string& entry) override;

    // The raw stored text, for tests.
    std::optional<std::string> Raw(const std::string& section, const std::string& entry) const;
    // The order in which values were written, as "section/entry" ("-section/entry" for a
    // removal).
    const std::vector<std::string>& WriteLog() const { return m_log; }
    void ClearWriteLog() { m_log.clear(); }

private:
    mutable std::mutex m_mutex;
    std::map<std::pair<std::string, std::string>, std::string> m_values;
    std::vector<std::string> m_log;
};

// Parses a whole decimal integer that fits in int; nullopt for anything else.
std::optional<int> ParseProfileInt(const std::string& text);

}  // namespace velmora
