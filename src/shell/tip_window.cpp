#include "shell/tip_window.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace shell {

CTipWnd::CTipWnd(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  // Arial, or its metric twin Liberation Sans, 10 points.
  tipFont_ = QFont(QStringLiteral("Arial"));
  tipFont_.setPointSize(10);
  tipFont_.setWeight(QFont::Normal);
  resize(100, 100);
}

void CTipWnd::SetTip(QPoint screen, const QString& text) {
  tipText_ = QStringLiteral(" %1 ").arg(text);
  const QFontMetrics metrics(tipFont_);
  const QRect bounds = metrics.boundingRect(QRect(), Qt::TextExpandTabs, tipText_);
  const int w = bounds.width();
  const int h = bounds.height();
  // Below the mouse, kept on the screen: near its right edge the tip shifts left, near its
  // bottom it goes above the mouse.
  QRect place(screen.x(), screen.y() + 18, w + 30, h + 20);
  const QScreen* display = QGuiApplication::screenAt(screen);
  if (display == nullptr) display = this->screen();
  if (display != nullptr) {
    const QRect area = display->availableGeometry();
    if (place.right() > area.right()) place.moveRight(area.right());
    if (place.bottom() > area.bottom()) place.moveBottom(screen.y() - 4);
    if (place.left() < area.left()) place.moveLeft(area.left());
    if (place.top() < area.top()) place.moveTop(area.top());
  }
  setGeometry(place);
  textRect_ = QRect(10, 10, w, h);
  update();
}

void CTipWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(255, 204, 255));
  painter.setPen(QColor(0, 0, 0));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setFont(tipFont_);
  painter.drawText(textRect_, Qt::TextExpandTabs, tipText_);
}

void CTipWnd::mousePressEvent(QMouseEvent* event) {
  dragStart_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CTipWnd::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - dragStart_);
}

void CTipWnd::mouseDoubleClickEvent(QMouseEvent*) {
  hide();
}

}  // namespace shell
