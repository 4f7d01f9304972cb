#pragma once
#include <map>
#include <string>

#include "app/Settings.h"
#include "bar/ContextMenu.h"
#include "bar/Transparency.h"
#include "model/IconCache.h"
#include "model/ItemDictionary.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/Control.h"
#include "platform/FileDrop.h"
#include "platform/FileSystem.h"
#include "platform/ImageList.h"
#include "platform/MessageDialog.h"
#include "platform/PopupMenu.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
#include "platform/TextCodec.h"
#include "platform/Timer.h"
#include "platform/Toolbar.h"
#include "platform/Window.h"

namespace tarn {

class ProgramHost;
class frmMenu;
class frmToolTip;

struct BarServices {
    FileSystem& fs;
    const TextCodec& codec;
    Shell& shell;
    const Clock& clock;
    const Screen& screen;
    MessageDialog& messageBox;
};

struct BarControls {
    Window& window;  // the bar itself
    Canvas& form;    // its persistent image
    Toolbar& toolbar;
    ImageList& ilIcons;
    Canvas& picBox;
    Control& picHint;
    Canvas& picHintImage;
    Timer& tmrMouse;
    PopupMenu& popup;  // the context menu and the button menus
};

// Mouse button mask of the mouse events.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

// The bar window: buttons from the button folder, see-through until the pointer rests on it.
class frmTarnDock final : public FileDropHandler {
public:
    frmTarnDock(const BarServices& services, const BarControls& controls, ProgramHost& host);
    // The menu host and the tooltip window, made after the bar.
    void AttachWindows(frmMenu& menu, frmToolTip& tip) {
        menu_ = &menu;
        tip_ = &tip;
    }

    void Form_Load();
    // The bar is unloaded: by the system, or by QuitProgram. Stores the settings once.
    void Form_Unload();
    void Form_Resize();
    void Form_Paint();
    void tmrMouse_Timer();
    void Form_MouseDown(int button, int shift, int x, int y);
    void Form_MouseMove(int button, int shift, int x, int y);
    void Toolbar_MouseDown(int button, int shift, int x, int y) { Form_MouseDown(button, shift, x, y); }
    // The hover handler; x and y in twips relative to the toolbar.
    void Toolbar_MouseMove(int button, int shift, double x, double y);
    void Toolbar_ButtonClick(int index);
    void Toolbar_ButtonDropDown(int index);
    void Form_KeyDown(int keyCode, int shift);
    // File drags over the toolbar (points in its pixels) and over the bar's background.
    int OLEDragOver(bool hasFiles, int button, int shift, Point point, DragState state) override;
    void OLEDragDrop(const std::vector<std::string>& files, int button, int shift, Point point) override;
    int Form_OLEDragOver(DragState state);

    void FillToolbar();
    void SaveFileDic();
    void StoreSettings();
    void SetAlpha(int TempAlpha);
    void QuitProgram();
    void StartFile(std::string& Path);

    // The public variables of the bar.
    Settings settings;
    ItemDictionary FileDic;
    std::map<int, ItemDictionary> MenuDics;

    const std::string& SettingsFile() const { return settingsFile_; }
    Colour ColourKey() const { return colourKey_; }
    bool Solid() const { return solid_; }
    bool PopupOpen() const { return popupOpen_; }
    int HoverIndex = -1;
    int DragOverIndex = -1;
    std::string LaunchParameters;
    std::string TipPrefix;

    std::string GetDisplayName(const std::string& path) const;
    bool IsProgramFile(const std::string& path);
    std::string GetIconKey(const std::string& path) { return icons_.GetIconKey(path); }

    // The button under a point of the toolbar (pixels), or -1.
    int ButtonAtPoint(int x, int y) const;
    void EnableNonDropButtons(bool enabled);
    void ShowButtonMenu(int index);
    void ShowContextMenu();
    void RunCommand(BarCommand command);
    const std::vector<std::string>& ContextMenuCaptions() const { return mnuPopCaptions_; }

private:
    void LoadSettings();
    void PrepareHint();
    void DrawGrip();
    void TurnSolid();
    void TurnSeeThrough();
    Placement CurrentPlacement() const;

    BarServices services_;
    BarControls controls_;
    ProgramHost& host_;
    IconCache icons_;
    std::string settingsFile_;
    Colour colourKey_ = 0;
    bool solid_ = false;
    bool popupOpen_ = false;
    bool unloaded_ = false;
    Point moveGrab_;
    TickMemory tick_;
    frmMenu* menu_ = nullptr;
    frmToolTip* tip_ = nullptr;
    std::vector<std::string> mnuPopCaptions_;
    // The last click on a menu button: when its menu closed, and which button it was.
    std::int64_t lastMenuClickMs_ = 0;
    int lastMenuIndex_ = 0;
};

}  // namespace tarn
