#include "shell/view_widget.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "app/scribix_view.h"
#include "base/mouse_keys.h"
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
  // Its top-left stays where it is unless the window would then reach past the screen.
  if (const QScreen* display = frame->screen()) {
    const QRect area = display->availableGeometry();
    QRect outer = frame->frameGeometry();
    if (outer.right() > area.right()) outer.moveRight(area.right());
    if (outer.bottom() > area.bottom()) outer.moveBottom(area.bottom());
    if (outer.left() < area.left()) outer.moveLeft(area.left());
    if (outer.top() < area.top()) outer.moveTop(area.top());
    if (outer.topLeft() != frame->frameGeometry().topLeft()) frame->move(outer.topLeft());
  }
  frame->raise();
}

gfx::Size ScribixViewWidget::LargestClientSize() const {
  const QWidget* frame = window();
  const QScreen* display = frame->screen();
  if (display == nullptr) return {};
  // Less the frame's border and title; the view fills the rest of the main window.
  const QSize around =
      (frame->frameGeometry().size() - frame->geometry().size()).expandedTo(QSize(0, 0));
  const QSize room = display->availableGeometry().size() - around;
  return {room.width(), room.height()};
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

namespace {

// The mouse-key flags of a window message: buttons held and the shift and control keys.
unsigned MouseKeyFlags(const QMouseEvent* event) {
  unsigned flags = 0;
  const Qt::MouseButtons buttons = event->buttons();
  if (buttons & Qt::LeftButton) flags |= base::mouse::kLeftButton;
  if (buttons & Qt::RightButton) flags |= base::mouse::kRightButton;
  if (event->modifiers() & Qt::ShiftModifier) flags |= base::mouse::kShift;
  if (event->modifiers() & Qt::ControlModifier) flags |= base::mouse::kControl;
  if (buttons & Qt::MiddleButton) flags |= base::mouse::kMiddleButton;
  return flags;
}

gfx::Point PointOf(const QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  return {p.x(), p.y()};
}

}  // namespace

void ScribixViewWidget::mouseMoveEvent(QMouseEvent* event) {
  if (view_ != nullptr) view_->OnMouseMove(MouseKeyFlags(event), PointOf(event));
}

void ScribixViewWidget::mousePressEvent(QMouseEvent* event) {
  if (view_ != nullptr && event->button() == Qt::LeftButton) {
    view_->OnLButtonDown(MouseKeyFlags(event), PointOf(event));
  }
}

void ScribixViewWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (view_ != nullptr && event->button() == Qt::LeftButton) {
    view_->OnLButtonUp(MouseKeyFlags(event), PointOf(event));
  }
}

void ScribixViewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (view_ != nullptr && event->button() == Qt::LeftButton) {
    view_->OnLButtonDblClk(MouseKeyFlags(event), PointOf(event));
  }
}

void ScribixViewWidget::EndProgram() {
  QCoreApplication::exit(0);
}

}  // namespace shell
