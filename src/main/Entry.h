#pragma once
#include <string>
#include <string_view>

namespace tarn {

class MessageDialog;

// The name of the mutex that marks a running instance of the program file at this (case-folded) path: one per
// installation, in the user's session. A mutex name may hold no backslash, so the path is hashed.
std::string InstanceMutexName(std::string_view foldedProgramPath);

// The entry's test: with a previous instance running, says so and returns false; else the bar may be shown.
bool EntryMayShowBar(bool previousInstance, std::string_view programPath, MessageDialog& messageBox);

}  // namespace tarn
