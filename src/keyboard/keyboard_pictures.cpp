#include "keyboard/keyboard_pictures.h"

#include "app/picture_helpers.h"
#include "keyboard/keyboard_layout.h"
#include "text/cp1252.h"

namespace keyboard {

std::int32_t GlyphStore::AddView(gfx::ImageView view) {
  views_.push_back(view);
  return static_cast<std::int32_t>(views_.size());
}

std::int32_t GlyphStore::AddImage(gfx::Image image) {
  owned_.push_back(std::move(image));
  return AddView(gfx::ViewOf(owned_.back()));
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

const char* LetterPictureName(int scheme, int page) {
  static constexpr const char* kNames[kSchemeCount][kLetterPageCount] = {
      {"Arial.bmp", "ArialM.bmp", "CArial.bmp", "CArialM.bmp"},
      {"ArialCV.bmp", "ArialMCV.bmp", "CArialCV.bmp", "CArialMCV.bmp"},
      {"ArialN.bmp", "ArialMN.bmp", "CArialN.bmp", "CArialMN.bmp"},
  };
  return kNames[scheme][page];
}

const char* KeypadPictureName(int scheme) {
  return scheme == 2 ? "MathN.bmp" : "Math.bmp";
}

void KeyboardPictures::Load(ports::Pictures& pictures, ports::UserDialogs& dialogs,
                            const std::filesystem::path& programFolder) {
  const std::filesystem::path folder = programFolder / "resb";
  auto scaleAll = [&](const std::filesystem::path& path, auto&& store) {
    const auto picture = pictures.Load(path);
    if (!picture) return false;
    for (int z = 0; z < kZoomCount; ++z) {
      store(z,
            app::ScalePicture(pictures, picture.get(), kZoomFactors[static_cast<std::size_t>(z)]));
    }
    return true;
  };

  scaleAll(folder / KeypadPictureName(2), [&](int z, gfx::Image image) {
    keypadBitmaps_[static_cast<std::size_t>(z)][1] = std::move(image);
  });
  scaleAll(folder / KeypadPictureName(0), [&](int z, gfx::Image image) {
    keypadBitmaps_[static_cast<std::size_t>(z)][0] = std::move(image);
  });

  for (int page = 0; page < kLetterPageCount; ++page) {
    for (int scheme = 0; scheme < kSchemeCount; ++scheme) {
      const std::filesystem::path path = folder / LetterPictureName(scheme, page);
      const bool loaded = scaleAll(path, [&](int z, gfx::Image image) {
        keyboardBitmaps_[static_cast<std::size_t>(z)][static_cast<std::size_t>(scheme)]
                        [static_cast<std::size_t>(page)] = std::move(image);
      });
      if (!loaded) {
        dialogs.MessageBox(" Probl\xE8me d'ouverture du fichier : " + text::TextFromPath(path),
                           "Scribix", ports::MessageButtons::kOk, ports::MessageIcon::kWarning);
      }
    }
  }

  for (int z = 0; z < kZoomCount; ++z) {
    for (int page = 0; page < kLetterPageCount; ++page) {
      for (int scheme = 0; scheme < kSchemeCount; ++scheme) CutKeyGlyphs(z, page, scheme);
    }
  }
}

void KeyboardPictures::CutKeyGlyphs(int zoom, int page, int scheme) {
  const float factor = kZoomFactors[static_cast<std::size_t>(zoom)];
  const int d = static_cast<int>(static_cast<float>(kKeySide) * factor);
  const gfx::Image* picture = LetterPicture(zoom, scheme, page);
  auto& glyphs = keyGlyphs_[static_cast<std::size_t>(zoom)][static_cast<std::size_t>(scheme)]
                           [static_cast<std::size_t>(page)];
  auto& alt = keyGlyphsAlt_[static_cast<std::size_t>(zoom)][static_cast<std::size_t>(scheme)]
                           [static_cast<std::size_t>(page)];
  for (int row = 0; row < kLetterRows; ++row) {
    int x = 0;
    for (int column = 0; column < kLetterColumns; ++column) {
      const auto slot = static_cast<std::size_t>(row * kLetterColumns + column);
      // A wide key's glyph is the square at its left.
      std::int32_t handle = 0;
      if (picture != nullptr) {
        handle = glyphs_.AddView(gfx::ImageView{picture, gfx::Rect::FromSize(x, row * d, d, d)});
      }
      glyphs[slot] = handle;
      alt[slot] = handle;
      x += LetterKeyKind(row, column) == KindPlain ? d : LetterKeyWidth(row, column, factor);
    }
  }
}

const gfx::Image* KeyboardPictures::LetterPicture(int zoom, int scheme, int page) const {
  if (zoom < 0 || zoom >= kZoomCount || scheme < 0 || scheme >= kSchemeCount || page < 0 ||
      page >= kLetterPageCount) {
    return nullptr;
  }
  const gfx::Image& image =
      keyboardBitmaps_[static_cast<std::size_t>(zoom)][static_cast<std::size_t>(scheme)]
                      [static_cast<std::size_t>(page)];
  return image.IsNull() ? nullptr : &image;
}

const gfx::Image* KeyboardPictures::KeypadPicture(int zoom, int scheme) const {
  if (zoom < 0 || zoom >= kZoomCount || scheme < 0 || scheme >= kSchemeCount) return nullptr;
  const gfx::Image& image = keypadBitmaps_[static_cast<std::size_t>(zoom)][scheme == 2 ? 1u : 0u];
  return image.IsNull() ? nullptr : &image;
}

std::int32_t KeyboardPictures::Glyph(int zoom, int scheme, int page, int position) const {
  if (zoom < 0 || zoom >= kZoomCount || scheme < 0 || scheme >= kSchemeCount || page < 0 ||
      page >= kGlyphPages || position < 0 || position >= kGlyphSlots) {
    return 0;
  }
  return keyGlyphs_[static_cast<std::size_t>(zoom)][static_cast<std::size_t>(scheme)]
                   [static_cast<std::size_t>(page)][static_cast<std::size_t>(position)];
}

std::int32_t KeyboardPictures::GlyphAlt(int zoom, int scheme, int page, int position) const {
  if (zoom < 0 || zoom >= kZoomCount || scheme < 0 || scheme >= kSchemeCount || page < 0 ||
      page >= kGlyphPages || position < 0 || position >= kGlyphSlots) {
    return 0;
  }
  return keyGlyphsAlt_[static_cast<std::size_t>(zoom)][static_cast<std::size_t>(scheme)]
                      [static_cast<std::size_t>(page)][static_cast<std::size_t>(position)];
}

std::size_t KeyboardPictures::PictureBytes() const {
  std::size_t bytes = glyphs_.OwnedBytes();
  for (const auto& zoom : keyboardBitmaps_) {
    for (const auto& scheme : zoom) {
      for (const auto& page : scheme) bytes += page.ByteCount();
    }
  }
  for (const auto& zoom : keypadBitmaps_) {
    for (const auto& image : zoom) bytes += image.ByteCount();
  }
  return bytes;
}

}  // namespace keyboard
