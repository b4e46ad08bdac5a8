// Automation errors: an HRESULT together with IErrorInfo text, so that
// VBScript and VBA hosts show a readable message. Inside the component a
// failure travels as a ComError exception; every vtable method turns it
// back into an HRESULT at the boundary.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <cguid.h>
#include <new>
#include <string>

namespace vestrel {

// Automation error 91: an object variable that holds no object.
constexpr HRESULT kObjectNotSet = static_cast<HRESULT>(0x800A005B);
// Errors 13 (type mismatch), 6 (overflow) and 11 (division by zero), as
// script hosts number them.
constexpr HRESULT kTypeMismatch = static_cast<HRESULT>(0x800A000D);
constexpr HRESULT kOverflow = static_cast<HRESULT>(0x800A0006);
constexpr HRESULT kDivisionByZero = static_cast<HRESULT>(0x800A000B);

// A failure is never reported as a success: a success code handed in as a
// failure (a bug) becomes E_UNEXPECTED, and stops a debug build.
HRESULT AsFailure(HRESULT hr) noexcept;
// The HRESULT of the Win32 call that has just failed: its last error, or
// fallback where it left none (a window that a hook or WM_CREATE refused).
HRESULT LastError(HRESULT fallback = E_FAIL) noexcept;

// Stores the error info of this thread (source "Vestrel") and returns hr,
// always a failure.
HRESULT Fail(HRESULT hr, const std::wstring& description, REFGUID iid = GUID_NULL) noexcept;

class ComError {
public:
    // A failure whose error info the failing callee has already set.
    explicit ComError(HRESULT hr) noexcept : hr_(AsFailure(hr)) {}
    ComError(HRESULT hr, std::wstring description) : hr_(AsFailure(hr)), description_(std::move(description)) {}
    HRESULT Result() const noexcept { return hr_; }
    const std::wstring& Description() const noexcept { return description_; }

private:
    HRESULT hr_;
    std::wstring description_;
};

// Throws a ComError for a failed HRESULT, keeping the callee's error info.
inline void ThrowIfFailed(HRESULT hr) {
    if (FAILED(hr)) throw ComError(hr);
}

// The exception in flight, named (called from a catch block, which it
// rethrows to tell): its HRESULT and its text, empty for a ComError whose
// callee set the error info itself.
struct Failure {
    HRESULT hr;
    std::wstring text;
};
Failure CurrentFailure() noexcept;
// The same as an HRESULT, with its text as this thread's error info.
HRESULT FromException() noexcept;

// "0x8000FFFF": how an HRESULT is named in a message.
std::wstring HexCode(HRESULT hr);
// The description of this thread's error info, which it takes; empty when
// there is none.
std::wstring TakeErrorDescription();

// Runs body, turning any exception into an HRESULT with error info.
template <typename Body>
HRESULT Boundary(Body&& body) noexcept {
    try {
        body();
        return S_OK;
    } catch (...) {
        return FromException();
    }
}

}  // namespace vestrel
