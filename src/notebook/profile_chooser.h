#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/module.h"
#include "gfx/canvas.h"
#include "notebook/profiles.h"
#include "ports/text_painter.h"
#include "ports/window.h"

namespace notebook {

// What the screen "Qui travaille ?" is given: the children to show, how to say a name, and what
// a click on a child does.
struct ChooserContext {
  const ProfileBook& book;
  ports::Window& window;
  ports::TextPainter& textPainter;
  const std::int32_t& soundOn;
  std::function<void(const std::string& name)> sayName;
  std::function<void(std::size_t child)> choose;
};

// The screen a class starts on: one big button per child, with the child's picture. A child who
// cannot read yet hears each name as the mouse comes onto its button.
class ProfileChooser : public base::Module {
 public:
  static constexpr const char* kTitle = "Qui travaille ?";

  explicit ProfileChooser(ChooserContext context) : ctx_(std::move(context)) {}

  base::ModuleId Id() const override { return base::ModuleId::kQuiTravaille; }
  void Enter(base::ModuleId left, const std::function<void()>& layOutKeyboard) override;
  void Leave(base::ModuleId next) override;
  void SaveWork() override {}
  void MoveKeyboard() override {}
  void BuildKeys() override {}
  void ApplyKeyboardLook() override {}
  gfx::Rect OnLButtonDown(std::uint32_t flags, gfx::Point point, int hit) override;
  gfx::Rect OnMouseMove(std::uint32_t flags, gfx::Point point) override;
  void OnLButtonUp(std::uint32_t, gfx::Point) override {}
  void OnTimer(int) override {}
  void Tick() override {}
  // Nothing on this screen moves by itself.
  bool Moving() const override { return false; }
  void PreparePaint() override {}
  void PaintGrid(gfx::Canvas& canvas) const override;
  void PaintItems(gfx::Canvas&) const override {}
  void AddIcons(std::vector<base::IconShown>& icons) const override;

  // The children's buttons in a client area of that size, in the list's order.
  static std::vector<gfx::Rect> ButtonRects(gfx::Size client, std::size_t count);
  // The child whose button holds the point, -1 for none.
  int ChildAt(gfx::Point point) const;

 private:
  ChooserContext ctx_;
  // The button the mouse is on: its name was said when the mouse came onto it.
  int hovered_ = -1;
};

// A child's picture, drawn in the square: a shape in a colour, one per look.
void DrawLook(gfx::Canvas& canvas, const gfx::Rect& square, int look);
gfx::Colour LookColour(int look);

}  // namespace notebook
