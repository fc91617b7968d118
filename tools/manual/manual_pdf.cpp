#include "manual_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <QUrlQuery>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

#include "art.h"

namespace manual {

namespace {

const QColor kTitleBlue(0x1A, 0x56, 0xDB);
const QColor kHeadingBlue(0x1E, 0x4E, 0x9C);
const QColor kText(0x22, 0x2B, 0x38);
const QColor kRule(0xB8, 0xC6, 0xDA);
constexpr int kResolution = 300;
constexpr double kMarginMm = 18;

// French puts a space before : ; ! ? and inside « »; a non-breaking one keeps the sign on the
// line of its word. Examples of files (between ``` lines) are left exactly as typed.
QString WithFrenchSpaces(const QString& text) {
  QStringList lines = text.split(QLatin1Char('\n'));
  bool example = false;
  for (QString& line : lines) {
    if (line.startsWith(QStringLiteral("```"))) {
      example = !example;
      continue;
    }
    if (example) continue;
    for (const char* sign : {" :", " ;", " !", " ?", " \u00BB"}) {
      QString spaced = QString::fromUtf8(sign);
      line.replace(spaced, QChar(0x00A0) + spaced.mid(1));
    }
    line.replace(QStringLiteral("\u00AB "), QStringLiteral("\u00AB\u00A0"));
  }
  return lines.join(QLatin1Char('\n'));
}

QString ReadManualText(const QString& folder) {
  QString text;
  const QDir dir(folder);
  for (const QString& name : dir.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name)) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    text += QString::fromUtf8(file.readAll()) + QStringLiteral("\n\n");
  }
  return WithFrenchSpaces(text);
}

// Pictures are named in the text by their place in the program folder (or, for the captures of
// the program's windows, "captures/" and a name), with an optional width in pixels of a 96 dpi
// screen, on which the page is 650 pixels wide: ![Le clavier](resb/Arial.bmp?largeur=300).
bool AddPictures(QTextDocument& doc, const QString& text, const PictureSource& pictures) {
  static const QRegularExpression link(QStringLiteral(R"(!\[[^\]]*\]\(([^)\s]+)\))"));
  bool ok = true;
  for (auto it = link.globalMatch(text); it.hasNext();) {
    const QString target = it.next().captured(1);
    const QUrl url(target);
    const QImage image = pictures(url.path());
    if (image.isNull()) {
      std::fprintf(stderr, "manual: the manual shows %s, which is not there\n", qPrintable(target));
      ok = false;
      continue;
    }
    doc.addResource(QTextDocument::ImageResource, url, image);
  }
  return ok;
}

// A picture keeps all its pixels in the file and is only drawn at the width asked: a capture of
// the screen stays sharp when the reader zooms in.
void SizePictures(QTextDocument& doc) {
  struct Sized {
    int position;
    int length;
    QTextImageFormat format;
  };
  std::vector<Sized> sized;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.charFormat().isImageFormat()) continue;
      QTextImageFormat format = fragment.charFormat().toImageFormat();
      const QUrl url(format.name());
      const int width = QUrlQuery(url).queryItemValue(QStringLiteral("largeur")).toInt();
      const QImage image = doc.resource(QTextDocument::ImageResource, url).value<QImage>();
      if (width <= 0 || image.isNull()) continue;
      format.setWidth(width);
      format.setHeight(static_cast<double>(width) * image.height() / image.width());
      sized.push_back({fragment.position(), fragment.length(), format});
    }
  }
  QTextCursor cursor(&doc);
  for (const Sized& picture : sized) {
    cursor.setPosition(picture.position);
    cursor.setPosition(picture.position + picture.length, QTextCursor::KeepAnchor);
    cursor.setCharFormat(picture.format);
  }
}

// Qt's PDF writer gives a ligature glyph no text: with Andika's fi, ff and fl ligatures, "fichiers"
// would be found and copied as "chiers". The letters are set one by one instead (kerning stays).
QFont BodyFont(double points, bool bold) {
  QFont font(resgen::LetterFamily());
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

QFont CodeFont() {
  QFont font(QString::fromLatin1(resgen::kCodeFamily));
  font.setStyleHint(QFont::Monospace);
  font.setPointSizeF(10);
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

// Headings in colour, a new page for every chapter, airy paragraphs and framed tables.
void Style(QTextDocument& doc) {
  QTextCursor cursor(&doc);
  int chapters = 0;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    QTextBlockFormat format = block.blockFormat();
    const int level = format.headingLevel();
    if (level == 1) ++chapters;
    // Everything before the first chapter is the cover, centred, with a large title.
    const bool cover = chapters <= 1;
    QTextCharFormat chars;
    if (cover) format.setAlignment(Qt::AlignHCenter);
    if (level > 0) {
      static constexpr double kSizes[2][4] = {{0, 24, 15, 12.5}, {0, 44, 22, 16}};
      chars.setFont(BodyFont(kSizes[cover ? 1 : 0][std::min(level, 3)], true));
      chars.setForeground(level == 1 ? kTitleBlue : kHeadingBlue);
      format.setTopMargin(cover && level == 1 ? 60 : level == 1 ? 0 : 14);
      format.setBottomMargin(level == 1 ? 14 : 6);
      if (level == 1 && chapters > 1)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    } else if (format.nonBreakableLines()) {
      // Examples of files, set in a typewriter face on a tinted ground.
      chars.setFont(CodeFont());
      format.setBackground(QColor(0xF1, 0xF4, 0xF9));
      format.setLeftMargin(12);
      format.setTopMargin(0);
      format.setBottomMargin(0);
    } else if (!block.text().contains(QChar::ObjectReplacementCharacter)) {
      // Airy lines for reading; a line holding a picture keeps the picture's height.
      format.setLineHeight(125, QTextBlockFormat::ProportionalHeight);
      if (format.bottomMargin() < 6) format.setBottomMargin(6);
      if (cover) {
        chars.setFont(BodyFont(13, false));
        format.setBottomMargin(16);
      }
    }
    cursor.setPosition(block.position());
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    cursor.setBlockFormat(format);
    if (level > 0 || format.nonBreakableLines() || cover) cursor.mergeCharFormat(chars);
  }
  for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (!table) continue;
    QTextTableFormat format = table->format();
    format.setBorder(0.6);
    format.setBorderBrush(kRule);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellPadding(5);
    format.setCellSpacing(0);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setTopMargin(4);
    format.setBottomMargin(10);
    table->setFormat(format);
    // The heading row on a tinted ground.
    for (int column = 0; column < table->columns(); ++column) {
      QTextTableCell cell = table->cellAt(0, column);
      QTextCharFormat cellFormat = cell.format();
      cellFormat.setBackground(QColor(0xE6, 0xEE, 0xFA));
      cell.setFormat(cellFormat);
    }
  }
}

void DrawFooter(QPainter& p, const QRectF& page, int number, double pointToDevice) {
  const double y = page.bottom() + 6 * pointToDevice;
  p.setPen(QPen(kRule, 0.8 * pointToDevice));
  p.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
  QFont font = BodyFont(9, false);
  p.setFont(font);
  p.setPen(QColor(0x5A, 0x67, 0x7A));
  const QRectF band(page.left(), y + 3 * pointToDevice, page.width(), 14 * pointToDevice);
  p.drawText(band, Qt::AlignLeft | Qt::AlignTop,
             QStringLiteral("Scribix – Manuel de l'utilisateur"));
  p.drawText(band, Qt::AlignRight | Qt::AlignTop, QString::number(number));
}

// QPdfWriter stamps every file with the time of writing and a random identifier. The manual is
// the same at every build, so both are overwritten with fixed values of the same length (the
// file's cross-reference offsets stay right).
QByteArray WithoutStamps(QByteArray pdf) {
  const QString latin = QString::fromLatin1(pdf);
  const auto overwrite = [&](const QString& pattern, const char* with) {
    const std::size_t length = std::strlen(with);
    for (auto it = QRegularExpression(pattern).globalMatch(latin); it.hasNext();) {
      const QRegularExpressionMatch m = it.next();
      for (int group = 1; group <= m.lastCapturedIndex(); ++group) {
        std::size_t k = 0;
        for (qsizetype i = m.capturedStart(group); i < m.capturedEnd(group); ++i) {
          if (std::isxdigit(static_cast<unsigned char>(pdf.at(i)))) {
            pdf[i] = k < length ? with[k] : '0';
            ++k;
          }
        }
      }
    }
  };
  const char* date = "20250101000000";
  overwrite(QStringLiteral(R"(/(?:CreationDate|ModDate) ?\(D:([^)]*)\))"), date);
  overwrite(QStringLiteral(R"(<xmp:(?:CreateDate|ModifyDate|MetadataDate)>([^<]*)<)"), date);
  overwrite(QStringLiteral(R"(/ID ?\[ ?<([0-9a-fA-F]*)> ?<([0-9a-fA-F]*)>)"), "");
  overwrite(QStringLiteral(R"(uuid:([0-9a-fA-F-]+))"), "");
  return pdf;
}

}  // namespace

bool WriteManual(const QString& manualFolder, const QString& pdfPath,
                 const PictureSource& pictures) {
  const QString text = ReadManualText(manualFolder);
  if (text.trimmed().isEmpty()) {
    std::fprintf(stderr, "manual: no manual text in %s\n", qPrintable(manualFolder));
    return false;
  }

  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm + 6),
                          QPageLayout::Millimeter);
    writer.setTitle(QStringLiteral("Scribix – Manuel de l'utilisateur"));
    writer.setCreator(QStringLiteral("Scribix"));

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDefaultFont(BodyFont(11, false));
    doc.setMarkdown(text, QTextDocument::MarkdownDialectGitHub);
    // After the text: setting a text clears the document's pictures.
    bool ok = AddPictures(doc, text, pictures);
    SizePictures(doc);
    Style(doc);

    const QRectF body = writer.pageLayout().paintRectPixels(kResolution);
    doc.setPageSize(body.size());
    doc.setDocumentMargin(0);

    QPainter p(&writer);
    const double pointToDevice = kResolution / 72.0;
    const int pages = doc.pageCount();
    for (int page = 0; page < pages; ++page) {
      if (page > 0) writer.newPage();
      p.save();
      const QRectF view(0, page * body.height(), body.width(), body.height());
      p.translate(0, -view.top());
      QAbstractTextDocumentLayout::PaintContext context;
      // A picture pushed to the next page starts exactly on this page's lower edge: keep it out.
      const QRectF clip = view.adjusted(0, 0, 0, -2);
      context.clip = clip;
      context.palette.setColor(QPalette::Text, kText);
      p.setClipRect(clip);
      doc.documentLayout()->draw(&p, context);
      p.restore();
      if (page > 0)
        DrawFooter(p, QRectF(0, 0, body.width(), body.height()), page + 1, pointToDevice);
    }
    p.end();
    if (!ok) return false;
  }
  return resgen::SaveBytes(WithoutStamps(pdf), pdfPath);
}

}  // namespace manual
