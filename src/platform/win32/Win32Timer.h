#pragma once
#include <windows.h>

#include "platform/Timer.h"

namespace tarn::win32 {

// A WM_TIMER of its owner window under its own identifier.
class Win32Timer final : public Timer {
public:
    Win32Timer(UINT_PTR id, UINT intervalMs) : id_(id), interval_(intervalMs) {}
    Win32Timer(const Win32Timer&) = delete;
    Win32Timer& operator=(const Win32Timer&) = delete;
    ~Win32Timer() override { SetEnabled(false); }
    void SetOwner(HWND owner) { owner_ = owner; }
    UINT_PTR Id() const { return id_; }
    void SetEnabled(bool enabled) override {
        if (owner_ == nullptr || enabled == enabled_) return;
        enabled_ = enabled ? SetTimer(owner_, id_, interval_, nullptr) != 0 : (KillTimer(owner_, id_), false);
    }
    bool Enabled() const override { return enabled_; }

private:
    HWND owner_ = nullptr;
    UINT_PTR id_;
    UINT interval_;
    bool enabled_ = false;
};

}  // namespace tarn::win32
