#pragma once
#include <windows.h>

#include <ole2.h>

#include <memory>

#include "platform/FileDrop.h"

namespace tarn::win32 {

class FileDropTarget;

// The OLE drop target of one window, registered while this move-only owner lives. Revoking disconnects the
// target from its handler first, so a drag that still holds a reference to it reaches the handler no more.
// The thread must have called OleInitialize; revoke before the window is destroyed.
class DropRegistration {
public:
    DropRegistration() noexcept;
    DropRegistration(DropRegistration&& other) noexcept;
    DropRegistration& operator=(DropRegistration&& other) noexcept;
    DropRegistration(const DropRegistration&) = delete;
    DropRegistration& operator=(const DropRegistration&) = delete;
    ~DropRegistration();

    // An empty registration when RegisterDragDrop fails (no OLE on the thread, a target already registered).
    static DropRegistration Register(HWND hwnd, FileDropHandler& handler);

    bool Registered() const noexcept { return hwnd_ != nullptr; }
    // The object handed to RegisterDragDrop, without a new reference; null when not registered.
    IDropTarget* Target() const noexcept;
    void Revoke() noexcept;

private:
    struct ReleaseTarget {
        void operator()(FileDropTarget* target) const noexcept;
    };

    HWND hwnd_ = nullptr;
    std::unique_ptr<FileDropTarget, ReleaseTarget> target_;
};

}  // namespace tarn::win32
