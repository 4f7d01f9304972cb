#include <gtest/gtest.h>

#include "fakes/FakeServices.h"
#include "fakes/FakeTextCodec.h"
#include "main/Entry.h"

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
    EXPECT_EQ(messageBox.shown, 0);
    EXPECT_FALSE(EntryMayShowBar(true, "C:\\Tools\\Dock.exe", messageBox));
    EXPECT_EQ(messageBox.shown, 1);
    EXPECT_EQ(messageBox.text, "Program already running.\r\nC:\\Tools\\TarnDock.exe");
    EXPECT_EQ(messageBox.title, "TarnDock");
}

}  // namespace
}  // namespace tarn
