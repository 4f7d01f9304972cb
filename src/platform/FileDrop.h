#pragma once
#include <string>
#include <vector>

#include "platform/Geometry.h"

namespace tarn {

// The states of a drag over a window: entering it, leaving it, moving over it.
enum class DragState { Enter = 0, Leave = 1, Over = 2 };

// What a drop at a point would do: nothing, or open the files with a program (shown as a move).
enum class DropEffect { None, Move };

// What a window that takes dropped file lists is told. Points are in the window's client pixels; `buttons` and
// `shift` are the mouse handlers' masks (1 left, 2 right; 1 shift, 2 control, 4 alt).
class FileDropHandler {
public:
    virtual ~FileDropHandler() = default;
    // `hasFiles` says whether the dragged data holds a file list.
    virtual DropEffect OLEDragOver(bool hasFiles, int buttons, int shift, Point point, DragState state) = 0;
    // `files` is empty when the data held no file list.
    virtual void OLEDragDrop(const std::vector<std::string>& files, int buttons, int shift, Point point) = 0;
};

}  // namespace tarn
