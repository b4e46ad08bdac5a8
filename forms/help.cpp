#include "forms/help.h"
#include "forms/request_log.h"
#include <shellapi.h>
#include <cwctype>
#include "com/errors.h"
#include "forms/message_box.h"
#include "forms/shell.h"

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

// Paths the help call refuses before looking for the file: longer than the
// viewers take, or with characters no file name has (the message then does
// not repeat the text).
constexpr size_t kLongestPath = MAX_PATH - 1;

bool Malformed(const std::wstring& file) {
    for (wchar_t c : file)
        if (c < 0x20 || wcschr(L"<>\"|?*", c)) return true;
    // A colon only after a drive letter.
    const size_t colon = file.find(L':');
    return colon != std::wstring::npos && (colon != 1 || file.find(L':', 2) != std::wstring::npos);
}

// Files the shell would run rather than show: programs, scripts, shortcuts
// and installers are no help file.
bool Runnable(const std::wstring& extension) {
    static const wchar_t* const kinds[] = {L".exe", L".com", L".bat", L".cmd", L".pif", L".scr", L".cpl", L".msi",
                                           L".msp", L".msc", L".vbs", L".vbe", L".js", L".jse", L".wsf", L".wsh",
                                           L".ps1", L".hta", L".lnk", L".url", L".reg", L".inf", L".scf", L".jar"};
    for (const wchar_t* kind : kinds)
        if (extension == kind) return true;
    // And whatever this system treats as a program.
    wchar_t pathExt[1024] = {};
    const DWORD length = GetEnvironmentVariableW(L"PATHEXT", pathExt, 1024);
    if (length == 0 || length >= 1024 || extension.empty()) return false;
    std::wstring list = pathExt;
    for (wchar_t& c : list) c = static_cast<wchar_t>(std::towlower(c));
    list = L";" + list + L";";
    return list.find(L";" + extension + L";") != std::wstring::npos;
}

// HTML Help lives in hhctrl.ocx, loaded only when a .chm is asked for, and
// only from the system folder: a copy beside the host or in its current
// folder is never taken.
void ShowHtmlHelp(HWND owner, const std::wstring& file, int command) {
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);
    wchar_t system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    HMODULE library = length > 0 && length < MAX_PATH
                          ? LoadLibraryExW((std::wstring(system) + L"\\hhctrl.ocx").c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)
                          : nullptr;
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
    if (file.size() > kLongestPath) {
        ShowMessage(L"La ruta del archivo de ayuda es demasiado larga (" + std::to_wstring(file.size()) +
                        L" caracteres; como mucho " + std::to_wstring(kLongestPath) + L").",
                    MessageIcon::Warning);
        return;
    }
    // A NUL, a control character or a wildcard names no file.
    if (Malformed(file)) {
        ShowMessage(L"La ruta del archivo de ayuda no es válida: contiene caracteres que un nombre de archivo no admite.",
                    MessageIcon::Warning);
        return;
    }
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ShowMessage(L"No se encontró el archivo de ayuda \"" + file + L"\".", MessageIcon::Warning);
        return;
    }
    if (owner && !IsWindow(owner)) owner = nullptr;
    const std::wstring extension = Extension(file);
    const std::wstring viewer = extension == L".hlp" ? L"winhelp" : extension == L".chm" ? L"htmlhelp" : L"shell";
    if (viewer == L"shell" && Runnable(extension)) {
        ShowMessage(L"El archivo de ayuda \"" + file + L"\" es un programa o un acceso directo y no se abrirá.",
                    MessageIcon::Warning);
        return;
    }
    if (Recorded(Request::Shell, L"help|" + viewer + L"|" + std::to_wstring(command) + L"|" + file)) return;
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
