#pragma once

#include <string>

#include "gfx/geometry.h"

namespace ports {

// The main view's window and the frame around it.
class Window {
 public:
  virtual ~Window() = default;

  virtual gfx::Size ClientSize() const = 0;
  // Ask for a repaint of part of the view; painting happens later, through the view's OnDraw.
  virtual void Invalidate(const gfx::Rect& area, bool erase) = 0;
  virtual void InvalidateAll(bool erase) = 0;
  // Put a rectangle of the back buffer on the screen now, without composing it again (effects,
  // the press of an icon).
  virtual void ShowNow(const gfx::Rect& area) = 0;
  virtual bool IsVisible() const = 0;
  virtual bool IsMaximised() const = 0;
  // The main window: its top-left corner stays where it is and it is raised to the top.
  virtual void ResizeMainWindow(int width, int height) = 0;
  // The largest view the main window can show on its screen (the screen's available area less
  // the window's frame); empty when it is not known.
  virtual gfx::Size LargestClientSize() const { return {}; }
  virtual gfx::Point ClientToScreen(gfx::Point client) const = 0;
  // The tooltip window: shown with its text at a screen point, hidden when the text is empty.
  virtual void ShowTip(gfx::Point screen, const std::string& text) = 0;
  // The program ends at once (the quit icon, answered Yes).
  virtual void EndProgram() = 0;
};

}  // namespace ports
