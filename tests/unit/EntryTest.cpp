#include <gtest/gtest.h>

#include "app/Entry.h"
#include "fakes/FakeServices.h"
#include "fakes/FakeTextCodec.h"

namespace tarn {
namespace {

TEST(Entry, OneMutexNamePerInstallationInTheUsersSession) {
    fakes::FakeTextCodec codec;
    const std::string a = InstanceMutexName(codec.FoldCase("C:\\Tools\\TarnDock\\TarnDock.exe"));
    EXPECT_EQ(a, InstanceMutexName(codec.FoldCase("c:\\tools\\tarndock\\TARNDOCK.EXE")));
    EXPECT_NE(a, InstanceMutexName(codec.FoldCase("D:\\Other\\TarnDock.exe")));
    EXPECT_TRUE(a.starts_with("Local\\TarnDock-"));
    // A mutex name may hold no backslash beyond its namespace.
    EXPECT_EQ(a.find('\\', 6), std::string::npos);
    EXPECT_EQ(a.size(), std::string("Local\\TarnDock-").size() + 16);
}

TEST(Entry, ASecondStartOnlySaysThatTheProgramIsRunning) {
    fakes::FakeMessageBox messageBox;
    EXPECT_TRUE(EntryMayShowBar(false, "C:\\Tools\\TarnDock.exe", messageBox));
    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_FALSE(EntryMayShowBar(true, "C:\\Tools\\Dock.exe", messageBox));
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0], (fakes::FakeMessageBox::Message{"Program already running.\r\nC:\\Tools\\TarnDock.exe",
                                                                   "TarnDock", MessageIcon::Information}));
}

}  // namespace
}  // namespace tarn
