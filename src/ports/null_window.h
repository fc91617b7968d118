#pragma once

#include "ports/window.h"

namespace ports {

// A window that is never shown; it keeps the size the program gives it.
class NullWindow : public Window {
 public:
  gfx::Size ClientSize() const override { return size_; }
  void Invalidate(const gfx::Rect&, bool) override {}
  void InvalidateAll(bool) override {}
  void ShowNow(const gfx::Rect&) override {}
  bool IsVisible() const override { return false; }
  bool IsMaximised() const override { return false; }
  void ResizeMainWindow(int width, int height) override { size_ = {width, height}; }
  gfx::Point ClientToScreen(gfx::Point client) const override { return client; }
  void ShowTip(gfx::Point, const std::string&) override {}
  void EndProgram() override {}

 private:
  gfx::Size size_{1200, 850};
};

}  // namespace ports
