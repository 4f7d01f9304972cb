#include "bar/frmTarnDock.h"

#include <algorithm>

#include "bar/BarLayout.h"
#include "bar/BarTexts.h"
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
#include "settings/SettingsFile.h"
#include "settings/WindowPlacement.h"

namespace tarn {
namespace {

int ClampAlpha(int alpha) { return std::clamp(alpha, 0, 255); }

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

frmTarnDock::frmTarnDock(const BarServices& services, const BarControls& controls, ProgramHost& host, frmMenu& menu,
                         frmToolTip& tip)
    : services_(services),
      controls_(controls),
      host_(host),
      menu_(menu),
      tip_(tip),
      icons_(services.shell, controls.picBox, controls.ilIcons) {}

void frmTarnDock::Form_Load() {
    icons_.MakeSeparatorImage();
    mnuPopCaptions_.clear();
    for (const auto& command : ContextMenuCommands())
        mnuPopCaptions_.push_back(command ? CommandCaption(*command) : "-");
    settings_ = Settings{};
    location_ = FindSettingsLocation(services_.shell, services_.fs, services_.programFolder);
    CreateDirectoryPath(services_.fs, location_.settingsFile);
    LoadSettings();
    colourKey_ = controls_.picBox.GetPixel(1, 1);
    controls_.window.SetTopmost();
    controls_.window.SetSeeThrough(colourKey_, ClampAlpha(settings_.Alpha));
    controls_.form.SetBackground(colourKey_);
    launchParameters_.clear();
    PrepareHint();
    FillToolbar();
    hoverIndex_ = -1;
    dragOverIndex_ = -1;
    tip_.Form_Load();
}

void frmTarnDock::LoadSettings() {
    Placement placement = CurrentPlacement();
    ReadSettingsFile(location_, settings_, placement, services_.fs, services_.codec);
    PlaceWindowOnScreen(controls_.window, services_.screen, placement, true);
}

Placement frmTarnDock::CurrentPlacement() const {
    const Rect r = controls_.window.WindowRect();
    const TwipScale twips = services_.screen.Twips();
    return {twips.TwipsX(r.left), twips.TwipsY(r.top), twips.TwipsX(r.Width()), twips.TwipsY(r.Height())};
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
    for (const FormName form :
         {FormName::frmHelp, FormName::frmSelectFolder, FormName::frmFoldersToEdit, FormName::frmEditOrder,
          FormName::frmTarnOptions, FormName::frmToolTip, FormName::frmMenu}) {
        host_.UnloadWindow(form);
    }
    Form_Unload();
    host_.EndProgram();
}

void frmTarnDock::StoreSettings() {
    WriteSettingsFile(location_.settingsFile, settings_, CurrentPlacement(), services_.fs, services_.codec);
    SaveFileDic();
}

void frmTarnDock::SaveFileDic() {
    FileSystem& fs = services_.fs;
    if (fs.FolderExists(settings_.FolderPath)) {
        WriteFileDic(fileDic_, JoinPath(settings_.FolderPath, kOrderFileName), fs, services_.codec);
    }
    const Toolbar& toolbar = controls_.toolbar;
    for (int i = 1; i <= toolbar.Count(); ++i) {
        const ButtonRecord& button = toolbar.Button(i);
        if (button.style != ButtonStyle::DropDown || button.tag.empty() || !fs.FolderExists(button.tag)) continue;
        const auto menu = menuDics_.find(i);
        if (menu != menuDics_.end()) {
            // A folder that cannot be written is skipped; the others are still written.
            WriteFileDic(menu->second, JoinPath(button.tag, kOrderFileName), fs, services_.codec);
        }
    }
}

std::string frmTarnDock::GetDisplayName(const std::string& path) const {
    std::string name = FileNamePart(path);
    if (!settings_.ShortcutLNK && AsciiLower(ExtensionOf(name)) == "lnk") name.resize(name.size() - 4);
    return name;
}

bool frmTarnDock::IsProgramFile(const std::string& path) {
    return services_.shell.IsExecutable(services_.shell.GetLinkTarget(path));
}

void frmTarnDock::FillToolbar() {
    Toolbar& toolbar = controls_.toolbar;
    FileSystem& fs = services_.fs;
    if (fs.FolderExists(settings_.FolderPath)) {
        toolbar.Clear();
        menuDics_.clear();
        LoadFileDic(fileDic_, settings_.FolderPath, fs, services_.codec);
        // Each shortcut is resolved once per build; the next build sees a changed one.
        LinkTargetCache links(services_.shell);
        GroupFinder groups(settings_.FileGrouping, links);
        for (const auto& entry : fileDic_) {
            ButtonRecord button;
            if (entry.value == kSeparatorValue) {
                button.image = "sep";
                button.kind = ButtonKind::Separator;
                button.enabled = false;
            } else {
                const std::string& path = entry.value;
                button.image = icons_.GetIconKey(path);
                const int group = groups.FindGroupButton(path, button.image);
                if (group != -1) {
                    const ButtonRecord& first = toolbar.Button(group);
                    ItemDictionary& members = menuDics_[group];
                    if (first.style != ButtonStyle::DropDown) {
                        toolbar.SetStyle(group, ButtonStyle::DropDown);
                        members.Clear();
                        members.Add(FileNamePart(first.tag), first.tag);
                    }
                    members.Add(entry.key, path);
                    continue;
                }
                button.tag = path;
                if (services_.shell.IsExecutable(links.Target(path))) button.kind = ButtonKind::Program;
            }
            groups.ButtonAdded(toolbar.Add(button), button);
        }
        for (int i = 1; i <= toolbar.Count(); ++i) {
            if (toolbar.Button(i).style == ButtonStyle::DropDown) toolbar.SetTag(i, "");
        }
        for (const std::string& name : fs.ListFolders(settings_.FolderPath)) {
            ButtonRecord button;
            button.style = ButtonStyle::DropDown;
            button.tag = JoinPath(settings_.FolderPath, name);
            button.image = icons_.GetIconKey(button.tag);
            button.kind = ButtonKind::Folder;
            const int index = toolbar.Add(button);
            LoadFileDic(menuDics_[index], button.tag, fs, services_.codec);
        }
    }
    if (toolbar.Count() == 0) {
        ButtonRecord info;
        info.kind = ButtonKind::Info;
        info.caption = texts::kInfoButton;
        toolbar.Add(info);
    } else {
        toolbar.SetVisible(true);
    }
    Form_Resize();
}

void frmTarnDock::Form_Resize() {
    Window& window = controls_.window;
    const Rect rect = window.WindowRect();
    if (const auto size = EnforcedBarSize({rect.Width(), rect.Height()}, services_.screen.Twips())) {
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
    const TickSettings tickSettings{settings_.Delay, settings_.NoDelayOnScreenBorder, settings_.OnScreenBoderOnly};
    BarTickEnvironment env(services_.clock, services_.screen);
    switch (DecideTick(tick_, input, tickSettings, env)) {
        case TickAction::TurnSolid: TurnSolid(); break;
        case TickAction::TurnSeeThrough: TurnSeeThrough(); break;
        case TickAction::None: break;
    }
}

void frmTarnDock::TurnSolid() {
    controls_.form.SetBackground(SysColour::ButtonFace);
    controls_.window.SetSolid(ClampAlpha(settings_.MaxAlpha));
    controls_.form.Clear();
    DrawGrip();
    controls_.form.Refresh();
    solid_ = true;
}

void frmTarnDock::TurnSeeThrough() {
    controls_.form.SetBackground(colourKey_);
    controls_.window.SetSeeThrough(colourKey_, ClampAlpha(settings_.Alpha));
    controls_.form.Clear();
    controls_.form.Refresh();
    solid_ = false;
}

void frmTarnDock::SetAlpha(int tempAlpha) {
    if (solid_) return;
    controls_.window.SetSeeThrough(colourKey_, ClampAlpha(tempAlpha));
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
        tip_.HideTip();
        hoverIndex_ = -1;
        dragOverIndex_ = -1;
    }
}

void frmTarnDock::StartFile(const std::string& path) {
    if (path.empty()) {
        RunCommand(BarCommand::EditFolder);
    } else if (services_.fs.FileExists(path)) {
        services_.shell.Open(path, launchParameters_);
    } else {
        services_.messageBox.Show(std::string(texts::kFileNotFound) + "\r\n" + path, texts::kErrorTitle,
                                  MessageIcon::Critical);
    }
    launchParameters_.clear();
}

void frmTarnDock::Toolbar_ButtonClick(int index) {
    if (index < 1 || index > controls_.toolbar.Count()) return;
    const ButtonRecord& button = controls_.toolbar.Button(index);
    if (button.style != ButtonStyle::DropDown) {
        StartFile(std::string(button.tag));  // a copy: the record may change while the file starts
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
        if (toolbar.Button(i).kind == ButtonKind::File) toolbar.SetEnabled(i, enabled);
    }
}

void frmTarnDock::Toolbar_MouseMove(int /*button*/, int /*shift*/, double x, double y) {
    const TwipScale twips = services_.screen.Twips();
    const int index = ButtonAtPoint(twips.PixelsX(x), twips.PixelsY(y));
    if (index < 0) {
        tip_.HideTip();
        hoverIndex_ = -1;
        return;
    }
    if (tip_.Visible() && index == hoverIndex_) {
        tip_.NewMousePos();
        return;
    }
    const ButtonRecord& button = controls_.toolbar.Button(index);
    const auto menu = menuDics_.find(index);
    const auto text = HoverTipText(button, menu == menuDics_.end() ? nullptr : &menu->second, tipPrefix_,
                                   [this](const std::string& name) { return GetDisplayName(name); });
    if (text) {
        tip_.ShowTip(*text);
    } else {
        tip_.HideTip();
    }
    hoverIndex_ = index;
}

DropEffect frmTarnDock::OLEDragOver(bool hasFiles, int button, int shift, Point point, DragState state) {
    Toolbar& toolbar = controls_.toolbar;
    DropEffect effect = DropEffect::None;
    int index = -1;
    if (hasFiles) {
        if (state != DragState::Leave) {
            index = ButtonAtPoint(point.x, point.y);
            if (index > 0) {
                const ButtonKind kind = toolbar.Button(index).kind;
                if (kind != ButtonKind::Separator && kind != ButtonKind::File) effect = DropEffect::Move;
            }
        }
        if (state == DragState::Enter) EnableNonDropButtons(false);
        if (state == DragState::Leave) {
            EnableNonDropButtons(true);
            dragOverIndex_ = -1;
        }
    }
    const TwipScale twips = services_.screen.Twips();
    if (effect == DropEffect::Move) {
        if (index == dragOverIndex_) {
            tip_.NewMousePos();
        } else {
            dragOverIndex_ = index;
            for (int i = 1; i <= toolbar.Count(); ++i) {
                const bool pressed = i == index && state != DragState::Leave;
                if (toolbar.Button(i).pressed != pressed) toolbar.SetPressed(i, pressed);
            }
            tipPrefix_ = texts::kOpenWith;
            Toolbar_MouseMove(button, shift, point.x * twips.perPixelX, point.y * twips.perPixelY);
            tipPrefix_.clear();
        }
    } else {
        ReleasePressedButtons();
        if (point.x > 0) Toolbar_MouseMove(button, shift, point.x * twips.perPixelX, point.y * twips.perPixelY);
        dragOverIndex_ = -1;
    }
    return effect;
}

DropEffect frmTarnDock::Form_OLEDragOver(DragState state) {
    if (state == DragState::Enter) EnableNonDropButtons(false);
    if (state == DragState::Leave) EnableNonDropButtons(true);
    return DropEffect::None;
}

void frmTarnDock::ReleasePressedButtons() {
    Toolbar& toolbar = controls_.toolbar;
    for (int i = 1; i <= toolbar.Count(); ++i) {
        if (toolbar.Button(i).pressed) toolbar.SetPressed(i, false);
    }
}

void frmTarnDock::OLEDragDrop(const std::vector<std::string>& files, int /*button*/, int /*shift*/, Point point) {
    // A drop beside the buttons, or one whose data handed over no file, starts nothing.
    const int index = files.empty() ? -1 : ButtonAtPoint(point.x, point.y);
    // The drag is over: the next one starts afresh, with its own "Open with" tip.
    dragOverIndex_ = -1;
    if (index > 0) {
        std::vector<std::string> targets;
        targets.reserve(files.size());
        for (const std::string& file : files) targets.push_back(services_.shell.GetLinkTarget(file));
        launchParameters_ = JoinArguments(targets);
        const ButtonRecord& target = controls_.toolbar.Button(index);
        if (target.style == ButtonStyle::DropDown) {
            controls_.form.Refresh();
            ShowButtonMenu(index);
        } else {
            StartFile(std::string(target.tag));
        }
    }
    // Whatever happened, the dropped files must not reach the next click, and every drag ends the same way.
    launchParameters_.clear();
    ReleasePressedButtons();
    EnableNonDropButtons(true);
}

void frmTarnDock::ShowButtonMenu(int index) {
    const Toolbar& toolbar = controls_.toolbar;
    const Rect buttonRect = toolbar.ButtonRect(index);
    static const ItemDictionary kNoItems;
    const auto found = menuDics_.find(index);
    const ItemDictionary& items = found == menuDics_.end() ? kNoItems : found->second;
    std::vector<MenuItem> built = BuildMenuItems(
        items, !launchParameters_.empty(), [this](const std::string& name) { return GetDisplayName(name); },
        [this](const std::string& path) { return IsProgramFile(path); }, menu_.mnuItem);
    // An empty menu offers to open the button folder, whatever the menu shown before held.
    menu_.mnuItem = built.empty() ? std::vector<MenuItem>{AddButtonsItem()} : std::move(built);

    PopupMenu& popup = controls_.popup;
    std::vector<MenuItem>& entries = menu_.mnuItem;
    if (settings_.IconsInMenus && !items.Empty()) {
        int widest = 0;
        for (const MenuItem& item : entries) {
            if (item.caption != "-") widest = std::max(widest, popup.TextWidth(item.caption));
        }
        const Size bitmap = MenuBitmapSize(widest, popup.TextHeight(kMenuTextSample));
        for (MenuItem& item : entries) {
            if (!item.enabled || item.caption == "-") continue;
            item.iconKey = icons_.GetIconKey(item.tag);
            item.bitmapSize = bitmap;
        }
    }
    tip_.HideTip();
    popupOpen_ = true;
    const int chosen = popup.Show(entries, MenuAnchor(toolbar.Bounds(), buttonRect));
    if (chosen >= 0) menu_.mnuItem_Click(chosen);
    popupOpen_ = false;
    launchParameters_.clear();
}

void frmTarnDock::ShowContextMenu() {
    std::vector<MenuItem> entries;
    for (const std::string& caption : mnuPopCaptions_) entries.push_back({caption, {}, true, std::nullopt, {}});
    popupOpen_ = true;
    const int chosen = controls_.popup.Show(entries, std::nullopt);
    const auto commands = ContextMenuCommands();
    // The chosen command runs while the menu still counts as open, as a menu's click handler does.
    if (chosen >= 0 && chosen < static_cast<int>(commands.size()) && commands[static_cast<std::size_t>(chosen)]) {
        RunCommand(*commands[static_cast<std::size_t>(chosen)]);
    }
    popupOpen_ = false;
}

void frmTarnDock::Form_KeyDown(Key key, int shift) {
    if (key == Key::Menu) {
        ShowContextMenu();
    } else if (const auto command = KeyCommand(key, shift)) {
        RunCommand(*command);
    }
}

void frmTarnDock::RunCommand(BarCommand command) {
    switch (command) {
        case BarCommand::EditFolder: services_.shell.OpenFolder(settings_.FolderPath); break;
        case BarCommand::EditOrder:
            if (host_.ShowFoldersToEdit(settings_.FolderPath) == 1) FillToolbar();
            break;
        case BarCommand::Options: host_.ShowOptions(); break;
        case BarCommand::Refresh: FillToolbar(); break;
        case BarCommand::Help: host_.ShowHelp(); break;
        case BarCommand::Minimize: menu_.Minimize(); break;
        case BarCommand::End: QuitProgram(); break;
    }
}

}  // namespace tarn
