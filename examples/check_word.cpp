// A C++ host bound early: the header made from the component's IDL gives
// the class and interface identifiers and the vtables, so every call below
// is a direct vtable call on a dual interface. It restyles the checker
// window through three appearance objects, shows it, types a word into the
// word box, checks it, prints the suggestions the window lists and takes
// the first one into the word box, as a user's double-click would.
//
//   check_word.exe [word] [seconds to keep the window open | wait]
//
// With wait it then leaves the window to the user and, once the user has
// closed it, prints the word the box held last: the word the user chose.
//
// Build it with the generated header on the include path (the project's
// build does) and link ole32, oleaut32, uuid and user32.
#include <windows.h>
#include <initguid.h>  // the header's DEFINE_GUIDs define the identifiers here
#include <oleauto.h>
#include <cguid.h>
#include <wrl/client.h>
#include <cstdio>
#include <cwchar>
#include <string>
#include "vestrel_h.h"

using Microsoft::WRL::ComPtr;

namespace {

// Prints a failed call's HRESULT and the component's IErrorInfo text, and exits.
void Must(HRESULT hr, const char* what) {
    if (SUCCEEDED(hr)) return;
    BSTR description = nullptr;
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, &info) == S_OK) info->GetDescription(&description);
    std::fprintf(stderr, "%s failed: 0x%08lX ", what, static_cast<unsigned long>(hr));
    std::fwprintf(stderr, L"%ls\n", description ? description : L"");
    SysFreeString(description);
    std::exit(1);
}

// A VARIANT that frees what it holds.
struct Value : VARIANT {
    Value() { VariantInit(this); }
    explicit Value(const wchar_t* text) {
        VariantInit(this);
        vt = VT_BSTR;
        bstrVal = SysAllocString(text);
    }
    ~Value() { VariantClear(this); }
    Value(const Value&) = delete;
    Value& operator=(const Value&) = delete;
};

template <typename T>
ComPtr<T> Create(REFCLSID clsid, REFIID iid, const char* name) {
    ComPtr<T> object;
    Must(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, reinterpret_cast<void**>(object.GetAddressOf())),
          name);
    return object;
}

std::string Utf8(const wchar_t* text) {
    char buffer[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof(buffer), nullptr, nullptr);
    return buffer;
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

// The word box object is handed out as a plain IDispatch; its hWnd property
// (asked by name) gives the window, and the list box is its sibling.
HWND SuggestionList(IDispatch* wordBox) {
    LPOLESTR name = const_cast<LPOLESTR>(L"hWnd");
    DISPID id = 0;
    Must(wordBox->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), "hWnd");
    DISPPARAMS none{};
    Value handle;
    Must(wordBox->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &handle, nullptr, nullptr),
          "hWnd");
    HWND window = GetParent(reinterpret_cast<HWND>(static_cast<INT_PTR>(handle.lVal)));
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t type[16] = {};
        GetClassNameW(child, type, 16);
        if (_wcsicmp(type, L"ListBox") == 0) return child;
    }
    return nullptr;
}

// Waits until the user closes the window and returns the word the box held
// last. The window is modeless and closing it unloads it, word and all, so
// the host reads the box while the window is shown. (Reading Visible after
// the close loads a new window, hidden: it answers false.)
std::wstring WordWhenClosed(_Spelling* spelling) {
    std::wstring last;
    for (;;) {
        VARIANT_BOOL visible = VARIANT_FALSE;
        Must(spelling->get_Visible(&visible), "Spelling.Visible");
        if (!visible) return last;
        Value text;
        Must(spelling->get_DeleteText(&text), "Spelling.DeleteText");
        last = text.vt == VT_BSTR && text.bstrVal ? text.bstrVal : L"";
        Pump(50);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring word = argc > 1 ? argv[1] : L"ortografia";
    const bool waitForUser = argc > 2 && wcscmp(argv[2], L"wait") == 0;
    const DWORD seconds = argc > 2 && !waitForUser ? static_cast<DWORD>(_wtoi(argv[2])) : 0;
    OleInitialize(nullptr);
    {
        auto spelling = Create<_Spelling>(CLSID_Spelling, IID__Spelling, "Vestrel.Spelling");
        auto title = Create<_BarTitle>(CLSID_BarTitle, IID__BarTitle, "Vestrel.BarTitle");
        auto wordBox = Create<_txtTWord>(CLSID_txtTWord, IID__txtTWord, "Vestrel.txtTWord");
        auto checkButton = Create<_Check>(CLSID_Check, IID__Check, "Vestrel.Check");
        auto list = Create<_lst_Suggestions>(CLSID_lst_Suggestions, IID__lst_Suggestions, "Vestrel.lst_Suggestions");

        // Colours are OLE colours, 0x00BBGGRR.
        Must(title->put_Caption(Value(L"Corrector de C++")), "BarTitle.Caption");
        Must(title->put_FontBold(VARIANT_TRUE), "BarTitle.FontBold");
        Must(wordBox->put_BackColor(RGB(255, 255, 224)), "txtTWord.BackColor");
        Must(checkButton->put_Caption(Value(L"&Revisar")), "Check.Caption");

        short modeless = 0;
        Must(spelling->Show(&modeless), "Spelling.Show");
        Must(wordBox->put_Text(Value(word.c_str())), "txtTWord.Text");
        Must(spelling->Spelling(), "Spelling.Spelling");

        ComPtr<IDispatch> box;
        Must(spelling->SendToForm(&box), "Spelling.SendToForm");
        HWND listWindow = SuggestionList(box.Get());
        const int count = listWindow ? static_cast<int>(SendMessageW(listWindow, LB_GETCOUNT, 0, 0)) : 0;
        std::printf("Suggestions for '%s': %d\n", Utf8(word.c_str()).c_str(), count);
        for (int i = 0; i < count; ++i) {
            wchar_t entry[256] = {};
            if (SendMessageW(listWindow, LB_GETTEXTLEN, i, 0) < 256)
                SendMessageW(listWindow, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry));
            std::printf("  %s\n", Utf8(entry).c_str());  // UTF-8: the words carry accents
        }
        if (count > 0) {
            Must(list->Send(), "lst_Suggestions.Send");
            Value taken;
            Must(wordBox->get_Text(&taken), "txtTWord.Text");
            std::printf("First suggestion, now in the word box: %s\n",
                        Utf8(taken.vt == VT_BSTR && taken.bstrVal ? taken.bstrVal : L"").c_str());
        }
        std::fflush(stdout);
        Pump(seconds * 1000);
        if (waitForUser) {
            std::printf("The word the user chose: %s\n", Utf8(WordWhenClosed(spelling.Get()).c_str()).c_str());
            std::fflush(stdout);
        }
    }
    OleUninitialize();
    return 0;
}
