#include <gtest/gtest.h>

#include <windows.h>

#include <objbase.h>

int wmain(int argc, wchar_t** argv) {
    // Shell links and the shell's automation need COM, as in the program.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
