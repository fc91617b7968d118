#pragma once

#include <filesystem>
#include <memory>

#include "gfx/image.h"
#include "ports/pictures.h"

// Picture files into bitmaps, through the Pictures port.
namespace ports {

struct PictureSize {
  gfx::Size himetric;  // hundredths of a millimetre
  gfx::Size pixels;
};

// A bitmap fitted into a box, and the size it was made at (also when no bitmap could be made).
struct FittedPicture {
  gfx::Image bitmap;
  gfx::Size size;
};

// A decoded picture file, or nothing.
std::unique_ptr<Picture> LoadPicture(Pictures& pictures, const std::filesystem::path& path);
// The picture's size in HIMETRIC and in screen pixels (96 per inch).
PictureSize PictureSizeInPixels(const Picture& picture);
// The whole picture stretched to width × height.
gfx::Image RenderPicture(Pictures& pictures, const Picture& picture, int width, int height);
// The picture at its pixel size times zoom; a null image for no picture.
gfx::Image ScalePicture(Pictures& pictures, const Picture* picture, float zoom);
// The picture fitted into the box (enlarged or shrunk, proportions kept), then times zoom.
FittedPicture FitPicture(Pictures& pictures, const Picture* picture, int boxWidth, int boxHeight,
                         float zoom);

}  // namespace ports
