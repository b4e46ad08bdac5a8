#include "forms/clipboard.h"
#include <windows.h>
#include <cstring>
#include "com/errors.h"
#include "com/unique_handle.h"

namespace vestrel::forms::clipboard {
namespace {

void DestroyWindowHandle(HWND window) { DestroyWindow(window); }

// The clipboard, opened for one operation. Windows lets a program empty the
// clipboard and put data on it only while it is opened for a window, so a
// message-only window of the operation's own serves as its owner.
class OpenedClipboard {
public:
    OpenedClipboard()
        : owner_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {
        // Another program may hold it for a moment; give it that moment.
        for (int attempt = 0; attempt < 10; ++attempt) {
            if (OpenClipboard(owner_.get())) return;
            Sleep(10);
        }
        throw ComError(LastError(HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)),
                       L"No se pudo abrir el portapapeles: otro programa lo está usando.");
    }
    // Closed before its owner window goes.
    ~OpenedClipboard() { CloseClipboard(); }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;

private:
    UniqueHandle<HWND, DestroyWindowHandle> owner_;
};

}  // namespace

void ReplaceText(const std::wstring& text) {
    OpenedClipboard opened;
    if (!EmptyClipboard())
        throw ComError(LastError(), L"No se pudo vaciar el portapapeles.");
    // The text ends at its first NUL, as every reader of CF_UNICODETEXT takes it.
    const size_t length = wcsnlen(text.c_str(), text.size());
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, (length + 1) * sizeof(wchar_t)));
    if (!memory) throw std::bad_alloc();
    {
        const GlobalLocked locked(memory.get());
        auto* target = static_cast<wchar_t*>(locked.get());
        if (!target) throw std::bad_alloc();
        std::memcpy(target, text.c_str(), length * sizeof(wchar_t));
        target[length] = L'\0';
    }
    if (!SetClipboardData(CF_UNICODETEXT, memory.get()))
        throw ComError(LastError(), L"No se pudo poner el texto en el portapapeles.");
    memory.release();  // the clipboard owns it now
}

}  // namespace vestrel::forms::clipboard
