#pragma once

#include <QImage>
#include <QMap>
#include <QString>

namespace resgen {

// Typesets the manual (Markdown files of the manual folder, in name order) into a PDF. Pictures
// named in the text are taken from `pictures` (for instance "resb/abc.bmp").
bool WriteManual(const QString& manualFolder, const QString& pdfPath,
                 const QMap<QString, QImage>& pictures);

}  // namespace resgen
