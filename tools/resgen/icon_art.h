#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace resgen {

struct NamedPicture {
  QString name;
  QImage image;
};

inline constexpr int kIconSide = 72;

// The pictures of the icon bar, 72 × 72, one per file of the program's icon picture table, named
// as the program loads it.
std::vector<NamedPicture> DrawIcons();

}  // namespace resgen
