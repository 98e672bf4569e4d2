#pragma once

#include <memory>
#include <string>

#include "platform/profile.h"

class QSettings;

namespace velmora {

// The program's settings store: QSettings with organisation "Tessaryn" and application
// "VelmoraMFC" (an INI file under XDG_CONFIG_HOME here, the registry on Windows). The file
// holds the password's hash, so it and its folder are kept readable by their owner only.
class QSettingsProfileStore : public IProfileStore {
public:
    QSettingsProfileStore();
    ~QSettingsProfileStore() override;

    int GetProfileInt(const std::string& section, const std::string& entry, int def) override;
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& def) override;
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value) override;
    bool WriteProfileString(const std::string& section, const std::string& entry,
                            const std::string& value) override;
    bool HasProfileValue(const std::string& section, const std::string& entry) override;
    bool RemoveProfileValue(const std::string& section, const std::string& entry) override;
    bool Flush() override;

    // Path of the settings file.
    std::string FileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

inline constexpr const char* kSettingsOrganisation = "Tessaryn";
inline constexpr const char* kSettingsApplication = "VelmoraMFC";

}  // namespace velmora
