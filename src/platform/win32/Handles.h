#pragma once
#include <windows.h>

#include <utility>

namespace tarn::win32 {

// A move-only owner of one handle, freed by Traits::Free. Copying is deleted: two owners would free it twice.
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return Traits::IsValid(handle_); }
    Handle release() noexcept { return std::exchange(handle_, Traits::Empty()); }
    void reset(Handle handle = Traits::Empty()) noexcept {
        if (Traits::IsValid(handle_)) Traits::Free(handle_);
        handle_ = handle;
    }
    // Frees now and reports whether that succeeded, for handles whose closing can fail a write.
    bool close() noexcept {
        if (!Traits::IsValid(handle_)) return false;
        return Traits::Free(std::exchange(handle_, Traits::Empty()));
    }

private:
    Handle handle_ = Traits::Empty();
};

// Kernel handles: some functions fail with NULL, CreateFileW with INVALID_HANDLE_VALUE.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() noexcept { return nullptr; }
    static bool IsValid(Handle h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static bool Free(Handle h) noexcept { return CloseHandle(h) != FALSE; }
};

struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() noexcept { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static bool Free(Handle h) noexcept { return FindClose(h) != FALSE; }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;

}  // namespace tarn::win32
