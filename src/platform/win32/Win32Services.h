#pragma once
#include <windows.h>

#include "platform/Clock.h"
#include "platform/MessageDialog.h"
#include "platform/QuestionDialog.h"
#include "platform/Screen.h"

namespace tarn::win32 {

class Win32Clock final : public Clock {
public:
    std::int64_t NowMs() const override { return static_cast<std::int64_t>(GetTickCount64()); }
};

// Twips per pixel from the DPI of the bar's monitor (the system's before the bar exists).
class Win32Screen final : public Screen {
public:
    void SetReference(HWND window) { reference_ = window; }
    TwipScale Twips() const override { return TwipScale::ForDpi(Dpi()); }
    Rect MonitorRect(const Rect& pixels) const override;
    Point CursorPos() const override;

private:
    UINT Dpi() const;
    HWND reference_ = nullptr;
};

class Win32MessageBox final : public MessageDialog, public QuestionDialog {
public:
    void Show(const std::string& text, const std::string& title, MessageIcon icon) override;
    Answer AskYesNoCancel(const std::string& text, const std::string& title) override;
};

}  // namespace tarn::win32
