#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

namespace shell {

// The tooltip that names an icon: pink, with a thin border, dragged by its body and hidden by a
// double click.
class CTipWnd : public QWidget {
  Q_OBJECT

 public:
  explicit CTipWnd(QWidget* owner);
  // Shows the text at a screen point: 18 pixels below it, with room around the text.
  void SetTip(QPoint screen, const QString& text);
  const QString& TipText() const { return tipText_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QString tipText_;
  QFont tipFont_;
  QRect textRect_;
  QPoint dragStart_;
};

}  // namespace shell
