#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/CheckBox.h"
#include "platform/ControlDesign.h"
#include "platform/FolderList.h"
#include "platform/Slider.h"
#include "platform/TextBox.h"
#include "platform/win32/ChildControl.h"
#include "platform/win32/DialogWindow.h"

namespace tarn::win32 {

// A horizontal trackbar with its range, steps and a tick every so many units; the user's moves call onMove.
class Win32Slider final : public ChildOf<Slider> {
public:
    struct Range {
        int minimum, maximum, smallStep, largeStep, tickEvery;
    };
    Win32Slider(DialogWindow& dialog, const ControlDesign& design, const Range& range, std::function<void()> onMove);
    int Value() const override;
    void SetValue(int value) override;
    void Scrolled(WORD code) override;

private:
    std::function<void()> onMove_;
    int lastValue_ = 0;
};

// A check box, or an option button; the first option of a group starts the group.
class Win32CheckBox final : public ChildOf<CheckBox> {
public:
    enum class Kind { Check, FirstOption, Option };
    Win32CheckBox(DialogWindow& dialog, const ControlDesign& design, Kind kind);
    bool Checked() const override;
    void SetChecked(bool checked) override;
};

// A one-line text field, or a read-only text of many lines with a vertical scroll bar.
class Win32TextBox final : public ChildOf<TextBox> {
public:
    Win32TextBox(DialogWindow& dialog, const ControlDesign& design, bool readOnlyLines);
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void SetTip(const std::string& tip) override { dialog_.SetTip(hwnd_, tip); }

private:
    DialogWindow& dialog_;
};

// A static text in the dialog's colours, or a frame (group box) with its caption.
class Win32Static final : public ChildOf<Control> {
public:
    enum class Kind { Text, Frame };
    Win32Static(DialogWindow& dialog, const ControlDesign& design, Kind kind);
};

// A link: its caption underlined in the link colour, a click or Enter on it calls onClick.
class Win32Link final : public ChildOf<Control> {
public:
    Win32Link(DialogWindow& dialog, const ControlDesign& design, std::function<void()> onClick);
    std::optional<LRESULT> Notify(const NMHDR& header) override;

private:
    std::function<void()> onClick_;
};

// The machine's drives in a drop-down list, each with its icon and volume name.
class Win32DriveList final : public ChildOf<DriveChoice> {
public:
    Win32DriveList(DialogWindow& dialog, const ControlDesign& design, std::function<void()> onChange);
    std::string Drive() const override;
    void SetDrive(const std::string& drive) override;
    void Command(WORD code) override;

private:
    std::vector<std::string> drives_;
    std::function<void()> onChange_;
};

// Folders in a list view without a header, indented by depth with the shell's small icons.
class Win32FolderList final : public ChildOf<FolderList> {
public:
    // A double click on an entry calls onOpen.
    Win32FolderList(DialogWindow& dialog, const ControlDesign& design, std::function<void()> onOpen);
    void SetRows(std::vector<FolderRow> rows, int highlighted) override;
    int Count() const override { return static_cast<int>(rows_.size()); }
    const FolderRow& Row(int index) const override { return rows_.at(static_cast<std::size_t>(index)); }
    int Highlighted() const override;
    std::optional<LRESULT> Notify(const NMHDR& header) override;

private:
    std::vector<FolderRow> rows_;
    std::function<void()> onOpen_;
};

}  // namespace tarn::win32
