#include "app/qsettingsprofile.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "platform/datapaths.h"
#include "platform/profile.h"

namespace velmora {

namespace {
QString Key(const std::string& section, const std::string& entry) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(entry);
}
}  // namespace

QSettingsProfileStore::QSettingsProfileStore() {
    // Read XDG_CONFIG_HOME now, not when Qt first looked (tests move it between runs).
    const QString folder =
        QString::fromStdString(DataPaths::ConfigHome()) + "/" + kSettingsOrganisation;
    m_settings = std::make_unique<QSettings>(folder + "/" + kSettingsApplication + ".conf",
                                             QSettings::IniFormat);
}

QSettingsProfileStore::~QSettingsProfileStore() = default;

int QSettingsProfileStore::GetProfileInt(const std::string& section, const std::string& entry,
                                         int def) {
    const QVariant v = m_settings->value(Key(section, entry));
    if (!v.isValid()) {
        return def;
    }
    return ParseProfileInt(v.toString().toStdString()).value_or(def);
}

std::string QSettingsProfileStore::GetProfileString(const std::string& section,
                                                    const std::string& entry,
                                                    const std::string& def) {
    const QVariant v = m_settings->value(Key(section, entry));
    return v.isValid() ? v.toString().toStdString() : def;
}

bool QSettingsProfileStore::WriteProfileInt(const std::string& section, const std::string& entry,
                                            int value) {
    m_settings->setValue(Key(section, entry), value);
    return true;
}

bool QSettingsProfileStore::WriteProfileString(const std::string& section, const std::string& entry,
                                               const std::string& value) {
    m_settings->setValue(Key(section, entry), QString::fromStdString(value));
    return true;
}

bool QSettingsProfileStore::HasProfileValue(const std::string& section, const std::string& entry) {
    return m_settings->contains(Key(section, entry));
}

bool QSettingsProfileStore::RemoveProfileValue(const std::string& section,
                                               const std::string& entry) {
    m_settings->remove(Key(section, entry));
    return true;
}

bool QSettingsProfileStore::Flush() {
    const std::string dir = QFileInfo(m_settings->fileName()).absolutePath().toStdString();
    DataPaths::EnsurePrivateDir(dir);
    m_settings->sync();
    const QString file = m_settings->fileName();
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    return m_settings->status() == QSettings::NoError;
}

std::string QSettingsProfileStore::FileName() const {
    return m_settings->fileName().toStdString();
}

}  // namespace velmora
