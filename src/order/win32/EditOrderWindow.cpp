#include "order/win32/EditOrderWindow.h"

#include "order/ButtonPictures.h"
#include "order/EditOrderForm.h"

namespace tarn::win32 {
namespace {

namespace form = EditOrderForm;

constexpr UINT_PTR kCheckPosTimer = 1;
constexpr int kPictureSize = 16;

// The button's picture drawn at the window's DPI.
void Picture(Win32Button& button, ButtonPicture picture, DpiScale scale) {
    MemoryCanvas canvas({scale(kPictureSize), scale(kPictureSize)});
    canvas.SetBackground(form::kDragImageMask);
    DrawButtonPicture(canvas, picture);
    button.SetPicture(canvas);
}

}  // namespace

EditOrderWindow::EditOrderWindow(const EditOrderServices& services, HWND home)
    : DialogWindow(home, form::kClientSize, true),
      ilIcons_(SmallSystemIconSize()),
      picBox_({SmallSystemIconSize(), SmallSystemIconSize()}),
      ilMouse_(form::kDragImageSize.cx),
      picMouse_({form::kDragImageSize.cx, form::kDragImageSize.cy}),
      lblHelp_(*this, form::lblHelp),
      cmdDown_(*this, 101, form::cmdDown, [this] { editor_.cmdDown_Click(); }),
      cmdUp_(*this, 102, form::cmdUp, [this] { editor_.cmdUp_Click(); }),
      cmdInsertSeparator_(*this, 103, form::cmdInsertSeparator, [this] { editor_.cmdInsertSeparator_Click(); }),
      cmdDeleteSeparator_(*this, 104, form::cmdDeleteSeparator, [this] { editor_.cmdDeleteSeparator_Click(); }),
      LV_(*this, form::LV, ilIcons_, ListEvents()),
      cmdCancel_(*this, IDCANCEL, form::cmdCancel, [this] { editor_.cmdCancel_Click(); }),
      cmdOK_(*this, IDOK, form::cmdOK, [this] { editor_.cmdOK_Click(); }),
      picPos_(*this, form::kMarker, form::kMarkerColour),
      tmrCheckPos_(kCheckPosTimer, 120),
      editor_(services, {*this, *this, lblHelp_, cmdDown_, cmdUp_, cmdInsertSeparator_, cmdDeleteSeparator_, cmdCancel_,
                         cmdOK_, LV_, picBox_, ilIcons_, picMouse_, ilMouse_, picPos_, tmrCheckPos_}) {
    picBox_.SetBackground(SysColour::ButtonFace);
    tmrCheckPos_.SetOwner(Hwnd());
    Picture(cmdDown_, ButtonPicture::Down, Scale());
    Picture(cmdUp_, ButtonPicture::Up, Scale());
    Picture(cmdInsertSeparator_, ButtonPicture::InsertSeparator, Scale());
    Picture(cmdDeleteSeparator_, ButtonPicture::DeleteSeparator, Scale());
    FocusFirst(LV_.Hwnd());
    RouteMessages();
}

Win32ListView::Events EditOrderWindow::ListEvents() {
    Win32ListView::Events events;
    events.keyDown = [this](Key key, int shift) { return editor_.LV_KeyDown(key, shift); };
    events.click = [this] { editor_.LV_Click(); };
    events.beginDrag = [this](int buttons, int shift, Point p) { editor_.LV_MouseMove(buttons, shift, p.x, p.y); };
    events.mouseUp = [this] { editor_.LV_MouseUp(); };
    events.dragOver = [this](HWND under, Point p) { DragOver(under, p); };
    events.drop = [this](HWND under) { Drop(under); };
    return events;
}

void EditOrderWindow::DragOver(HWND under, Point point) {
    // The list's header is part of the list; the marker takes no drag-over of its own.
    if (under != LV_.Hwnd() && !IsChild(LV_.Hwnd(), under)) return;
    const TwipScale twips = TwipScale::ForDpi(static_cast<unsigned>(Dpi()));
    editor_.LV_DragOver(twips.TwipsX(point.x), twips.TwipsY(point.y));
}

void EditOrderWindow::Drop(HWND under) {
    if (under != nullptr && (under == LV_.Hwnd() || IsChild(LV_.Hwnd(), under))) {
        editor_.LV_DragDrop();
    } else if (under != nullptr && under == picPos_.Hwnd()) {
        editor_.picPos_DragDrop();
    } else {
        editor_.DragEnded();
    }
}

}  // namespace tarn::win32
