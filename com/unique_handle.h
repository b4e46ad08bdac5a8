// Owns one Win32 handle and closes it with Close when it goes.
// UniqueHandle<HKEY, RegCloseKey>, UniqueHandle<HFONT, DeleteObject>, ...
#pragma once
#include <utility>

namespace vestrel {

template <typename T, auto Close>
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(T handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    T get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != T(); }
    // For functions that return a handle through a pointer.
    T* put() noexcept {
        reset();
        return &handle_;
    }
    T release() noexcept { return std::exchange(handle_, T()); }
    void reset(T handle = T()) noexcept {
        if (handle_ != T()) Close(handle_);
        handle_ = handle;
    }

private:
    T handle_ = T();
};

}  // namespace vestrel
