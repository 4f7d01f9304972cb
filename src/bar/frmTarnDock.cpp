#include "bar/frmTarnDock.h"

#include <algorithm>
#include <cmath>

#include "app/SettingsFile.h"
#include "app/modAPI.h"
#include "bar/BarLayout.h"
#include "bar/ButtonMenu.h"
#include "bar/HoverText.h"
#include "bar/LaunchParameters.h"
#include "bar/ProgramHost.h"
#include "bar/frmMenu.h"
#include "bar/frmToolTip.h"
#include "model/Grouping.h"
#include "model/ModelNames.h"
#include "model/OrderFile.h"
#include "platform/Text.h"

namespace tarn {
namespace {

constexpr std::uint32_t kSeeThroughStyle = kWsExLayered | kWsExTransparent;
constexpr std::uint32_t kSolidStyle = kWsExLayered;
constexpr Colour kNoColourKey = 0xFFFFFFFF;  // -1: ignored with alpha-only attributes

int ClampAlpha(int alpha) { return std::clamp(alpha, 0, 255); }

int Round(double value) { return static_cast<int>(std::nearbyint(value)); }

// The clock and the monitor for the state machine, read only when a tick needs them.
class BarTickEnvironment final : public TickEnvironment {
public:
    BarTickEnvironment(const Clock& clock, const Screen& screen) : clock_(clock), screen_(screen) {}
    std::int64_t NowMs() override { return clock_.NowMs(); }
    Rect Monitor(const Rect& bar) override { return screen_.MonitorRect(bar); }

private:
    const Clock& clock_;
    const Screen& screen_;
};

}  // namespace

frmTarnDock::frmTarnDock(const BarServices& services, const BarControls& controls, ProgramHost& host)
    : services_(services), controls_(controls), host_(host), icons_(services.shell, controls.picBox, controls.ilIcons) {}

void frmTarnDock::Form_Load() {
    icons_.MakeSeparatorImage();
    mnuPopCaptions_.clear();
    for (const ContextMenuItem& item : ContextMenuItems()) mnuPopCaptions_.push_back(TabbedCaption(item.caption));
    settings = Settings{};
    settingsFile_ = JoinPath(GetSpecialFolderPath(services_.shell, kCsidlLocalAppData), "TarnDock\\TarnDock.ini");
    CreateDirectoryPath(services_.fs, settingsFile_);
    LoadSettings();
    colourKey_ = controls_.picBox.GetPixel(1, 1);
    controls_.window.SetTopmost();
    controls_.window.SetExStyle(kSeeThroughStyle);
    controls_.window.SetLayeredAttributes(colourKey_, ClampAlpha(settings.Alpha), kLwaColourKey | kLwaAlpha);
    controls_.form.SetBackground(colourKey_);
    LaunchParameters.clear();
    PrepareHint();
    FillToolbar();
    HoverIndex = -1;
    DragOverIndex = -1;
    if (tip_ != nullptr) tip_->Form_Load();
}

void frmTarnDock::LoadSettings() {
    Placement placement = CurrentPlacement();
    ReadSettingsFile(settingsFile_, settings, placement, services_.fs, services_.codec, services_.shell);
    PlaceWindowOnScreen(controls_.window, services_.screen, placement, true);
}

Placement frmTarnDock::CurrentPlacement() const {
    const Rect r = controls_.window.WindowRect();
    const double tx = services_.screen.TwipsPerPixelX();
    const double ty = services_.screen.TwipsPerPixelY();
    return {Round(r.left * tx), Round(r.top * ty), Round(r.Width() * tx), Round(r.Height() * ty)};
}

void frmTarnDock::PrepareHint() {
    const Rect toolbar = controls_.toolbar.Bounds();
    const Rect hint = controls_.picHint.Bounds();
    controls_.picHint.Move({hint.left, hint.top, hint.left + toolbar.left + 3, hint.bottom});
    Canvas& image = controls_.picHintImage;
    image.Clear();
    const Size inner = image.ClientSize();
    const int w = inner.cx;
    const int h = inner.cy;
    constexpr Colour kArrow = 0x000000;
    image.Line(w - 2, h - 2, 0, h - w, kArrow);
    image.Line(w - 2, h - 2, w - 2, h - 6, kArrow);
    image.Line(w - 2, h - 2, w - 6, h - 2, kArrow);
    image.Refresh();
}

void frmTarnDock::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    StoreSettings();
}

void frmTarnDock::QuitProgram() {
    for (const FormName form : {FormName::frmHelp, FormName::frmSelectFolder, FormName::frmFoldersToEdit,
                                FormName::frmEditOrder, FormName::frmTarnOptions, FormName::frmToolTip,
                                FormName::frmMenu}) {
        host_.UnloadWindow(form);
    }
    Form_Unload();
    host_.EndProgram();
}

void frmTarnDock::StoreSettings() {
    WriteSettingsFile(settingsFile_, settings, CurrentPlacement(), services_.fs, services_.codec);
    SaveFileDic();
}

void frmTarnDock::SaveFileDic() {
    FileSystem& fs = services_.fs;
    if (fs.FolderExists(settings.FolderPath)) {
        WriteFileDic(FileDic, JoinPath(settings.FolderPath, kOrderFileName), fs, services_.codec);
    }
    const Toolbar& toolbar = controls_.toolbar;
    for (int i = 1; i <= toolbar.Count(); ++i) {
        const ButtonRecord& button = toolbar.Button(i);
        if (button.style != ButtonStyle::DropDown || button.tag.empty() || !fs.FolderExists(button.tag)) continue;
        const auto menu = MenuDics.find(i);
        if (menu != MenuDics.end()) {
            // A folder that cannot be written is skipped; the others are still written.
            WriteFileDic(menu->second, JoinPath(button.tag, kOrderFileName), fs, services_.codec);
        }
    }
}

std::string frmTarnDock::GetDisplayName(const std::string& path) const {
    std::string name = FileNamePart(path);
    if (!settings.ShortcutLNK && AsciiLower(ExtensionOf(name)) == "lnk") name.resize(name.size() - 4);
    return name;
}

bool frmTarnDock::IsProgramFile(const std::string& path) {
    return services_.shell.IsExecutable(services_.shell.GetLinkTarget(path));
}

void frmTarnDock::FillToolbar() {
    Toolbar& toolbar = controls_.toolbar;
    FileSystem& fs = services_.fs;
    if (fs.FolderExists(settings.FolderPath)) {
        toolbar.Clear();
        MenuDics.clear();
        LoadFileDic(FileDic, settings.FolderPath, fs, services_.codec);
        // Each shortcut is resolved once per build; the next build sees a changed one.
        LinkTargetCache links(services_.shell);
        GroupFinder groups(settings.FileGrouping, links);
        for (const auto& entry : FileDic) {
            ButtonRecord button;
            if (entry.value == kSeparatorValue) {
                button.image = "sep";
                button.description = "SEP";
                button.enabled = false;
            } else {
                const std::string& path = entry.value;
                button.image = icons_.GetIconKey(path);
                const int group = groups.FindGroupButton(path, button.image);
                if (group != -1) {
                    const ButtonRecord& first = toolbar.Button(group);
                    ItemDictionary& members = MenuDics[group];
                    if (first.style != ButtonStyle::DropDown) {
                        toolbar.SetStyle(group, ButtonStyle::DropDown);
                        members.Clear();
                        members.Add(FileNamePart(first.tag), first.tag);
                    }
                    members.Add(entry.key, path);
                    continue;
                }
                button.tag = path;
                if (services_.shell.IsExecutable(links.Target(path))) button.description = "EXEC";
            }
            groups.ButtonAdded(toolbar.Add(button), button);
        }
        for (int i = 1; i <= toolbar.Count(); ++i) {
            if (toolbar.Button(i).style == ButtonStyle::DropDown) toolbar.SetTag(i, "");
        }
        for (const std::string& name : fs.ListFolders(settings.FolderPath)) {
            ButtonRecord button;
            button.style = ButtonStyle::DropDown;
            button.tag = JoinPath(settings.FolderPath, name);
            button.image = icons_.GetIconKey(button.tag);
            button.description = "FOLDER";
            const int index = toolbar.Add(button);
            LoadFileDic(MenuDics[index], button.tag, fs, services_.codec);
        }
    }
    if (toolbar.Count() == 0) {
        ButtonRecord info;
        info.description = "INFO";
        info.caption = "TarnDock - Add buttons";
        toolbar.Add(info);
    } else {
        toolbar.SetVisible(true);
    }
    Form_Resize();
}

void frmTarnDock::Form_Resize() {
    Window& window = controls_.window;
    const Rect rect = window.WindowRect();
    if (const auto size = EnforcedBarSize({rect.Width(), rect.Height()}, services_.screen.TwipsPerPixelX(),
                                          services_.screen.TwipsPerPixelY())) {
        window.Move({rect.left, rect.top, rect.left + size->cx, rect.top + size->cy});
    }
    const Size client = window.ClientSize();
    Toolbar& toolbar = controls_.toolbar;
    toolbar.Move(ToolbarBounds(client, toolbar.Bounds().left));
    Control& hint = controls_.picHint;
    if (!HintNeeded(toolbar.Bounds().Height(), toolbar.ButtonHeight(), client.cy)) {
        hint.SetVisible(false);
    } else {
        const Rect bounds = hint.Bounds();
        hint.Move({bounds.left, client.cy - bounds.Height(), bounds.right, client.cy});
        hint.SetVisible(true);
    }
}

void frmTarnDock::Form_Paint() {
    if (solid_) DrawGrip();
}

void frmTarnDock::DrawGrip() {
    Canvas& form = controls_.form;
    const Size client = form.ClientSize();
    const int w = client.cx - 2;
    const int h = client.cy - 2;
    for (int x = 0; x <= w; x += 4) {
        for (int y = 0; y <= h; y += 4) {
            form.SetPixel(x, y, SysColour::Highlight3D);
            form.SetPixel(x + 1, y + 1, SysColour::ButtonShadow);
        }
    }
}

void frmTarnDock::tmrMouse_Timer() {
    const TickInput input{services_.screen.CursorPos(), controls_.window.WindowRect(), solid_, popupOpen_};
    const TickSettings tickSettings{settings.Delay, settings.NoDelayOnScreenBorder, settings.OnScreenBoderOnly};
    BarTickEnvironment env(services_.clock, services_.screen);
    switch (DecideTick(tick_, input, tickSettings, env)) {
        case TickAction::TurnSolid: TurnSolid(); break;
        case TickAction::TurnSeeThrough: TurnSeeThrough(); break;
        case TickAction::None: break;
    }
}

void frmTarnDock::TurnSolid() {
    controls_.form.SetBackground(SysColour::ButtonFace);
    controls_.window.SetExStyle(kSolidStyle);
    controls_.form.Clear();
    DrawGrip();
    controls_.form.Refresh();
    controls_.window.SetLayeredAttributes(kNoColourKey, ClampAlpha(settings.MaxAlpha), kLwaAlpha);
    solid_ = true;
}

void frmTarnDock::TurnSeeThrough() {
    controls_.form.SetBackground(colourKey_);
    controls_.window.SetExStyle(kSeeThroughStyle);
    controls_.window.SetLayeredAttributes(colourKey_, ClampAlpha(settings.Alpha), kLwaColourKey | kLwaAlpha);
    controls_.form.Clear();
    controls_.form.Refresh();
    solid_ = false;
}

void frmTarnDock::SetAlpha(int TempAlpha) {
    if (solid_) return;
    controls_.window.SetLayeredAttributes(colourKey_, ClampAlpha(TempAlpha), kLwaColourKey | kLwaAlpha);
}

void frmTarnDock::Form_MouseDown(int button, int /*shift*/, int x, int y) {
    if (button != kRightButton) {
        moveGrab_ = {x, y};
        return;
    }
    ShowContextMenu();
}

void frmTarnDock::Form_MouseMove(int button, int /*shift*/, int x, int y) {
    if (button == kLeftButton) {
        // The grab point stays under the pointer; the bar is put back on the screen at the next start.
        const Rect r = controls_.window.WindowRect();
        const int dx = x - moveGrab_.x;
        const int dy = y - moveGrab_.y;
        if (dx != 0 || dy != 0) controls_.window.Move({r.left + dx, r.top + dy, r.right + dx, r.bottom + dy});
    } else if (button == 0) {
        if (tip_ != nullptr) tip_->HideTip();
        HoverIndex = -1;
        DragOverIndex = -1;
    }
}

void frmTarnDock::StartFile(std::string& Path) {
    if (Path.empty()) {
        RunCommand(BarCommand::EditFolder);
    } else if (services_.fs.FileExists(Path)) {
        services_.shell.Open(Path, LaunchParameters);
    } else {
        services_.messageBox.Show("File not found:\r\n" + Path, "TarnDock Error", MessageIcon::Critical);
    }
    LaunchParameters.clear();
}

void frmTarnDock::Toolbar_ButtonClick(int index) {
    if (index < 1 || index > controls_.toolbar.Count()) return;
    const ButtonRecord& button = controls_.toolbar.Button(index);
    if (button.style != ButtonStyle::DropDown) {
        std::string path = button.tag;
        StartFile(path);
        return;
    }
    // A click that arrives within 0.3 s after this button's menu closed only closes it.
    const std::int64_t now = services_.clock.NowMs();
    if (!(index == lastMenuIndex_ && now <= lastMenuClickMs_ + 300)) ShowButtonMenu(index);
    lastMenuClickMs_ = services_.clock.NowMs();
    lastMenuIndex_ = index;
}

void frmTarnDock::Toolbar_ButtonDropDown(int index) {
    if (index >= 1 && index <= controls_.toolbar.Count()) ShowButtonMenu(index);
}

int frmTarnDock::ButtonAtPoint(int x, int y) const {
    const Toolbar& toolbar = controls_.toolbar;
    for (int i = 1; i <= toolbar.Count(); ++i) {
        const Rect r = toolbar.ButtonRect(i);
        if (r.left <= x + 1 && x + 1 <= r.right && r.top <= y && y <= r.bottom) return i;
    }
    return -1;
}

void frmTarnDock::EnableNonDropButtons(bool enabled) {
    Toolbar& toolbar = controls_.toolbar;
    for (int i = 1; i <= toolbar.Count(); ++i) {
        if (toolbar.Button(i).description.empty()) toolbar.SetEnabled(i, enabled);
    }
}

void frmTarnDock::Toolbar_MouseMove(int /*button*/, int /*shift*/, double x, double y) {
    if (tip_ == nullptr) return;
    const int index = ButtonAtPoint(Round(x / services_.screen.TwipsPerPixelX()), Round(y / services_.screen.TwipsPerPixelY()));
    if (index < 0) {
        tip_->HideTip();
        HoverIndex = -1;
        return;
    }
    if (tip_->Visible() && index == HoverIndex) {
        tip_->NewMousePos();
        return;
    }
    const ButtonRecord& button = controls_.toolbar.Button(index);
    const auto menu = MenuDics.find(index);
    const auto text = HoverTipText(button, menu == MenuDics.end() ? nullptr : &menu->second, TipPrefix,
                                   [this](const std::string& name) { return GetDisplayName(name); });
    if (text) {
        tip_->ShowTip(*text);
    } else {
        tip_->HideTip();
    }
    HoverIndex = index;
}

int frmTarnDock::OLEDragOver(bool hasFiles, int button, int shift, Point point, DragState state) {
    Toolbar& toolbar = controls_.toolbar;
    int effect = kDropEffectNone;
    int index = -1;
    if (hasFiles) {
        if (state != DragState::Leave) {
            index = ButtonAtPoint(point.x, point.y);
            if (index > 0) {
                const std::string& description = toolbar.Button(index).description;
                if (description != "SEP" && !description.empty()) effect = kDropEffectMove;
            }
        }
        if (state == DragState::Enter) EnableNonDropButtons(false);
        if (state == DragState::Leave) {
            EnableNonDropButtons(true);
            DragOverIndex = -1;
        }
    }
    const double tx = services_.screen.TwipsPerPixelX();
    const double ty = services_.screen.TwipsPerPixelY();
    if (effect == kDropEffectMove) {
        if (index == DragOverIndex) {
            if (tip_ != nullptr) tip_->NewMousePos();
        } else {
            DragOverIndex = index;
            for (int i = 1; i <= toolbar.Count(); ++i) {
                const bool pressed = i == index && state != DragState::Leave;
                if (toolbar.Button(i).pressed != pressed) toolbar.SetPressed(i, pressed);
            }
            TipPrefix = "Open with";
            Toolbar_MouseMove(button, shift, point.x * tx, point.y * ty);
            TipPrefix.clear();
        }
    } else {
        for (int i = 1; i <= toolbar.Count(); ++i) {
            if (toolbar.Button(i).pressed) toolbar.SetPressed(i, false);
        }
        if (point.x > 0) Toolbar_MouseMove(button, shift, point.x * tx, point.y * ty);
        DragOverIndex = -1;
    }
    return effect;
}

int frmTarnDock::Form_OLEDragOver(DragState state) {
    if (state == DragState::Enter) EnableNonDropButtons(false);
    if (state == DragState::Leave) EnableNonDropButtons(true);
    return kDropEffectNone;
}

void frmTarnDock::OLEDragDrop(const std::vector<std::string>& files, int /*button*/, int /*shift*/, Point point) {
    if (files.empty()) return;
    std::vector<std::string> targets;
    targets.reserve(files.size());
    for (const std::string& file : files) targets.push_back(services_.shell.GetLinkTarget(file));
    LaunchParameters = JoinArguments(targets);
    const int index = ButtonAtPoint(point.x, point.y);
    // The drag is over: the next one starts afresh, with its own "Open with" tip.
    DragOverIndex = -1;
    if (index < 0) {
        // A drop beside the buttons starts nothing, and must not hand its files to the next click.
        LaunchParameters.clear();
        EnableNonDropButtons(true);
        return;
    }
    if (controls_.toolbar.Button(index).style == ButtonStyle::DropDown) {
        controls_.form.Refresh();
        ShowButtonMenu(index);
    } else {
        std::string path = controls_.toolbar.Button(index).tag;
        StartFile(path);
    }
    if (index <= controls_.toolbar.Count()) controls_.toolbar.SetPressed(index, false);
    EnableNonDropButtons(true);
}

void frmTarnDock::ShowButtonMenu(int index) {
    if (menu_ == nullptr) return;
    const Toolbar& toolbar = controls_.toolbar;
    const Rect buttonRect = toolbar.ButtonRect(index);
    static const ItemDictionary kNoItems;
    const auto found = MenuDics.find(index);
    const ItemDictionary& items = found == MenuDics.end() ? kNoItems : found->second;
    std::vector<MenuItem> built = BuildMenuItems(
        items, !LaunchParameters.empty(), [this](const std::string& name) { return GetDisplayName(name); },
        [this](const std::string& path) { return IsProgramFile(path); }, menu_->mnuItem);
    // An empty menu offers to open the button folder, whatever the menu shown before held.
    menu_->mnuItem = built.empty() ? std::vector<MenuItem>{kAddButtonsItem} : std::move(built);

    PopupMenu& popup = controls_.popup;
    std::vector<MenuEntry> entries;
    int widest = 0;
    for (const MenuItem& item : menu_->mnuItem) {
        entries.push_back({item.Caption, item.Enabled, std::nullopt, {}});
        if (item.Caption != "-") widest = std::max(widest, popup.TextWidth(item.Caption));
    }
    if (settings.IconsInMenus && !items.Empty()) {
        const Size bitmap = MenuBitmapSize(widest, popup.TextHeight(kMenuTextSample));
        for (std::size_t n = 0; n < entries.size(); ++n) {
            if (!entries[n].enabled || entries[n].caption == "-") continue;
            entries[n].iconKey = icons_.GetIconKey(menu_->mnuItem[n].Tag);
            entries[n].bitmapSize = bitmap;
        }
    }
    if (tip_ != nullptr) tip_->HideTip();
    popupOpen_ = true;
    const int chosen = popup.Show(entries, MenuAnchor(toolbar.Bounds(), buttonRect));
    if (chosen >= 0) menu_->mnuItem_Click(chosen);
    popupOpen_ = false;
    LaunchParameters.clear();
}

void frmTarnDock::ShowContextMenu() {
    std::vector<MenuEntry> entries;
    for (const std::string& caption : mnuPopCaptions_) entries.push_back({caption, true, std::nullopt, {}});
    popupOpen_ = true;
    const int chosen = controls_.popup.Show(entries, std::nullopt);
    const auto& items = ContextMenuItems();
    // The chosen command runs while the menu still counts as open, as a menu's click handler does.
    if (chosen >= 0 && chosen < static_cast<int>(items.size()) && items[static_cast<std::size_t>(chosen)].command) {
        RunCommand(*items[static_cast<std::size_t>(chosen)].command);
    }
    popupOpen_ = false;
}

void frmTarnDock::Form_KeyDown(int keyCode, int shift) {
    if (keyCode == kMenuKey) {
        ShowContextMenu();
    } else if (const auto command = KeyCommand(keyCode, shift)) {
        RunCommand(*command);
    }
}

void frmTarnDock::RunCommand(BarCommand command) {
    switch (command) {
        case BarCommand::EditFolder: services_.shell.OpenFolder(settings.FolderPath); break;
        case BarCommand::EditOrder:
            if (host_.ShowFoldersToEdit(settings.FolderPath) == 1) FillToolbar();
            break;
        case BarCommand::Options: host_.ShowOptions(); break;
        case BarCommand::Refresh: FillToolbar(); break;
        case BarCommand::Help: host_.ShowHelp(); break;
        case BarCommand::Minimize:
            if (menu_ != nullptr) menu_->Minimize();
            break;
        case BarCommand::End: QuitProgram(); break;
    }
}

}  // namespace tarn
