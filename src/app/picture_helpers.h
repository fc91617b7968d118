#pragma once

#include <filesystem>
#include <memory>

#include "gfx/canvas.h"
#include "gfx/image.h"
#include "ports/pictures.h"

namespace app {

struct AppState;

struct PictureSize {
  gfx::Size himetric;  // hundredths of a millimetre
  gfx::Size pixels;
};

// A decoded picture file, or nothing.
std::unique_ptr<ports::Picture> LoadPicture(ports::Pictures& pictures,
                                            const std::filesystem::path& path);
// The picture's size in HIMETRIC and in screen pixels (96 per inch).
PictureSize PictureSizeInPixels(const ports::Picture& picture);
// The whole picture stretched to width × height.
gfx::Image RenderPicture(ports::Pictures& pictures, const ports::Picture& picture, int width,
                         int height);
// The picture at its pixel size times zoom; a null image for no picture.
gfx::Image ScalePicture(ports::Pictures& pictures, const ports::Picture* picture, float zoom);
// The picture fitted into the box (enlarged or shrunk, proportions kept), then times zoom. The
// size made is kept in lastFitWidth and lastFitHeight.
gfx::Image FitPicture(ports::Pictures& pictures, const ports::Picture* picture, int boxWidth,
                      int boxHeight, float zoom, AppState& state);

// Draws the picture centred in the rectangle and gives the rectangle covered. A picture larger
// than the rectangle is cut (stretch false) or shrunk into it (stretch true).
gfx::Rect DrawBitmapCentred(gfx::Canvas& canvas, const gfx::ImageView& bitmap, gfx::Rect rect,
                            bool stretch);
// The same, stretched one pixel inside.
gfx::Rect DrawBitmapCentredInset(gfx::Canvas& canvas, const gfx::ImageView& bitmap, gfx::Rect rect,
                                 bool stretch);
// A quarter turn: pixel (x, y) goes to (y, width - 1 - x).
gfx::Image TurnBitmap(const gfx::Image& bitmap);

}  // namespace app
