#pragma once
#include <optional>
#include <string>

#include "model/IconCache.h"
#include "platform/Button.h"
#include "platform/Canvas.h"
#include "platform/Control.h"
#include "platform/ControlDesign.h"
#include "platform/FileSystem.h"
#include "platform/ImageList.h"
#include "platform/Keys.h"
#include "platform/ListView.h"
#include "platform/MessageDialog.h"
#include "platform/ModalDialog.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
#include "platform/TextCodec.h"
#include "platform/Timer.h"
#include "platform/Window.h"

namespace tarn {

struct EditOrderServices {
    FileSystem& fs;
    const TextCodec& codec;
    Shell& shell;
    const Screen& screen;
    MessageDialog& messageBox;
};

struct EditOrderControls {
    Window& window;
    ModalDialog& dialog;
    Control& lblHelp;
    Button& cmdDown;
    Button& cmdUp;
    Button& cmdInsertSeparator;
    Button& cmdDeleteSeparator;
    Button& cmdCancel;
    Button& cmdOK;
    ListView& LV;
    Canvas& picBox;
    ImageList& ilIcons;
    Canvas& picMouse;
    ImageList& ilMouse;
    Control& picPos;
    Timer& tmrCheckPos;
};

// The order editor: the files and separator lines of one folder in the order the bar shows them, moved with the
// buttons, the keys or the mouse, and written to the folder's order file on OK.
class frmEditOrder {
public:
    frmEditOrder(const EditOrderServices& services, const EditOrderControls& controls);

    // 1 when the order file was written, 2 when the user left without saving.
    int ShowForm(const std::string& Path, bool MenuItemOrder = false);

    void Form_Load();
    void Form_Resize();
    void cmdUp_Click() { MoveItem(false); }
    void cmdDown_Click() { MoveItem(true); }
    void cmdInsertSeparator_Click() { InsertSeparator(); }
    void cmdDeleteSeparator_Click() { DeleteSeparator(); }
    void cmdOK_Click();
    void cmdCancel_Click();
    void LV_Click() { UpdateButtons(); }
    // True when the key goes on to the list.
    bool LV_KeyDown(Key key, int shift);
    // x and y in pixels relative to the list.
    void LV_MouseMove(int button, int shift, int x, int y);
    void LV_MouseUp();
    // x and y in twips relative to the list.
    void LV_DragOver(double x, double y);
    void LV_DragDrop();
    void picPos_DragDrop() { LV_DragDrop(); }
    // The row was let go anywhere but on the list or the marker: nothing moves.
    void DragEnded() { SetDragging(false); }
    void tmrCheckPos_Timer();

    bool Dragging() const { return dragging_; }
    const std::string& Path() const { return path_; }

private:
    void LoadItemList();
    std::string GetIconKey(const std::string& path) { return icons_.GetIconKey(path); }
    bool SaveOrder();
    void MoveItem(bool down);
    void InsertSeparator();
    void DeleteSeparator();
    void UpdateButtons();
    void SetDragging(bool on);
    bool PointInList(double x, double y) const;
    void MakeDragImage(const ListRow& row);
    std::string OrderFilePath() const;
    DpiScale Scale() const;
    TwipScale Twips() const;

    EditOrderServices services_;
    EditOrderControls controls_;
    IconCache icons_;
    std::string path_;
    bool loaded_ = false;
    bool cancelled_ = true;
    bool dragging_ = false;
    int dragItem_ = -1;
    // The row before which a drop inserts; none appends.
    std::optional<int> dropTarget_;
};

}  // namespace tarn
