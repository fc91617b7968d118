#include "art.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>

namespace resgen {

QString LetterFamily() {
  return QString::fromLatin1(kLetterFamily);
}

bool FontsInstalled() {
  struct Needed {
    const char* family;
    const char* package;
    bool bold;  // drawn in bold as well
  };
  static constexpr Needed kNeeded[] = {{kLetterFamily, "fonts-sil-andika", true},
                                       {kCodeFamily, "fonts-liberation2", false}};
  const QStringList families = QFontDatabase::families();
  bool ok = true;
  for (const Needed& font : kNeeded) {
    const QString family = QString::fromLatin1(font.family);
    if (!families.contains(family)) {
      std::fprintf(stderr, "resgen: the font %s is not installed; install the Debian package %s\n",
                   font.family, font.package);
      ok = false;
      continue;
    }
    const QStringList styles = QFontDatabase::styles(family);
    const auto isBold = [&family](const QString& style) {
      return QFontDatabase::weight(family, style) >= QFont::Bold;
    };
    if (font.bold && std::none_of(styles.begin(), styles.end(), isBold)) {
      std::fprintf(stderr, "resgen: the font %s has no bold face; install the Debian package %s\n",
                   font.family, font.package);
      ok = false;
    }
  }
  return ok;
}

QFont LetterFont(int pixelSize, bool bold) {
  QFont font(LetterFamily());
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

std::uint64_t Random::Next() {
  // splitmix64
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Random::Unit() {
  return static_cast<double>(Next() >> 11) / 9007199254740992.0;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  const auto lerp = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()));
}

bool SaveBytes(const QByteArray& bytes, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    std::fprintf(stderr, "resgen: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool SavePicture(const QImage& image, const QString& path, const char* format, int quality) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || !image.save(&file, format, quality) || !file.commit()) {
    std::fprintf(stderr, "resgen: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool MakeFolder(const QString& path) {
  if (QDir().mkpath(path)) return true;
  std::fprintf(stderr, "resgen: cannot make the folder %s\n", qPrintable(path));
  return false;
}

}  // namespace resgen
