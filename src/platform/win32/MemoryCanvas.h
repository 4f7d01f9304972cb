#pragma once
#include <windows.h>

#include <functional>

#include "platform/Canvas.h"
#include "platform/win32/GdiHandles.h"

namespace tarn::win32 {

COLORREF SysColourRef(SysColour colour);
// The size of the pictures in the shell's small system image list, which DrawSystemSmallIcon draws.
int SmallSystemIconSize();

// A persistent image: a 32-bit DIB in a memory DC. What is drawn stays until cleared; Refresh asks the window
// that shows it to repaint.
class MemoryCanvas final : public Canvas {
public:
    explicit MemoryCanvas(Size size, std::function<void()> onRefresh = {});
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    ~MemoryCanvas() override;
    void Resize(Size size);
    HDC Dc() const { return dc_.get(); }
    HBITMAP Bitmap() const { return bitmap_.get(); }
    // A copy of the image as a device-dependent bitmap, for image lists and menus.
    unique_hbitmap Snapshot() const;
    Colour BackgroundColour() const { return background_; }

    Size ClientSize() const override { return size_; }
    void SetBackground(Colour colour) override { background_ = colour; }
    void SetBackground(SysColour colour) override { background_ = SysColourRef(colour); }
    void Clear() override;
    void SetPixel(int x, int y, SysColour colour) override;
    Colour GetPixel(int x, int y) const override;
    void Line(int x1, int y1, int x2, int y2, Colour colour) override;
    void Stroke(int x1, int y1, int x2, int y2, Colour colour, int width) override;
    void DrawSystemSmallIcon(int index, int x, int y) override;
    void DrawImage(const ImageList& images, const std::string& key, int x, int y) override;
    void Refresh() override {
        if (onRefresh_) onRefresh_();
    }

private:
    Size size_;
    std::function<void()> onRefresh_;
    unique_hdc dc_;
    unique_hbitmap bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    std::uint32_t* bits_ = nullptr;  // top-down, 0x00RRGGBB per pixel
    Colour background_;
};

}  // namespace tarn::win32
