#pragma once

#include <QImage>
#include <QString>
#include <functional>

namespace manual {

// The picture a name of the manual's text stands for ("resb/abc.bmp", "captures/ecran-liste"); a
// null image when there is none.
using PictureSource = std::function<QImage(const QString& name)>;

// Typesets the manual (Markdown files of the manual folder, in name order) into a PDF.
bool WriteManual(const QString& manualFolder, const QString& pdfPath,
                 const PictureSource& pictures);

}  // namespace manual
