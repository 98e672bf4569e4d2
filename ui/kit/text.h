#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

namespace velmora {

inline QString ToQString(const std::u16string& s) {
    return QString::fromStdU16String(s);
}
inline std::u16string ToU16(const QString& s) {
    return s.toStdU16String();
}

// A name of a list item, month or weekday, marked with QT_TRANSLATE_NOOP("Names", ...) where
// it is defined, in the user's language.
inline QString TrName(const char* source) {
    return QCoreApplication::translate("Names", source);
}

}  // namespace velmora
