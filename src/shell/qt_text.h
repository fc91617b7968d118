#pragma once

#include <QString>
#include <filesystem>
#include <string>

#include "text/cp1252.h"

namespace shell {

// Program text (Windows-1252) to and from Qt's strings.
inline QString ToQt(const std::string& cp1252) {
  return QString::fromUtf8(text::ToUtf8(cp1252).c_str());
}
inline std::string FromQt(const QString& s) {
  return text::FromUtf8(s.toUtf8().toStdString());
}

inline QString PathToQt(const std::filesystem::path& p) {
  const std::u8string u8 = p.u8string();
  return QString::fromUtf8(reinterpret_cast<const char*>(u8.data()),
                           static_cast<qsizetype>(u8.size()));
}
inline std::filesystem::path PathFromQt(const QString& s) {
  const QByteArray utf8 = s.toUtf8();
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace shell
