// A host that uses the component without registering it: it activates the
// package's assembly manifest (CreateActCtx), and within that activation
// context finds every class by its ProgID and creates it, then checks a
// word and takes the first suggestion into the word box. Before activating
// the context it makes sure no class is registered, so the manifest alone
// is what it uses.
//
//   side_by_side.exe MANIFEST [word]
//
// Prints "FAILED: ..." lines and one summary line; the exit code is the
// number of failures.
#include <windows.h>
#include <initguid.h>
#include <oleauto.h>
#include <wrl/client.h>
#include <cstdio>
#include <string>
#include "classes.h"
#include "tally.h"

using Microsoft::WRL::ComPtr;

namespace {

std::wstring ProgId(const ClassCase& c) {
    const std::string name = std::string("Vestrel.") + c.name;
    return std::wstring(name.begin(), name.end());
}

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

// Every class by its ProgID, then a check with the Spelling, word box and
// list objects.
void UseTheComponent(const wchar_t* word) {
    ComPtr<_Spelling> spelling;
    ComPtr<_txtTWord> wordBox;
    ComPtr<_lst_Suggestions> list;
    for (const ClassCase& c : kClasses) {
        // A late-bound host goes by the ProgID; the class it finds must give
        // the class's own interface.
        CLSID clsid{};
        HRESULT hr = CLSIDFromProgID(ProgId(c).c_str(), &clsid);
        Expect(SUCCEEDED(hr), std::string("the manifest gives the ProgID of ") + c.name, hr);
        if (SUCCEEDED(hr)) {
            ComPtr<IUnknown> byName;
            hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, *c.iid, reinterpret_cast<void**>(byName.GetAddressOf()));
            Expect(SUCCEEDED(hr), std::string("created ") + c.name + " by its ProgID", hr);
        }
        ComPtr<IUnknown> object;
        hr = CoCreateInstance(*c.clsid, nullptr, CLSCTX_INPROC_SERVER, *c.iid, reinterpret_cast<void**>(object.GetAddressOf()));
        Expect(SUCCEEDED(hr), std::string("created ") + c.name + " by its CLSID, through its dual interface", hr);
        if (FAILED(hr)) continue;
        if (IsEqualCLSID(*c.clsid, CLSID_Spelling)) object.As(&spelling);
        if (IsEqualCLSID(*c.clsid, CLSID_txtTWord)) object.As(&wordBox);
        if (IsEqualCLSID(*c.clsid, CLSID_lst_Suggestions)) object.As(&list);
    }
    if (!spelling || !wordBox || !list) return;
    short modeless = 0;
    HRESULT hr = spelling->Show(&modeless);
    Expect(SUCCEEDED(hr), "Spelling.Show", hr);
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(word);
    hr = wordBox->put_Text(text);
    VariantClear(&text);
    Expect(SUCCEEDED(hr), "txtTWord.Text", hr);
    hr = spelling->Spelling();
    Expect(SUCCEEDED(hr), "Spelling.Spelling", hr);
    hr = list->Send();
    Expect(SUCCEEDED(hr), "lst_Suggestions.Send", hr);
    hr = wordBox->get_Text(&text);
    Expect(SUCCEEDED(hr) && text.vt == VT_BSTR, "txtTWord.Text read back", hr);
    if (SUCCEEDED(hr) && text.vt == VT_BSTR) std::printf("Primera sugerencia: %s\n", Utf8(text.bstrVal).c_str());
    VariantClear(&text);
    // The window goes when the last object is released, as a host's does.
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::printf("usage: side_by_side.exe MANIFEST [word]\n");
        return 2;
    }
    OleInitialize(nullptr);
    CLSID clsid{};
    const HRESULT registered = CLSIDFromProgID(L"Vestrel.Spelling", &clsid);
    Expect(FAILED(registered), "no class is registered before the manifest is activated", registered);

    ACTCTXW context{};
    context.cbSize = sizeof context;
    context.lpSource = argv[1];
    HANDLE handle = CreateActCtxW(&context);
    Expect(handle != INVALID_HANDLE_VALUE, "the manifest makes an activation context",
           HRESULT_FROM_WIN32(GetLastError()));
    ULONG_PTR cookie = 0;
    if (handle != INVALID_HANDLE_VALUE && ActivateActCtx(handle, &cookie)) {
        UseTheComponent(argc > 2 ? argv[2] : L"ortografia");
        DeactivateActCtx(0, cookie);
    } else if (handle != INVALID_HANDLE_VALUE) {
        Expect(false, "the activation context is activated", HRESULT_FROM_WIN32(GetLastError()));
    }
    if (handle != INVALID_HANDLE_VALUE) ReleaseActCtx(handle);
    CoFreeUnusedLibraries();
    OleUninitialize();
    Summary("side_by_side");
    return failed;
}
