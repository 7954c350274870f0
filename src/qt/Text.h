#pragma once
// Conversions between the core's UTF-8 strings and Qt's strings; the only
// place where the two meet.

#include <string>

#include <QString>

namespace qtview {

inline QString toQ(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string fromQ(const QString& s) {
    return s.toStdString();
}

} // namespace qtview
