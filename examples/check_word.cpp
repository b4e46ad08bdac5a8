// A host program that does what a user of the checker window does: it
// creates Vestrel.Spelling by ProgID, shows the window, types a word into
// the word box, checks it and prints the suggestions the window lists.
// Every call goes late-bound through IDispatch, as a script host's would.
//
//   check_word.exe [word] [seconds to keep the window open]
#include <windows.h>
#include <oleauto.h>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// Calls a member by name; prints the automation error and exits on failure.
VARIANT Call(IDispatch* object, const wchar_t* name, WORD kind, VARIANT* arg = nullptr) {
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params{arg, nullptr, arg ? 1u : 0u, 0};
    if (kind == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &put;
        params.cNamedArgs = 1;
    }
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO error{};
    if (SUCCEEDED(hr)) hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, &result, &error, nullptr);
    if (FAILED(hr)) {
        std::fwprintf(stderr, L"%ls failed: 0x%08lX %ls\n", name, static_cast<unsigned long>(hr),
                      error.bstrDescription ? error.bstrDescription : L"");
        std::exit(1);
    }
    return result;
}

void Pump(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// The list box beside the word box in the checker window.
HWND SuggestionList(HWND wordBox) {
    HWND window = GetParent(wordBox);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t type[16] = {};
        GetClassNameW(child, type, 16);
        if (_wcsicmp(type, L"ListBox") == 0) return child;
    }
    return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring word = argc > 1 ? argv[1] : L"ortografia";
    const DWORD seconds = argc > 2 ? static_cast<DWORD>(_wtoi(argv[2])) : 0;
    OleInitialize(nullptr);
    CLSID clsid;
    IDispatch* spelling = nullptr;
    if (FAILED(CLSIDFromProgID(L"Vestrel.Spelling", &clsid)) ||
        FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&spelling)))) {
        std::fwprintf(stderr, L"Vestrel.Spelling is not registered\n");
        return 1;
    }
    Call(spelling, L"Show", DISPATCH_METHOD);
    VARIANT box = Call(spelling, L"SendToForm", DISPATCH_METHOD);
    VARIANT text;
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(word.c_str());
    Call(box.pdispVal, L"Text", DISPATCH_PROPERTYPUT, &text);
    VariantClear(&text);
    Call(spelling, L"Spelling", DISPATCH_METHOD);

    VARIANT handle = Call(box.pdispVal, L"hWnd", DISPATCH_PROPERTYGET);
    HWND list = SuggestionList(reinterpret_cast<HWND>(static_cast<INT_PTR>(handle.lVal)));
    const int count = list ? static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)) : 0;
    std::wprintf(L"Suggestions for '%ls': %d\n", word.c_str(), count);
    for (int i = 0; i < count; ++i) {
        wchar_t entry[256] = {};
        if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < 256) SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry));
        // The console shows UTF-8; the words carry accents.
        char utf8[1024];
        WideCharToMultiByte(CP_UTF8, 0, entry, -1, utf8, sizeof(utf8), nullptr, nullptr);
        std::printf("  %s\n", utf8);
    }
    std::fflush(stdout);
    Pump(seconds * 1000);
    VariantClear(&box);
    spelling->Release();
    OleUninitialize();
    return 0;
}
