#include "settings/SettingsFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <string_view>

#include "platform/Text.h"
#include "settings/IniFile.h"

namespace tarn {
namespace {

constexpr std::string_view kSection = "Settings";
// The marker that stands for "no folder configured"; compared case-sensitively.
constexpr std::string_view kNoFolder = "x";
// The folder path is read into a buffer of 2000 UTF-16 characters, its terminating NUL included.
constexpr std::size_t kFolderPathUnits = 1999;

// The longest prefix of at most `units` UTF-16 code units; a surrogate pair is never split.
std::string_view CutToUtf16Units(std::string_view utf8, std::size_t units) {
    std::size_t i = 0;
    std::size_t used = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 4;
        const std::size_t width = length == 4 ? 2 : 1;
        if (used + width > units) break;
        used += width;
        i = std::min(utf8.size(), i + length);
    }
    return utf8.substr(0, i);
}

int ReadInt(const IniFile& ini, std::string_view key, int defaultValue) {
    return ini.GetInt(kSection, key, defaultValue);
}

bool ReadBool(const IniFile& ini, std::string_view key, bool defaultValue) {
    return ReadInt(ini, key, defaultValue ? -1 : 0) != 0;
}

// Milliseconds in plain decimal notation, to a thousandth at most: the integer reader takes its whole part,
// where an exponent form such as "1e+07" would be read back as 1.
std::string FormatMilliseconds(double seconds) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, seconds * 1000.0, std::chars_format::fixed, 3);
    std::string text(buffer, result.ptr);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string FormatBool(bool value) { return value ? "-1" : "0"; }

IniFile ParseFile(const std::optional<std::string>& bytes, const TextCodec& codec) {
    return bytes ? IniFile(DecodeTextFile(*bytes, codec)) : IniFile();
}

}  // namespace

void ReadSettingsFile(const SettingsLocation& location, Settings& settings, Placement& placement, FileSystem& fs,
                      const TextCodec& codec) {
    IniFile ini;
    try {
        ini = ParseFile(fs.ReadFile(location.settingsFile), codec);
    } catch (const std::exception&) {
        // A file too large to hold is treated like one that cannot be read.
    }

    const std::string folder = ini.Get(kSection, "FolderPath").value_or(std::string(kNoFolder));
    settings.FolderPath = TrimBlanks(CutToUtf16Units(folder, kFolderPathUnits));
    if (settings.FolderPath == kNoFolder) {
        settings.FolderPath = location.defaultButtonFolder;
        CreateDirectoryPath(fs, settings.FolderPath + "\\");
    }

    const int delayMs = ReadInt(ini, "Delay", static_cast<int>(std::lround(settings.Delay * 1000.0)));
    settings.Delay = delayMs / 1000.0;
    settings.Alpha = ReadInt(ini, "Alpha", settings.Alpha);
    settings.NoDelayOnScreenBorder = ReadBool(ini, "NoDelayOnScreenBorder", settings.NoDelayOnScreenBorder);
    settings.OnScreenBoderOnly = ReadBool(ini, "OnScreenBoderOnly", settings.OnScreenBoderOnly);
    settings.FileGrouping = ReadInt(ini, "FileGrouping", settings.FileGrouping);
    settings.IconsInMenus = ReadBool(ini, "IconsInMenus", settings.IconsInMenus);
    settings.ShortcutLNK = ReadBool(ini, "ShortcutLNK", settings.ShortcutLNK);

    placement.left = ReadInt(ini, "Left", placement.left);
    placement.top = ReadInt(ini, "Top", placement.top);
    placement.width = ReadInt(ini, "Width", placement.width);
    placement.height = ReadInt(ini, "Height", placement.height);
}

bool WriteSettingsFile(const std::string& settingsFile, const Settings& settings, const Placement& placement,
                       FileSystem& fs, const TextCodec& codec) {
    try {
        // A file that is there but cannot be read is not replaced: its other sections would be lost.
        const auto bytes = fs.ReadFile(settingsFile);
        if (!bytes && fs.FileExists(settingsFile)) return false;
        IniFile ini = ParseFile(bytes, codec);
        ini.Set(kSection, "FolderPath", settings.FolderPath);
        ini.Set(kSection, "Delay", FormatMilliseconds(settings.Delay));
        ini.Set(kSection, "Alpha", std::to_string(settings.Alpha));
        ini.Set(kSection, "NoDelayOnScreenBorder", FormatBool(settings.NoDelayOnScreenBorder));
        ini.Set(kSection, "OnScreenBoderOnly", FormatBool(settings.OnScreenBoderOnly));
        ini.Set(kSection, "FileGrouping", std::to_string(settings.FileGrouping));
        ini.Set(kSection, "IconsInMenus", FormatBool(settings.IconsInMenus));
        ini.Set(kSection, "ShortcutLNK", FormatBool(settings.ShortcutLNK));
        ini.Set(kSection, "Left", std::to_string(placement.left));
        ini.Set(kSection, "Top", std::to_string(placement.top));
        ini.Set(kSection, "Width", std::to_string(placement.width));
        ini.Set(kSection, "Height", std::to_string(placement.height));
        return fs.WriteFileAtomic(settingsFile, EncodeTextFile(ini.Text(), codec, UnicodeForm::Utf16Le));
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace tarn
