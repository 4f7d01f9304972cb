#pragma once
#include <string>

#include "platform/Geometry.h"

namespace tarn {

enum class ButtonStyle { Plain = 0, DropDown = 5 };

// What a button stands for: a file that is no program, a program, a sub folder's menu, a separator line, or the
// information button of an empty or missing button folder.
enum class ButtonKind { File, Program, Folder, Separator, Info };

struct ButtonRecord {
    ButtonStyle style = ButtonStyle::Plain;
    std::string image;  // key in ilIcons; empty for none
    std::string tag;    // full path of the file or sub folder
    ButtonKind kind = ButtonKind::File;
    std::string caption;
    bool enabled = true;
    bool pressed = false;
    friend bool operator==(const ButtonRecord&, const ButtonRecord&) = default;
};

// The toolbar control; buttons are 1-based and only ever appended.
class Toolbar {
public:
    virtual ~Toolbar() = default;
    virtual void Clear() = 0;
    // Returns the new button's index.
    virtual int Add(const ButtonRecord& button) = 0;
    virtual int Count() const = 0;
    virtual const ButtonRecord& Button(int index) const = 0;
    virtual void SetStyle(int index, ButtonStyle style) = 0;
    virtual void SetTag(int index, const std::string& tag) = 0;
    virtual void SetEnabled(int index, bool enabled) = 0;
    virtual void SetPressed(int index, bool pressed) = 0;
    // The button's rectangle in the toolbar's pixels, as the control laid it out.
    virtual Rect ButtonRect(int index) const = 0;
    // Moves the control within the bar; it wraps its buttons into rows of that width.
    virtual void Move(const Rect& bounds) = 0;
    virtual Rect Bounds() const = 0;
    // The height its rows take, and the height of one button.
    virtual int RowsHeight() const = 0;
    virtual int ButtonHeight() const = 0;
    virtual void SetVisible(bool visible) = 0;
};

}  // namespace tarn
