#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gfx/image.h"
#include "keyboard/picture_names.h"
#include "ports/pictures.h"
#include "ports/user_dialogs.h"

namespace keyboard {

// Small pictures that tiles carry, addressed by a handle (0 for none) so that a cell record
// can hold them. A glyph is a view into a keyboard picture; a turned glyph is a picture of its
// own, made once per glyph and turn and kept for the run.
class GlyphStore {
 public:
  std::int32_t AddView(gfx::ImageView view);
  void Set(std::int32_t handle, gfx::ImageView view);
  gfx::ImageView Get(std::int32_t handle) const;
  // The glyph a quarter turn further; turning a glyph four times gives it back.
  std::int32_t Turned(std::int32_t handle);
  // The turned glyphs made again from their glyphs, after the pictures changed.
  void RefreshTurned();
  std::size_t OwnedBytes() const;
  std::size_t TurnedCount() const { return turned_.size(); }

 private:
  struct TurnedGlyph {
    std::int32_t source = 0;  // the glyph as the keyboard shows it
    int turns = 0;            // 1 to 3 quarter turns
    std::int32_t handle = 0;
  };
  gfx::Image MakeTurned(std::int32_t source, int turns) const;

  std::vector<gfx::ImageView> views_;
  std::deque<gfx::Image> owned_;     // a deque keeps the images where they are as it grows
  std::vector<TurnedGlyph> turned_;  // turned_[k] owns owned_[k]
};

// The keyboard and keypad pictures, decoded once at start-up and scaled to the zoom in use; the
// glyphs of every key are views into the scaled pictures. A zoom change scales them again, which
// keeps the memory of one zoom instead of five.
inline constexpr int kGlyphSlots = 50;

class KeyboardPictures {
 public:
  // Decodes every picture of resb/ and prepares the zoom. A missing letter picture is reported
  // once with a message box; a missing keypad picture is silent.
  void Load(ports::Pictures& pictures, ports::UserDialogs& dialogs,
            const std::filesystem::path& programFolder, int zoom);
  // Scales the pictures to a zoom (0 to 4) and cuts their glyphs; nothing when it is in use.
  void UseZoom(int zoom);
  int CurrentZoom() const { return zoom_; }

  // Pictures of the zoom in use, or null (missing file, or another zoom).
  const gfx::Image* LetterPicture(int zoom, int scheme, int page) const;
  const gfx::Image* KeypadPicture(int zoom, int scheme) const;
  // Glyph handles of the zoom in use, 0 otherwise. Handles keep their meaning across zooms: a
  // zoom change points them at the new pictures.
  std::int32_t Glyph(int zoom, int scheme, int page, int position) const;
  std::int32_t GlyphAlt(int zoom, int scheme, int page, int position) const;

  GlyphStore& Glyphs() { return glyphs_; }
  const GlyphStore& Glyphs() const { return glyphs_; }
  std::size_t PictureBytes() const;

 private:
  void CutKeyGlyphs(int page, int scheme);

  using GlyphTable =
      std::array<std::array<std::array<std::int32_t, kGlyphSlots>, kLetterPageCount>, kSchemeCount>;

  ports::Pictures* pictures_ = nullptr;
  std::array<std::array<std::unique_ptr<ports::Picture>, kLetterPageCount>, kSchemeCount>
      letterSources_;
  std::array<std::unique_ptr<ports::Picture>, 2> keypadSources_;  // schemes 0 and 1 share one
  int zoom_ = -1;
  std::array<std::array<gfx::Image, kLetterPageCount>, kSchemeCount> keyboardBitmaps_;
  std::array<gfx::Image, 2> keypadBitmaps_;
  GlyphTable keyGlyphs_{};
  GlyphStore glyphs_;
};

}  // namespace keyboard
