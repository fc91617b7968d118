// resgen <program folder>
// Draws the keyboard, keypad and icon pictures, the fireworks frames and the default puzzle
// picture and synthesises the sound effects into the program folder, under the names of the
// program's own tables. Every run writes the same bytes; without the fonts
// it draws with, it writes nothing.

#include <QGuiApplication>
#include <QHashFunctions>
#include <cstdio>

#include "art.h"
#include "effects/fireworks_names.h"
#include "fireworks_art.h"
#include "icon_art.h"
#include "keyboard/picture_names.h"
#include "keyboard_art.h"
#include "puzzle/default_picture.h"
#include "puzzle_art.h"
#include "sound_synth.h"
#include "text/cp1252.h"

int main(int argc, char** argv) {
  // Qt walks some of its hash tables (the fonts of a PDF, for one) in an order that depends on a
  // seed drawn at start: a fixed seed keeps every file the same from one run to the next.
  QHashSeed::setDeterministicGlobalSeed();
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: resgen <program folder>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString resb = folder + QStringLiteral("/resb/");
  const QString sons = folder + QStringLiteral("/sons/");
  const QString puzzleFolder = QString::fromLatin1(puzzle::kPictureFolder);
  const QString puzzles = folder + QLatin1Char('/') + puzzleFolder + QLatin1Char('/');
  // Before anything is written, so that a folder drawn with the wrong letters never looks done.
  if (!resgen::FontsInstalled()) return 1;
  bool ok = resgen::MakeFolder(resb) && resgen::MakeFolder(sons) && resgen::MakeFolder(puzzles);
  if (!ok) return 1;

  for (int scheme = 0; scheme < keyboard::kSchemeCount; ++scheme) {
    for (int page = 0; page < keyboard::kLetterPageCount; ++page) {
      const QString name = QString::fromLatin1(keyboard::LetterPictureName(scheme, page));
      const QImage image = resgen::DrawLetterKeyboard(scheme, page);
      ok &= resgen::SavePicture(image, resb + name, "BMP");
    }
  }
  for (int scheme : {0, 2}) {
    const QString name = QString::fromLatin1(keyboard::KeypadPictureName(scheme));
    const QImage image = resgen::DrawKeypad(scheme);
    ok &= resgen::SavePicture(image, resb + name, "BMP");
  }
  for (const resgen::NamedPicture& icon : resgen::DrawIcons()) {
    ok &= resgen::SavePicture(icon.image, resb + icon.name, "BMP");
  }
  const std::vector<QImage> frames = resgen::DrawFireworks();
  for (int i = 0; i < static_cast<int>(frames.size()); ++i) {
    const QString name = QString::fromLatin1(effects::FireworksFrameFile(i));
    ok &= resgen::SavePicture(frames[static_cast<std::size_t>(i)], resb + name, "BMP");
  }
  const QImage puzzle = resgen::DrawPuzzlePicture();
  const QString puzzleName = QString::fromLatin1(puzzle::kDefaultPictureFile);
  ok &= resgen::SavePicture(puzzle, puzzles + puzzleName, "JPG", 92);

  for (const resgen::Sound& sound : resgen::SynthesiseSounds()) {
    // The program names its files in Windows-1252, Qt in Unicode.
    const QString name = QString::fromStdString(text::ToUtf8(sound.name));
    ok &= resgen::SaveBytes(sound.wav, sons + name);
  }
  return ok ? 0 : 1;
}
