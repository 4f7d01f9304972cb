// The folder model as one build of the bar drives it: the scan with its order file, then per entry the icon key,
// the group search and the new button. Time is reported per file; it should not grow with the folder.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fakes/FakeControls.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeServices.h"
#include "fakes/FakeTextCodec.h"
#include "model/Grouping.h"
#include "model/IconCache.h"
#include "model/ItemDictionary.h"
#include "model/ModelNames.h"
#include "model/OrderFile.h"
#include "platform/Text.h"

namespace {

using namespace tarn;

constexpr const char* kFolder = "C:\\Users\\me\\AppData\\Local\\TarnDock\\Buttons";
constexpr int kSeparatorEvery = 40;  // order file lines between two separators

enum class Icons { Mixed, AllDistinct };

constexpr const char* kTargets[] = {"C:\\Programs\\app.exe", "C:\\Docs\\report.pdf", "C:\\Users\\me\\Music"};

// The number N of a file named "File N.ext".
int NumberOf(const std::string& path) {
    const auto start = path.rfind("File ") + 5;
    return std::atoi(path.c_str() + start);
}

// A button folder of n files: a quarter shortcuts to programs, documents or folders, the rest of a few types.
struct Folder {
    Folder(int n, Icons icons) {
        static const char* const kExtensions[] = {"txt", "exe", "pdf", "url", "bat", "doc", "png"};
        fs.AddFolder(kFolder);
        std::vector<std::string> names;
        for (int i = 0; i < n; ++i) {
            const std::string number = std::to_string(i);
            const bool shortcut = i % 4 == 0;
            const std::string name =
                "File " + number + "." + (shortcut ? std::string("lnk") : std::string(kExtensions[i % 7]));
            const std::string path = JoinPath(kFolder, name);
            fs.AddFile(path);
            names.push_back(name);
        }
        // Targets and icons follow from the file's number, so that the doubles' own tables stay small.
        shell.linkRule = [](const std::string& path) -> std::optional<std::string> {
            if (!path.ends_with(".lnk")) return std::nullopt;
            const int i = NumberOf(path);
            return std::string(kTargets[i % 3]) + (i % 3 == 2 ? std::to_string(i) : "");
        };
        if (icons == Icons::AllDistinct) {
            shell.iconRule = [](const std::string& path) -> std::optional<int> { return 100 + NumberOf(path); };
        }
        shell.iconByExtension = {{"txt", 1}, {"exe", 2}, {"pdf", 3}, {"url", 4},
                                 {"bat", 5}, {"doc", 6}, {"png", 7}, {"lnk", 8}};
        // Half the files in reverse order, with separators between them; the rest follow in listing order.
        std::vector<std::string> lines;
        for (int i = n - 1, k = 0; i >= n / 2; --i, ++k) {
            if (k % kSeparatorEvery == 0) lines.emplace_back(kSeparatorValue);
            lines.push_back(names[static_cast<std::size_t>(i)]);
        }
        lines.emplace_back(kSeparatorValue);
        fs.AddFile(JoinPath(kFolder, kOrderFileName), FormatOrderFile(lines, codec));
    }
    fakes::FakeFileSystem fs;
    fakes::FakeTextCodec codec;
    fakes::FakeShell shell;
};

// The button folder's part of a build, as the bar runs it; returns the number of buttons.
int Build(Folder& folder, int fileGrouping, IconCache& icons, fakes::FakeToolbar& toolbar) {
    ItemDictionary fileDic;
    std::map<int, ItemDictionary> menuDics;
    toolbar.Clear();
    LoadFileDic(fileDic, kFolder, folder.fs, folder.codec);
    LinkTargetCache links(folder.shell);
    links.Reserve(static_cast<std::size_t>(fileDic.Count()));
    GroupFinder finder(fileGrouping, links);
    for (const ItemEntry& entry : fileDic) {
        ButtonRecord button;
        if (entry.IsSeparator()) {
            button.image = "sep";
            button.kind = ButtonKind::Separator;
            button.enabled = false;
            finder.ButtonAdded(toolbar.Add(button), button);
            continue;
        }
        const std::string iconKey = icons.GetIconKey(entry.value);
        const int group = finder.FindGroupButton(entry.value, iconKey);
        if (group == -1) {
            button.image = iconKey;
            button.tag = entry.value;
            if (folder.shell.IsExecutable(links.Target(entry.value))) button.kind = ButtonKind::Program;
            finder.ButtonAdded(toolbar.Add(button), button);
            continue;
        }
        if (toolbar.Button(group).style != ButtonStyle::DropDown) {
            toolbar.SetStyle(group, ButtonStyle::DropDown);
            const std::string& first = toolbar.Button(group).tag;
            menuDics[group].Add(FileNamePart(first), first);
        }
        menuDics[group].Add(entry.key, entry.value);
    }
    return toolbar.Count();
}

void BM_BuildButtonFolder(benchmark::State& state) {
    const int files = static_cast<int>(state.range(0));
    const int fileGrouping = static_cast<int>(state.range(1));
    const Icons icons = state.range(2) == 0 ? Icons::Mixed : Icons::AllDistinct;
    Folder folder(files, icons);
    int buttons = 0;
    for (auto _ : state) {
        // A fresh image list each time: the first build of a run, which also draws every picture.
        fakes::FakeCanvas picBox({18, 18});
        fakes::FakeImageList ilIcons;
        fakes::FakeToolbar toolbar;
        IconCache cache(folder.shell, picBox, ilIcons);
        buttons = Build(folder, fileGrouping, cache, toolbar);
        benchmark::DoNotOptimize(buttons);
    }
    state.SetItemsProcessed(state.iterations() * files);
    state.counters["per_file"] =
        benchmark::Counter(files, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["buttons"] = buttons;
}

// The same calls of the test doubles without the model between them: what of the time per file is theirs.
void BM_FakesAlone(benchmark::State& state) {
    const int files = static_cast<int>(state.range(0));
    Folder folder(files, state.range(1) == 0 ? Icons::Mixed : Icons::AllDistinct);
    ItemDictionary fileDic;
    LoadFileDic(fileDic, kFolder, folder.fs, folder.codec);
    for (auto _ : state) {
        benchmark::DoNotOptimize(folder.fs.ListFiles(kFolder));
        benchmark::DoNotOptimize(folder.fs.ReadFile(JoinPath(kFolder, kOrderFileName)));
        fakes::FakeCanvas picBox({18, 18});
        fakes::FakeImageList ilIcons;
        fakes::FakeToolbar toolbar;
        for (const ItemEntry& entry : fileDic) {
            if (entry.IsSeparator()) continue;
            const int index = folder.shell.SmallIconIndex(entry.value);
            std::string key = "I";
            key += std::to_string(index);
            if (!ilIcons.Has(key)) {
                picBox.Clear();
                picBox.DrawSystemSmallIcon(index, 0, 0);
                ilIcons.Add(key, picBox);
            }
            ButtonRecord button;
            button.image = key;
            button.tag = entry.value;
            if (folder.shell.IsExecutable(folder.shell.GetLinkTarget(entry.value))) button.kind = ButtonKind::Program;
            toolbar.Add(button);
        }
        benchmark::DoNotOptimize(toolbar.Count());
    }
    state.counters["per_file"] =
        benchmark::Counter(files, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_FakesAlone)
    ->ArgNames({"files", "distinct_icons"})
    ->ArgsProduct({{100, 1000, 10000}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_BuildButtonFolder)
    ->ArgNames({"files", "grouping", "distinct_icons"})
    ->ArgsProduct({{100, 1000, 10000}, {0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
