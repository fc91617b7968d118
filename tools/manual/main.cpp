// manual <program folder> <manual folder> <PDF>
// Writes the user manual: the text of the manual folder, the pictures the build drew into the
// program folder, and captures of the program's own windows, taken offscreen on that folder.

#include <QApplication>
#include <QFont>
#include <QHashFunctions>
#include <QImageReader>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "art.h"
#include "manual_pdf.h"
#include "screen_captures.h"
#include "shell/qt_text.h"
#include "shell/scribix_app.h"

namespace {

// The offscreen platform says at every window shown that it cannot raise it; that says nothing
// about the program.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtDebugMsg || message.startsWith(QStringLiteral("This plugin does not support")))
    return;
  std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(QuietMessages);
  // Qt walks the fonts of a PDF in an order that depends on a seed drawn at start.
  QHashSeed::setDeterministicGlobalSeed();
  QApplication application(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: manual <program folder> <manual folder> <PDF>\n");
    return 2;
  }
  shell::CScribixApp::LoadFrenchTranslations(application);
  if (!resgen::FontsInstalled()) return 1;
  // The windows are captured in the sans-serif face the package brings, whatever the desktop of
  // the machine that builds.
  QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 10));

  // A program that waits for someone would stop the build: it is ended instead.
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] {
    std::fprintf(stderr, "manual: the program did not get through the captures in time\n");
    std::_Exit(1);
  });
  watchdog.start(120000);

  const QString program = QString::fromLocal8Bit(argv[1]);
  QMap<QString, QImage> captures;
  if (!manual::TakeCaptures(shell::PathFromQt(program), captures)) return 1;
  watchdog.stop();

  const auto pictures = [&](const QString& name) {
    if (const auto found = captures.constFind(name); found != captures.constEnd()) return *found;
    // The fireworks frames end in their number, not in an extension.
    QImageReader reader(program + QLatin1Char('/') + name);
    reader.setDecideFormatFromContent(true);
    return reader.read();
  };
  const bool ok = manual::WriteManual(QString::fromLocal8Bit(argv[2]),
                                      QString::fromLocal8Bit(argv[3]), pictures);
  return ok ? 0 : 1;
}
