#pragma once

#include <QString>
#include <string>

namespace velmora {

inline QString ToQString(const std::u16string& s) {
    return QString::fromStdU16String(s);
}
inline std::u16string ToU16(const QString& s) {
    return s.toStdU16String();
}

}  // namespace velmora
