#pragma once
#include <windows.h>

#include "platform/Keys.h"

namespace tarn::win32 {

// The key of a virtual-key code.
Key KeyFromVirtualKey(WPARAM virtualKey);

// The mouse button mask of a mouse message's wParam, and the shift mask of the keys held now.
int MouseButtons(WPARAM wParam);
int ShiftState();

}  // namespace tarn::win32
