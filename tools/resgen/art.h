#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>

// Shared tools of the generator: fonts, a repeatable random generator and file output.
namespace resgen {

// The letters of the program: Andika (single-storey a and g, b/d/p/q that are not mirror images).
inline constexpr const char* kLetterFamily = "Andika";
// The examples of files in the manual.
inline constexpr const char* kCodeFamily = "Liberation Mono";

QString LetterFamily();
QFont LetterFont(int pixelSize, bool bold);

// True when every font the pictures and the manual are drawn with is installed. Otherwise says on
// stderr which font is missing and which Debian package brings it: another font in its place
// would draw other pictures, so there is no fallback.
bool FontsInstalled();

// The same numbers at every run, on every platform (std:: distributions differ between libraries).
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  // In [0, 1).
  double Unit();
  // In [low, high).
  double Between(double low, double high) { return low + (high - low) * Unit(); }
  int Below(int n) { return static_cast<int>(Unit() * n); }

 private:
  std::uint64_t state_;
};

QColor Mix(const QColor& a, const QColor& b, double t);

// Writes a picture; false (with a message on stderr) when it cannot be written.
bool SavePicture(const QImage& image, const QString& path, const char* format, int quality = -1);
bool SaveBytes(const QByteArray& bytes, const QString& path);
bool MakeFolder(const QString& path);

}  // namespace resgen
