// The in-process server: the class table, the generic factory lookup and
// the exported entry points.
#include <array>
#include <cwctype>
#include <iterator>
#include "appearance/bar_buttons.h"
#include "appearance/bar_title.h"
#include "appearance/border.h"
#include "appearance/command_button.h"
#include "appearance/label.h"
#include "appearance/lst_suggestions.h"
#include "appearance/txt_tword.h"
#include "com/class_factory.h"
#include "com/module.h"
#include "com/registration.h"
#include "com/type_library.h"
#include "component/spelling.h"
#include "engine/dictionary.h"
#include "forms/form.h"

namespace vestrel {
namespace {

struct ClassEntry {
    const CLSID* clsid;
    HRESULT (*createFactory)(REFIID, void**) noexcept;
};

// Every creatable class of the type library.
constexpr ClassEntry kClasses[] = {
    {&CLSID_BarButtons, &ClassFactory<BarButtons>::Create},
    {&CLSID_BarTitle, &ClassFactory<BarTitle>::Create},
    {&CLSID_Border, &ClassFactory<Border>::Create},
    {&CLSID_Check, &ClassFactory<Check>::Create},
    {&CLSID_cmdClose, &ClassFactory<CmdClose>::Create},
    {&CLSID_Label_Status, &ClassFactory<LabelStatus>::Create},
    {&CLSID_Label_Suggestions, &ClassFactory<LabelSuggestions>::Create},
    {&CLSID_Label_txtWord, &ClassFactory<LabelTxtWord>::Create},
    {&CLSID_lst_Suggestions, &ClassFactory<LstSuggestions>::Create},
    {&CLSID_Spelling, &ClassFactory<SpellingObject>::Create},
    {&CLSID_txtTWord, &ClassFactory<TxtTWord>::Create},
};

constexpr auto kClassIds = [] {
    std::array<const CLSID*, std::size(kClasses)> ids{};
    for (size_t i = 0; i < ids.size(); ++i) ids[i] = kClasses[i].clsid;
    return ids;
}();

// "user" (any case, surrounding blanks allowed) selects the current user.
HRESULT ScopeFromCommandLine(LPCWSTR commandLine, registration::Scope* scope) {
    std::wstring text(commandLine ? commandLine : L"");
    const auto first = text.find_first_not_of(L" \t"), last = text.find_last_not_of(L" \t");
    text = first == std::wstring::npos ? L"" : text.substr(first, last - first + 1);
    for (auto& c : text) c = static_cast<wchar_t>(std::towlower(c));
    if (text.empty() || text == L"machine") *scope = registration::Scope::Machine;
    else if (text == L"user") *scope = registration::Scope::User;
    else return Fail(E_INVALIDARG, L"Opción de instalación desconocida: use \"user\" o \"machine\".");
    return S_OK;
}

}  // namespace

}  // namespace vestrel

using namespace vestrel;

extern "C" {

// Thread notifications stay on: a host thread that ends takes its forms
// with it, and the static runtime frees its thread-local storage.
BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) module::Attach(dll);
    if (reason == DLL_THREAD_DETACH) forms::Form::UnloadThreadForms();
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    for (const ClassEntry& entry : kClasses)
        if (*entry.clsid == clsid) return entry.createFactory(riid, ppv);
    return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow() {
    if (module::InUse()) return S_FALSE;
    type_library::Drop();
    engine::Dictionary::Drop();
    return S_OK;
}

STDAPI DllRegisterServer() { return registration::Register(registration::Scope::Machine, kClassIds); }

STDAPI DllUnregisterServer() { return registration::Unregister(registration::Scope::Machine, kClassIds); }

// regsvr32 /n /i:user registers for the current user only; /u /n /i:user removes that.
STDAPI DllInstall(BOOL install, LPCWSTR commandLine) {
    registration::Scope scope = registration::Scope::Machine;
    const HRESULT hr = ScopeFromCommandLine(commandLine, &scope);
    if (FAILED(hr)) return hr;
    return install ? registration::Register(scope, kClassIds) : registration::Unregister(scope, kClassIds);
}

}  // extern "C"
