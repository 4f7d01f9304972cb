#pragma once
#include <string>

#include "platform/Geometry.h"

namespace tarn {

class ImageList;

// A drawing surface that keeps what is drawn on it (a persistent image), in pixels.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual Size ClientSize() const = 0;
    virtual void SetBackground(Colour colour) = 0;
    virtual void SetBackground(SysColour colour) = 0;
    // Erases the drawing to the background colour.
    virtual void Clear() = 0;
    virtual void SetPixel(int x, int y, SysColour colour) = 0;
    virtual Colour GetPixel(int x, int y) const = 0;
    // A line from (x1, y1) up to, not including, (x2, y2).
    virtual void Line(int x1, int y1, int x2, int y2, Colour colour) = 0;
    // A line of the given width in pixels, both ends included.
    virtual void Stroke(int x1, int y1, int x2, int y2, Colour colour, int width) = 0;
    // ImageList_Draw of the small system image list, ILD_TRANSPARENT.
    virtual void DrawSystemSmallIcon(int index, int x, int y) = 0;
    // The picture of `key` in the image list, its mask transparent.
    virtual void DrawImage(const ImageList& images, const std::string& key, int x, int y) = 0;
    // Shows what was drawn (repaints).
    virtual void Refresh() = 0;
};

}  // namespace tarn
