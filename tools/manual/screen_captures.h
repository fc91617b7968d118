#pragma once

#include <QImage>
#include <QMap>
#include <QString>
#include <filesystem>

namespace manual {

// Starts the real program offscreen on the given program folder (with a throw-away data folder),
// works through it as a teacher would, and grabs the main window in each module and every window
// the manual explains, by the name the manual's text uses ("captures/ecran-liste"). False, with a
// message on stderr, when the program did not reach a state the manual shows.
bool TakeCaptures(const std::filesystem::path& programFolder, QMap<QString, QImage>& captures);

}  // namespace manual
