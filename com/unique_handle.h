// Owners of Win32 handles and device-context states, each given back when
// its owner goes.
// UniqueHandle<HKEY, RegCloseKey>, UniqueHandle<HFONT, DeleteObject>, ...
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <utility>

namespace vestrel {

template <typename T>
bool NotNull(T handle) noexcept { return handle != T(); }
// CreateFile's failure is INVALID_HANDLE_VALUE, not a null handle.
inline bool FileOpen(HANDLE handle) noexcept { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

// Owns one handle and closes it with Close when it goes; Valid tells a
// handle to close from the value a failed creation returns.
template <typename T, auto Close, auto Valid = &NotNull<T>>
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
    explicit operator bool() const noexcept { return Valid(handle_); }
    // For functions that return a handle through a pointer.
    T* put() noexcept {
        reset();
        return &handle_;
    }
    T release() noexcept { return std::exchange(handle_, T()); }
    void reset(T handle = T()) noexcept {
        if (Valid(handle_)) Close(handle_);
        handle_ = handle;
    }

private:
    T handle_ = T();
};

using UniqueFile = UniqueHandle<HANDLE, CloseHandle, &FileOpen>;
// A BSTR a call handed over (SysFreeString).
using UniqueBstr = UniqueHandle<BSTR, SysFreeString>;
// Global memory (GlobalFree), as the clipboard takes it.
using UniqueGlobal = UniqueHandle<HGLOBAL, GlobalFree>;

// Global memory locked while the owner lives (GlobalLock, GlobalUnlock);
// get() is nullptr when it could not be locked.
class GlobalLocked {
public:
    explicit GlobalLocked(HGLOBAL memory) noexcept : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
    ~GlobalLocked() {
        if (data_) GlobalUnlock(memory_);
    }
    GlobalLocked(const GlobalLocked&) = delete;
    GlobalLocked& operator=(const GlobalLocked&) = delete;
    void* get() const noexcept { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

// A window not yet handed to the object that will own it (DestroyWindow).
using UniqueWindow = UniqueHandle<HWND, DestroyWindow>;

// A memory device context (CreateCompatibleDC).
using MemoryDC = UniqueHandle<HDC, DeleteDC>;

// A window's device context (the screen's for no window), from GetDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The paint of a WM_PAINT, ended however the drawing ends.
class PaintDC {
public:
    explicit PaintDC(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a device context; the one it replaced goes
// back in when the selection goes.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selected() {
        if (previous_) SelectObject(dc_, previous_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace vestrel
