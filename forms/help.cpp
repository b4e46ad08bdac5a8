#include "help.h"
#include "request_log.h"
#include <shellapi.h>
#include <cwctype>
#include "core/errors.h"
#include "message_box.h"
#include "shell.h"

namespace vestrel::forms::help {
namespace {

std::wstring Extension(const std::wstring& file) {
    const size_t dot = file.find_last_of(L'.');
    const size_t slash = file.find_last_of(L"\\/");
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return {};
    std::wstring extension = file.substr(dot);
    for (wchar_t& c : extension) c = static_cast<wchar_t>(std::towlower(c));
    return extension;
}

// HTML Help lives in hhctrl.ocx, loaded only when a .chm is asked for.
void ShowHtmlHelp(HWND owner, const std::wstring& file, int command) {
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);
    HMODULE library = LoadLibraryW(L"hhctrl.ocx");
    auto htmlHelp = library ? reinterpret_cast<HtmlHelpFunction>(
                                  reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpW")))
                            : nullptr;
    if (!htmlHelp)
        throw ComError(HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND), L"Este sistema no tiene el visor de Ayuda HTML.");
    constexpr UINT kDisplayTopic = 0x0000, kDisplayIndex = 0x0002;
    const UINT request = command == kKeywordCommand ? kDisplayIndex : kDisplayTopic;
    if (!htmlHelp(owner, file.c_str(), request, reinterpret_cast<DWORD_PTR>(L"")))
        throw ComError(E_FAIL, L"El visor de Ayuda HTML no pudo abrir " + file + L".");
}

}  // namespace

void Show(HWND owner, const std::wstring& file, int command) {
    if (file.empty()) {
        ShowMessage(L"No se ha indicado ningún archivo de ayuda.", MessageIcon::Information);
        return;
    }
    // A name with a NUL in it names no file.
    const DWORD attributes =
        file.find(L'\0') == std::wstring::npos ? GetFileAttributesW(file.c_str()) : INVALID_FILE_ATTRIBUTES;
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ShowMessage(L"No se encontró el archivo de ayuda \"" + file + L"\".", MessageIcon::Warning);
        return;
    }
    if (owner && !IsWindow(owner)) owner = nullptr;
    const std::wstring extension = Extension(file);
    const std::wstring viewer = extension == L".hlp" ? L"winhelp" : extension == L".chm" ? L"htmlhelp" : L"shell";
    if (Recorded(L"VESTREL_SHELL_LOG", L"help|" + viewer + L"|" + std::to_wstring(command) + L"|" + file)) return;
    if (viewer == L"winhelp") {
        if (!WinHelpW(owner, file.c_str(), static_cast<UINT>(command), reinterpret_cast<ULONG_PTR>(L"")))
            throw ComError(E_FAIL, L"La Ayuda de Windows no pudo abrir " + file + L".");
    } else if (viewer == L"htmlhelp") {
        ShowHtmlHelp(owner, file, command);
    } else {
        const INT_PTR result =
            reinterpret_cast<INT_PTR>(ShellExecuteW(owner, nullptr, file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        if (result <= 32)
            throw ComError(HRESULT_FROM_WIN32(ERROR_NO_ASSOCIATION), L"Ningún programa puede abrir el archivo de ayuda " + file + L".");
    }
}

}  // namespace vestrel::forms::help
