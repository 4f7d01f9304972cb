// What the program writes reads back as written, for every value a stored file can hold.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeTextCodec.h"
#include "model/OrderFile.h"
#include "settings/SettingsFile.h"

namespace tarn {
namespace {

constexpr const char* kFile = "C:\\T\\TarnDock.ini";

struct Store {
    bool Write() { return WriteSettingsFile(kFile, settings, placement, fs, codec); }
    Settings ReadBack() {
        Settings read;
        Placement place;
        ReadSettingsFile({kFile, "C:\\T\\Buttons"}, read, place, fs, codec);
        return read;
    }
    fakes::FakeFileSystem fs;
    fakes::FakeTextCodec codec;
    Settings settings;
    Placement placement;
};

TEST(WrittenReadsBack, EveryDelayTheIntegerReaderCanReturn) {
    static constexpr int kDelays[] = {INT_MIN, -1661993000, -1,       0,          1,           200,    8192011,
                                      8388609, 9999999,     10000000, 1661993000, INT_MAX - 1, INT_MAX};
    for (const int ms : kDelays) {
        Store store;
        store.fs.AddFile(kFile, "[Settings]\r\nDelay=" + std::to_string(ms) + "\r\n");
        store.settings = store.ReadBack();
        ASSERT_TRUE(store.Write());
        EXPECT_EQ(std::llround(store.ReadBack().Delay * 1000.0), ms) << *store.fs.Bytes(kFile);
    }
}

TEST(WrittenReadsBack, CodePageTextThatBeginsLikeAByteOrderMark) {
    // "ÿþ" and "ï»¿" in Windows-1252 are the bytes of the UTF-16 and UTF-8 marks. The file holds them in UTF-8;
    // everything in it fits the code page, which must not be chosen then.
    for (const std::string first : {"\xC3\xBF\xC3\xBE comment", "\xC3\xAF\xC2\xBB\xC2\xBF[Mine]"}) {
        Store store;
        store.fs.AddFile(kFile, "\xEF\xBB\xBF" + first + "\r\n[Settings]\r\nAlpha=77\r\n");
        store.settings = store.ReadBack();
        store.settings.FolderPath = "C:\\Caf\xC3\xA9";
        ASSERT_TRUE(store.Write());
        const Settings read = store.ReadBack();
        EXPECT_EQ(read.FolderPath, "C:\\Caf\xC3\xA9");
        EXPECT_EQ(read.Alpha, 77);
    }
    // An order file's names take the same rule, behind its header line.
    fakes::FakeTextCodec codec;
    const std::vector<std::string> names = {"\xC3\xBF\xC3\xBE.lnk", "a.lnk"};
    EXPECT_EQ(ParseOrderFile(FormatOrderFile(names, codec), codec), names);
}

}  // namespace
}  // namespace tarn
