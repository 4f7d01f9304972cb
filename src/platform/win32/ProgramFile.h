#pragma once
#include <string>

namespace tarn::win32 {

// The full path of the running program file, and the folder it lies in.
std::wstring ProgramPath();
std::string ProgramFolder();

// The absolute form of a path: relative parts resolved against the current directory; the path itself when it
// cannot be resolved.
std::string FullPath(const std::string& path);

}  // namespace tarn::win32
