#pragma once

#include <cstdint>

#include "app/module.h"
#include "base/app_state.h"
#include "base/cell_table.h"
#include "exercises/edit_dialog.h"
#include "exercises/open_list_dialog.h"
#include "keyboard/key_drawing.h"
#include "keyboard/keyboard_layout.h"
#include "keyboard/keyboard_pictures.h"
#include "keyboard/tile_selection.h"
#include "keyboard/writing_grid.h"

namespace exercises {

// What the writing modules work on; the view owns all of it.
struct WritingContext {
  base::AppState& state;
  base::CellTable& cells;
  keyboard::KeyboardState& keys;
  keyboard::KeyboardPictures& pictures;
  keyboard::WritingGrid& grid;
  keyboard::TileSelection& selection;
  CCEdit& editor;
  const COpenList2& listDialog;
  const app::HeldRecord& held;
  const std::int32_t& autoPlace;  // the settings' "Placement automatique sur clic"
};

// The screens where the child writes with the keyboard's tiles: Français, Liste and
// Mathématique. They differ in the keyboard (letters or keypad), the cells shown and the icons.
class WritingModule : public app::Module {
 public:
  void MoveKeyboard() override;
  void BuildKeys() override;
  void ApplyKeyboardLook() override;
  void PreparePaint() override;
  void PaintGrid(gfx::Canvas& canvas) const override;
  void PaintItems(gfx::Canvas& canvas) const override;
  void AddIcons(std::vector<app::IconShown>& icons) const override;
  void AddTips(std::vector<app::IconTip>& tips) const override;

  // The labels of a page of the letter keyboard and its picture.
  void SetKeyLabels(bool shift, bool signs);
  // The keypad's labels and picture.
  void SetKeypadLabels();

 protected:
  explicit WritingModule(WritingContext context) : ctx_(context) {}

  virtual bool UsesKeypad() const { return false; }
  // The dictation shows its answer cells and its own icons.
  virtual bool IsDictation() const { return false; }
  // The file of the text the module keeps between runs.
  virtual const std::filesystem::path& TextFile() const { return ctx_.state.frenchTextPath; }

  keyboard::KeyGeometry Geometry() const;
  keyboard::ItemScene Scene() const;
  void TakeCounts(const keyboard::KeyCounts& counts);
  // The labels and picture of the keyboard this module shows, at its current page.
  void ApplyLabels(bool shift, bool signs);

  WritingContext ctx_;
};

class FrenchModule : public WritingModule {
 public:
  explicit FrenchModule(WritingContext context) : WritingModule(context) {}
  app::ModuleId Id() const override { return app::ModuleId::kFrancais; }
};

class ListModule : public WritingModule {
 public:
  explicit ListModule(WritingContext context) : WritingModule(context) {}
  app::ModuleId Id() const override { return app::ModuleId::kListe; }

 protected:
  bool IsDictation() const override { return true; }
};

class MathModule : public WritingModule {
 public:
  explicit MathModule(WritingContext context) : WritingModule(context) {}
  app::ModuleId Id() const override { return app::ModuleId::kMathematique; }

 protected:
  bool UsesKeypad() const override { return true; }
  const std::filesystem::path& TextFile() const override { return ctx_.state.mathTextPath; }
};

}  // namespace exercises
