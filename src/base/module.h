#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "base/icon_ids.h"
#include "gfx/canvas.h"
#include "gfx/geometry.h"

namespace base {

// The four exercise screens, and the screen where a child of the class finds their own name;
// exactly one is active.
enum class ModuleId { kFrancais, kListe, kMathematique, kPuzzle, kQuiTravaille };

// An icon a module shows, with the picture it shows it with.
struct IconShown {
  icons::IconId icon;
  icons::IconPicture picture;
};

// The tooltip of an icon (Windows-1252).
struct IconTip {
  icons::IconId icon;
  const char* text;
};

// One exercise screen. The module switch enters and leaves it; the view hands it what it receives
// after the icons had their turn, asks it to lay out its keyboard, and paints through it.
class Module {
 public:
  virtual ~Module() = default;
  virtual ModuleId Id() const = 0;

  // The module takes the screen after `left`: it lays out its keyboard or its pieces and loads
  // its work. `layOutKeyboard` places the grid at the settings' size and makes this module's keys.
  virtual void Enter(ModuleId left, const std::function<void()>& layOutKeyboard) = 0;
  // The module gives the screen to `next`.
  virtual void Leave(ModuleId next) = 0;
  // What the child did here, kept in the module's own file.
  virtual void SaveWork() = 0;

  // The keys at the keyboard's origin, once the view has placed the grid.
  virtual void MoveKeyboard() = 0;
  // The keys made anew for this module's keyboard.
  virtual void BuildKeys() = 0;
  // A new keyboard look: the keys' labels and picture, then the module's text again.
  virtual void ApplyKeyboardLook() = 0;

  // The mouse, after the icons had their turn: a press on record `hit` (the record under the
  // point, -1 for none), a move and a release. Each gives the area to repaint.
  virtual gfx::Rect OnLButtonDown(std::uint32_t flags, gfx::Point point, int hit) = 0;
  virtual gfx::Rect OnMouseMove(std::uint32_t flags, gfx::Point point) = 0;
  virtual void OnLButtonUp(std::uint32_t flags, gfx::Point point) = 0;
  // The module's own timers.
  virtual void OnTimer(int id) = 0;
  // The step every timer message takes: what moves by itself moves on.
  virtual void Tick() = 0;
  // Whether that step has work left: something on its way, or a clearing to finish. While
  // nothing moves the view lets its animation timer rest.
  virtual bool Moving() const = 0;

  // The steps the program takes before a paint; the paint itself only draws.
  virtual void PreparePaint() = 0;
  virtual void PaintGrid(gfx::Canvas& canvas) const = 0;
  // The keyboard, the tiles or the pieces.
  virtual void PaintItems(gfx::Canvas& canvas) const = 0;

  // The module's icons after the ones every module shows, in drawing order.
  virtual void AddIcons(std::vector<IconShown>& icons) const = 0;
};

}  // namespace base
