#pragma once
#include <map>
#include <string>
#include <vector>

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
#include "platform/Keys.h"
#include "platform/MessageDialog.h"
#include "platform/PopupMenu.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
#include "platform/TextCodec.h"
#include "platform/Timer.h"
#include "platform/Toolbar.h"
#include "platform/Window.h"
#include "settings/Settings.h"
#include "settings/SettingsLocation.h"

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
    // The folder of the running program file; a settings file there makes the installation portable.
    std::string programFolder = {};
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

// The bar window: buttons from the button folder, see-through until the pointer rests on it.
class frmTarnDock final : public FileDropHandler {
public:
    // The menu host and the tooltip window are only used once the bar is loaded.
    frmTarnDock(const BarServices& services, const BarControls& controls, ProgramHost& host, frmMenu& menu,
                frmToolTip& tip);

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
    void Form_KeyDown(Key key, int shift);
    // File drags over the toolbar (points in its pixels) and over the bar's background.
    DropEffect OLEDragOver(bool hasFiles, int button, int shift, Point point, DragState state) override;
    void OLEDragDrop(const std::vector<std::string>& files, int button, int shift, Point point) override;
    DropEffect Form_OLEDragOver(DragState state);

    void FillToolbar();
    void SaveFileDic();
    void StoreSettings();
    void SetAlpha(int tempAlpha);
    void QuitProgram();
    void StartFile(const std::string& path);

    // The settings variables; the options dialog changes them while the program runs.
    Settings& CurrentSettings() { return settings_; }
    const Settings& CurrentSettings() const { return settings_; }
    const ItemDictionary& FileDic() const { return fileDic_; }
    const std::map<int, ItemDictionary>& MenuDics() const { return menuDics_; }
    const std::string& SettingsFile() const { return location_.settingsFile; }
    Colour ColourKey() const { return colourKey_; }
    bool Solid() const { return solid_; }
    bool PopupOpen() const { return popupOpen_; }

private:
    std::string GetDisplayName(const std::string& path) const;
    bool IsProgramFile(const std::string& path);
    // The button under a point of the toolbar (pixels), or -1.
    int ButtonAtPoint(int x, int y) const;
    void EnableNonDropButtons(bool enabled);
    void ReleasePressedButtons();
    void ShowButtonMenu(int index);
    void ShowContextMenu();
    void RunCommand(BarCommand command);
    void LoadSettings();
    void PrepareHint();
    void DrawGrip();
    void TurnSolid();
    void TurnSeeThrough();
    Placement CurrentPlacement() const;

    BarServices services_;
    BarControls controls_;
    ProgramHost& host_;
    frmMenu& menu_;
    frmToolTip& tip_;
    IconCache icons_;
    Settings settings_;
    ItemDictionary fileDic_;
    std::map<int, ItemDictionary> menuDics_;
    SettingsLocation location_;
    Colour colourKey_ = 0;
    bool solid_ = false;
    bool popupOpen_ = false;
    bool unloaded_ = false;
    Point moveGrab_;
    TickMemory tick_;
    std::vector<std::string> mnuPopCaptions_;
    int hoverIndex_ = -1;
    int dragOverIndex_ = -1;
    std::string launchParameters_;
    std::string tipPrefix_;
    // The last click on a menu button: when its menu closed, and which button it was.
    std::int64_t lastMenuClickMs_ = 0;
    int lastMenuIndex_ = 0;
};

}  // namespace tarn
