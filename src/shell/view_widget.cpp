#include "shell/view_widget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "app/scribix_view.h"
#include "shell/qt_text.h"
#include "shell/tip_window.h"

namespace shell {

ScribixViewWidget::ScribixViewWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
}

ScribixViewWidget::~ScribixViewWidget() = default;

gfx::Size ScribixViewWidget::ClientSize() const {
  return {width(), height()};
}

void ScribixViewWidget::Invalidate(const gfx::Rect& area, bool /*erase*/) {
  // Every paint composes the whole area again, so erasing first changes nothing.
  update(QRect(area.left, area.top, area.Width(), area.Height()));
}

void ScribixViewWidget::InvalidateAll(bool /*erase*/) {
  update();
}

void ScribixViewWidget::ShowNow(const gfx::Rect& area) {
  showingOnly_ = true;
  repaint(QRect(area.left, area.top, area.Width(), area.Height()));
  showingOnly_ = false;
}

bool ScribixViewWidget::IsVisible() const {
  return isVisible();
}

bool ScribixViewWidget::IsMaximised() const {
  return window()->isMaximized();
}

void ScribixViewWidget::ResizeMainWindow(int width, int height) {
  QWidget* frame = window();
  frame->resize(width, height);
  frame->raise();
}

gfx::Point ScribixViewWidget::ClientToScreen(gfx::Point client) const {
  const QPoint p = mapToGlobal(QPoint(client.x, client.y));
  return {p.x(), p.y()};
}

void ScribixViewWidget::ShowTip(gfx::Point screen, const std::string& text) {
  if (!tip_) tip_ = new CTipWnd(this);
  if (text.empty()) {
    tip_->hide();
    return;
  }
  tip_->SetTip(QPoint(screen.x, screen.y), ToQt(text));
  tip_->show();
}

void ScribixViewWidget::paintEvent(QPaintEvent* event) {
  if (view_ == nullptr) return;
  const QRect box = event->rect();
  if (!showingOnly_)
    view_->OnDraw(gfx::Rect::FromSize(box.x(), box.y(), box.width(), box.height()));
  const gfx::Image& buffer = view_->BackBuffer();
  if (buffer.IsNull()) return;
  const QImage image(reinterpret_cast<const uchar*>(buffer.Data()), buffer.Width(), buffer.Height(),
                     buffer.Width() * 4, QImage::Format_RGB32);
  QPainter painter(this);
  painter.drawImage(box, image, box);
}

void ScribixViewWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (view_ != nullptr) view_->OnSize();
}

void ScribixViewWidget::mouseMoveEvent(QMouseEvent* event) {
  if (view_ == nullptr) return;
  const QPoint p = event->position().toPoint();
  view_->OnMouseMove(0, {p.x(), p.y()});
}

}  // namespace shell
