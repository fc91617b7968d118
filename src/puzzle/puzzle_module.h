#pragma once

#include <cstdint>

#include "app/module.h"
#include "base/app_state.h"
#include "base/cell_table.h"
#include "gfx/image.h"
#include "puzzle/config_puzzle.h"

namespace puzzle {

// What the puzzle module works on; the view owns it.
struct PuzzleContext {
  const base::AppState& state;
  const base::CellTable& cells;
  // The picture the pieces are cut from.
  const gfx::Image* const& picture;
  const CConfigPuzzle& dialog;
};

// The picture puzzle: its pieces lie on the grid's cells and the child drags them home.
class PuzzleModule : public app::Module {
 public:
  explicit PuzzleModule(PuzzleContext context) : ctx_(context) {}

  app::ModuleId Id() const override { return app::ModuleId::kPuzzle; }
  // The pieces keep their places: the cell records hold them, not the keys.
  void MoveKeyboard() override {}
  void BuildKeys() override {}
  void ApplyKeyboardLook() override {}
  gfx::Rect OnLButtonDown(std::uint32_t, gfx::Point, int) override { return {}; }
  gfx::Rect OnMouseMove(std::uint32_t, gfx::Point) override { return {}; }
  void OnLButtonUp(std::uint32_t, gfx::Point) override {}
  void OnTimer(int) override {}
  void Tick() override {}
  void PreparePaint() override {}
  void PaintGrid(gfx::Canvas& canvas) const override;
  void PaintItems(gfx::Canvas& canvas) const override;
  void AddIcons(std::vector<app::IconShown>& icons) const override;
  void AddTips(std::vector<app::IconTip>& tips) const override;

  // 1 while the model picture is shown beside the puzzle.
  std::int32_t modelShown = 0;

 private:
  PuzzleContext ctx_;
};

}  // namespace puzzle
