#include "keyboard/keyboard_pictures.h"

#include "gfx/picture_drawing.h"
#include "keyboard/keyboard_layout.h"
#include "ports/picture_loading.h"
#include "text/cp1252.h"

namespace keyboard {

std::int32_t GlyphStore::AddView(gfx::ImageView view) {
  views_.push_back(view);
  return static_cast<std::int32_t>(views_.size());
}

gfx::Image GlyphStore::MakeTurned(std::int32_t source, int turns) const {
  const gfx::ImageView glyph = Get(source);
  if (glyph.IsNull()) return {};
  gfx::Image image = gfx::Crop(*glyph.image, glyph.area);
  for (int i = 0; i < turns; ++i) image = gfx::TurnBitmap(image);
  return image;
}

std::int32_t GlyphStore::Turned(std::int32_t handle) {
  std::int32_t source = handle;
  int turns = 0;
  for (const TurnedGlyph& t : turned_) {
    if (t.handle == handle) {
      source = t.source;
      turns = t.turns;
      break;
    }
  }
  turns = (turns + 1) % 4;
  if (turns == 0) return source;
  for (const TurnedGlyph& t : turned_) {
    if (t.source == source && t.turns == turns) return t.handle;
  }
  owned_.push_back(MakeTurned(source, turns));
  const std::int32_t made = AddView(gfx::ViewOf(owned_.back()));
  turned_.push_back({source, turns, made});
  return made;
}

void GlyphStore::RefreshTurned() {
  for (std::size_t k = 0; k < turned_.size(); ++k) {
    owned_[k] = MakeTurned(turned_[k].source, turned_[k].turns);
    Set(turned_[k].handle, gfx::ViewOf(owned_[k]));
  }
}

void GlyphStore::Set(std::int32_t handle, gfx::ImageView view) {
  if (handle <= 0 || static_cast<std::size_t>(handle) > views_.size()) return;
  views_[static_cast<std::size_t>(handle) - 1] = view;
}

gfx::ImageView GlyphStore::Get(std::int32_t handle) const {
  if (handle <= 0 || static_cast<std::size_t>(handle) > views_.size()) return {};
  return views_[static_cast<std::size_t>(handle) - 1];
}

std::size_t GlyphStore::OwnedBytes() const {
  std::size_t bytes = views_.capacity() * sizeof(gfx::ImageView);
  for (const auto& image : owned_) bytes += image.ByteCount();
  return bytes;
}

void KeyboardPictures::Load(ports::Pictures& pictures, ports::UserDialogs& dialogs,
                            const std::filesystem::path& programFolder, int zoom) {
  pictures_ = &pictures;
  const std::filesystem::path folder = programFolder / "resb";
  keypadSources_[1] = pictures.Load(folder / KeypadPictureName(2));
  keypadSources_[0] = pictures.Load(folder / KeypadPictureName(0));
  for (int page = 0; page < kLetterPageCount; ++page) {
    for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
      const std::filesystem::path path = folder / LetterPictureName(scheme, page);
      auto& source =
          letterSources_[static_cast<std::size_t>(scheme)][static_cast<std::size_t>(page)];
      source = pictures.Load(path);
      if (!source) {
        dialogs.MessageBox(" Probl\xE8me d'ouverture du fichier : " + text::TextFromPath(path),
                           "Scribix", ports::MessageButtons::kOk, ports::MessageIcon::kWarning);
      }
    }
  }
  // One handle per key position of every picture, for the whole run.
  for (auto& scheme : keyGlyphs_) {
    for (auto& page : scheme) {
      for (auto& handle : page) handle = glyphs_.AddView({});
    }
  }
  zoom_ = -1;
  UseZoom(zoom);
}

void KeyboardPictures::UseZoom(int zoom) {
  if (zoom < 0 || zoom >= kZoomCount || zoom == zoom_ || pictures_ == nullptr) return;
  zoom_ = zoom;
  const float factor = kZoomFactors[static_cast<std::size_t>(zoom)];
  for (std::size_t k = 0; k < keypadSources_.size(); ++k) {
    keypadBitmaps_[k] = ports::ScalePicture(*pictures_, keypadSources_[k].get(), factor);
  }
  for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
    for (int page = 0; page < kLetterPageCount; ++page) {
      keyboardBitmaps_[static_cast<std::size_t>(scheme)][static_cast<std::size_t>(page)] =
          ports::ScalePicture(
              *pictures_,
              letterSources_[static_cast<std::size_t>(scheme)][static_cast<std::size_t>(page)]
                  .get(),
              factor);
      CutKeyGlyphs(page, scheme);
    }
  }
  glyphs_.RefreshTurned();
}

void KeyboardPictures::CutKeyGlyphs(int page, int scheme) {
  const float factor = kZoomFactors[static_cast<std::size_t>(zoom_)];
  const int d = static_cast<int>(static_cast<float>(kKeySide) * factor);
  const gfx::Image* picture = LetterPicture(zoom_, scheme, page);
  const auto& handles =
      keyGlyphs_[static_cast<std::size_t>(scheme)][static_cast<std::size_t>(page)];
  for (int row = 0; row < kLetterRows; ++row) {
    int x = 0;
    for (int column = 0; column < kLetterColumns; ++column) {
      const auto slot = static_cast<std::size_t>(row * kLetterColumns + column);
      // A wide key's glyph is the square at its left; positions past the picture's edge (the
      // three that are not keys) come out empty.
      gfx::ImageView view;
      if (picture != nullptr) {
        view = {picture, gfx::Rect::FromSize(x, row * d, d, d).Intersect(picture->Bounds())};
      }
      glyphs_.Set(handles[slot], view);
      x += LetterKeyKind(row, column) == KindPlain ? d : LetterKeyWidth(row, column, factor);
    }
  }
}

const gfx::Image* KeyboardPictures::LetterPicture(int zoom, int scheme, int page) const {
  if (zoom != zoom_ || zoom < 0 || scheme < 0 || scheme >= kSchemeCount || page < 0 ||
      page >= kLetterPageCount) {
    return nullptr;
  }
  const gfx::Image& image =
      keyboardBitmaps_[static_cast<std::size_t>(scheme)][static_cast<std::size_t>(page)];
  return image.IsNull() ? nullptr : &image;
}

const gfx::Image* KeyboardPictures::KeypadPicture(int zoom, int scheme) const {
  if (zoom != zoom_ || zoom < 0 || scheme < 0 || scheme >= kSchemeCount) return nullptr;
  const gfx::Image& image = keypadBitmaps_[scheme == 2 ? 1u : 0u];
  return image.IsNull() ? nullptr : &image;
}

std::int32_t KeyboardPictures::Glyph(int zoom, int scheme, int page, int position) const {
  if (zoom != zoom_ || zoom < 0 || scheme < 0 || scheme >= kSchemeCount || page < 0 ||
      page >= kLetterPageCount || position < 0 || position >= kGlyphSlots) {
    return 0;
  }
  const std::int32_t handle =
      keyGlyphs_[static_cast<std::size_t>(scheme)][static_cast<std::size_t>(page)]
                [static_cast<std::size_t>(position)];
  return glyphs_.Get(handle).IsNull() ? 0 : handle;
}

// Both glyph tables hold the same pictures.
std::int32_t KeyboardPictures::GlyphAlt(int zoom, int scheme, int page, int position) const {
  return Glyph(zoom, scheme, page, position);
}

std::size_t KeyboardPictures::PictureBytes() const {
  std::size_t bytes = glyphs_.OwnedBytes();
  for (const auto& scheme : keyboardBitmaps_) {
    for (const auto& page : scheme) bytes += page.ByteCount();
  }
  for (const auto& image : keypadBitmaps_) bytes += image.ByteCount();
  return bytes;
}

}  // namespace keyboard
