#include "shell/qt_ports.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QImage>
#include <QImageReader>
#include <QMessageBox>
#include <QPainter>
#include <QUrl>

#include "shell/qt_text.h"

namespace shell {

void QtTimers::Start(int id, int periodMs) {
  auto& timer = timers_[id];
  if (!timer) {
    timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [this, id] { handler_(id); });
  }
  timer->start(periodMs);
}

void QtTimers::Kill(int id) {
  // Stopped, not deleted: a timer may be killed from inside its own tick.
  if (auto it = timers_.find(id); it != timers_.end()) it->second->stop();
}

bool QtTimers::IsRunning(int id) const {
  const auto it = timers_.find(id);
  return it != timers_.end() && it->second->isActive();
}

int QtTimers::Interval(int id) const {
  const auto it = timers_.find(id);
  return it == timers_.end() ? -1 : it->second->interval();
}

ports::MessageAnswer QtUserDialogs::MessageBox(const std::string& text, const std::string& caption,
                                               ports::MessageButtons buttons,
                                               ports::MessageIcon icon) {
  QMessageBox box(parent_);
  box.setWindowTitle(ToQt(caption));
  box.setText(ToQt(text));
  switch (icon) {
    case ports::MessageIcon::kInformation:
      box.setIcon(QMessageBox::Information);
      break;
    case ports::MessageIcon::kWarning:
      box.setIcon(QMessageBox::Warning);
      break;
    case ports::MessageIcon::kError:
      box.setIcon(QMessageBox::Critical);
      break;
    case ports::MessageIcon::kNone:
      break;
  }
  if (buttons == ports::MessageButtons::kYesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? ports::MessageAnswer::kYes : ports::MessageAnswer::kNo;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return ports::MessageAnswer::kOk;
}

QString QtUserDialogs::QtFilter(const std::string& filter) {
  const QStringList parts = ToQt(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i].trimmed();
    const QString pattern = parts[i + 1].trimmed();
    if (name.isEmpty() && pattern.isEmpty()) break;
    // The name may already show its pattern in brackets: Qt adds its own.
    if (const auto open = name.lastIndexOf('('); open > 0 && name.endsWith(')')) {
      name = name.left(open).trimmed();
    }
    filters << QStringLiteral("%1 (%2)").arg(name, QString(pattern).replace(';', ' '));
  }
  return filters.join(QStringLiteral(";;"));
}

std::optional<std::filesystem::path> QtUserDialogs::OpenFile(
    const std::string& filter, const std::filesystem::path& initialFolder,
    const std::string& proposedName) {
  const QString start = PathToQt(initialFolder / text::PathFromText(proposedName));
  const QString chosen = QFileDialog::getOpenFileName(parent_, QString(), start, QtFilter(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return PathFromQt(chosen);
}

std::optional<std::filesystem::path> QtUserDialogs::SaveFile(
    const std::string& filter, const std::filesystem::path& initialFolder,
    const std::string& proposedName) {
  const QString start = PathToQt(initialFolder / text::PathFromText(proposedName));
  const QString chosen = QFileDialog::getSaveFileName(parent_, QString(), start, QtFilter(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return PathFromQt(chosen);
}

std::optional<gfx::Colour> QtUserDialogs::ChooseColour(gfx::Colour initial) {
  const QColor chosen = QColorDialog::getColor(
      QColor(gfx::Red(initial), gfx::Green(initial), gfx::Blue(initial)), parent_);
  if (!chosen.isValid()) return std::nullopt;
  return gfx::Rgb(chosen.red(), chosen.green(), chosen.blue());
}

void QtDesktop::Open(const std::filesystem::path& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQt(path)));
}

namespace {

class QtPicture : public ports::Picture {
 public:
  explicit QtPicture(QImage image) : image_(std::move(image)) {}
  gfx::Size PixelSize() const override { return {image_.width(), image_.height()}; }
  bool IsTransparent() const override { return image_.hasAlphaChannel(); }
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
};

}  // namespace

std::unique_ptr<ports::Picture> QtPictures::Load(const std::filesystem::path& path) {
  QImageReader reader(PathToQt(path));
  reader.setAutoTransform(true);
  QImage image = reader.read();
  if (image.isNull()) return nullptr;
  return std::make_unique<QtPicture>(std::move(image));
}

gfx::Image QtPictures::Render(const ports::Picture& picture, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  const auto& source = static_cast<const QtPicture&>(picture).Image();
  QImage scaled =
      source.size() == QSize(width, height)
          ? source
          : source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (scaled.hasAlphaChannel()) {
    // Transparent parts of a picture show white.
    QImage flat(scaled.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, scaled);
    painter.end();
    scaled = std::move(flat);
  } else if (scaled.format() != QImage::Format_RGB32) {
    scaled = scaled.convertToFormat(QImage::Format_RGB32);
  }
  gfx::Image out(width, height);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
    gfx::Colour* dest = out.Row(y);
    for (int x = 0; x < width; ++x) dest[x] = row[x] & 0x00FFFFFFu;
  }
  return out;
}

void QtSoundPlayer::Play(const std::filesystem::path& waveFile) {
  std::error_code ec;
  if (!std::filesystem::exists(waveFile, ec)) return;
  if (!effect_) effect_ = std::make_unique<QSoundEffect>();
  effect_->stop();
  effect_->setSource(QUrl::fromLocalFile(PathToQt(waveFile)));
  effect_->play();
}

void QtTextPainter::DrawText(gfx::Image& target, const gfx::Rect& clip, gfx::Point origin,
                             const std::string& text, int pointSize, gfx::Colour colour) {
  if (target.IsNull()) return;
  QImage image(reinterpret_cast<uchar*>(target.Data()), target.Width(), target.Height(),
               target.Width() * 4, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setClipRect(QRect(clip.left, clip.top, clip.Width(), clip.Height()));
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(pointSize);
  painter.setFont(font);
  painter.setPen(QColor(gfx::Red(colour), gfx::Green(colour), gfx::Blue(colour)));
  painter.drawText(QPoint(origin.x, origin.y + painter.fontMetrics().ascent()), ToQt(text));
}

}  // namespace shell
