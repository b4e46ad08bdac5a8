#include "com/registration.h"
#include <oleauto.h>
#include <string>
#include <vector>
#include <wrl/client.h>
#include "com/errors.h"
#include "com/module.h"
#include "com/type_desc.h"
#include "com/type_library.h"
#include "com/unique_handle.h"
#include "com/variant.h"

using Microsoft::WRL::ComPtr;

namespace vestrel::registration {
namespace {

using RegKey = UniqueHandle<HKEY, RegCloseKey>;

// The automation marshaler: dual interfaces are marshaled from the type library.
constexpr wchar_t kOleAutomationProxy[] = L"{00020424-0000-0000-C000-000000000046}";
#ifdef _WIN64
constexpr wchar_t kPlatform[] = L"win64";
constexpr REGSAM kOtherView = KEY_WOW64_32KEY;
#else
constexpr wchar_t kPlatform[] = L"win32";
constexpr REGSAM kOtherView = KEY_WOW64_64KEY;
#endif

std::wstring GuidText(REFGUID guid) {
    wchar_t text[39];
    StringFromGUID2(guid, text, 39);
    return text;
}


[[noreturn]] void RegistryFailure(LONG error, const std::wstring& key) {
    throw ComError(HRESULT_FROM_WIN32(error), L"No se pudo modificar el registro en la clave " + key + L".");
}

HKEY RootKey(Scope scope) { return scope == Scope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }
std::wstring Classes(const std::wstring& path) { return L"Software\\Classes\\" + path; }

void SetValue(Scope scope, const std::wstring& path, const wchar_t* name, const std::wstring& value) {
    RegKey key;
    const std::wstring full = Classes(path);
    LONG error = RegCreateKeyExW(RootKey(scope), full.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                 key.put(), nullptr);
    if (error == ERROR_SUCCESS)
        error = RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    if (error != ERROR_SUCCESS) RegistryFailure(error, full);
}

RegKey Open(Scope scope, const std::wstring& path, REGSAM access = KEY_READ) {
    RegKey key;
    RegOpenKeyExW(RootKey(scope), Classes(path).c_str(), 0, access, key.put());
    return key;
}

std::wstring ReadValue(Scope scope, const std::wstring& path, const wchar_t* name) {
    RegKey key = Open(scope, path);
    wchar_t value[256];
    DWORD size = sizeof(value) - sizeof(wchar_t), type = 0;
    if (!key || RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
                    ERROR_SUCCESS || type != REG_SZ)
        return {};
    value[size / sizeof(wchar_t)] = L'\0';
    return value;
}

void DeleteTree(Scope scope, const std::wstring& path) {
    const std::wstring full = Classes(path);
    const LONG error = RegDeleteTreeW(RootKey(scope), full.c_str());
    if (error == ERROR_SUCCESS) RegDeleteKeyW(RootKey(scope), full.c_str());
    else if (error != ERROR_FILE_NOT_FOUND) RegistryFailure(error, full);
}

// Deletes the key when it has neither subkeys nor values left.
void DeleteIfEmpty(Scope scope, const std::wstring& path) {
    RegKey key = Open(scope, path);
    DWORD subkeys = 0, values = 0;
    if (key && RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                                nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
        subkeys == 0 && values == 0) {
        key.reset();
        RegDeleteKeyW(RootKey(scope), Classes(path).c_str());
    }
}

// What the type library says about one creatable class.
struct ClassNames {
    CLSID clsid;
    std::wstring name;       // Spelling
    IID iid;
    std::wstring dualName;  // _Spelling
};

struct Library {
    TLIBATTR attributes;
    std::wstring name, help, id, version;
    std::vector<ClassNames> classes;
};

Library Describe(std::span<const CLSID* const> clsids) {
    ComPtr<ITypeLib> library;
    ThrowIfFailed(type_library::Get(&library));
    Library result{};
    TLIBATTR* attributes = nullptr;
    ThrowIfFailed(library->GetLibAttr(&attributes));
    result.attributes = *attributes;
    library->ReleaseTLibAttr(attributes);
    UniqueBstr name, help;
    ThrowIfFailed(library->GetDocumentation(MEMBERID_NIL, name.put(), help.put(), nullptr, nullptr));
    result.name = FromBstr(name.get());
    result.help = FromBstr(help.get());
    result.id = GuidText(result.attributes.guid);
    result.version = std::to_wstring(result.attributes.wMajorVerNum) + L"." +
                     std::to_wstring(result.attributes.wMinorVerNum);
    for (const CLSID* clsid : clsids) {
        ClassNames names{*clsid, {}, {}, {}};
        ComPtr<ITypeInfo> coclass, dual;
        ThrowIfFailed(library->GetTypeInfoOfGuid(*clsid, &coclass));
        ThrowIfFailed(coclass->GetDocumentation(MEMBERID_NIL, name.put(), nullptr, nullptr, nullptr));
        names.name = FromBstr(name.get());
        HREFTYPE reference = 0;
        ThrowIfFailed(coclass->GetRefTypeOfImplType(0, &reference));
        ThrowIfFailed(coclass->GetRefTypeInfo(reference, &dual));
        TypeAttr type;
        ThrowIfFailed(dual->GetTypeAttr(type.put(dual.Get())));
        names.iid = type->guid;
        ThrowIfFailed(dual->GetDocumentation(MEMBERID_NIL, name.put(), nullptr, nullptr, nullptr));
        names.dualName = FromBstr(name.get());
        result.classes.push_back(std::move(names));
    }
    return result;
}

// Whether the other architecture's registry view still has this class: the
// entries both views share (programmatic identifiers, type library) stay then.
bool OtherViewHasClass(Scope scope, const std::wstring& clsid) {
    return static_cast<bool>(Open(scope, L"CLSID\\" + clsid + L"\\InprocServer32", KEY_READ | kOtherView));
}

}  // namespace

HRESULT Register(Scope scope, std::span<const CLSID* const> clsids) noexcept {
    return Boundary([&] {
        const Library library = Describe(clsids);
        const std::wstring path = module::Path();
        const std::wstring folder = path.substr(0, path.find_last_of(L'\\') + 1);
        for (const ClassNames& c : library.classes) {
            const std::wstring clsid = GuidText(c.clsid), key = L"CLSID\\" + clsid;
            const std::wstring progId = library.name + L"." + c.name;
            const std::wstring versioned = progId + L"." + std::to_wstring(library.attributes.wMajorVerNum);
            SetValue(scope, key, nullptr, progId);
            SetValue(scope, key + L"\\InprocServer32", nullptr, path);
            SetValue(scope, key + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
            SetValue(scope, key + L"\\ProgID", nullptr, versioned);
            SetValue(scope, key + L"\\VersionIndependentProgID", nullptr, progId);
            SetValue(scope, key + L"\\TypeLib", nullptr, library.id);
            SetValue(scope, key + L"\\Version", nullptr, library.version);
            SetValue(scope, progId, nullptr, progId);
            SetValue(scope, progId + L"\\CLSID", nullptr, clsid);
            SetValue(scope, progId + L"\\CurVer", nullptr, versioned);
            SetValue(scope, versioned, nullptr, progId);
            SetValue(scope, versioned + L"\\CLSID", nullptr, clsid);

            const std::wstring interfaceKey = L"Interface\\" + GuidText(c.iid);
            SetValue(scope, interfaceKey, nullptr, c.dualName);
            SetValue(scope, interfaceKey + L"\\ProxyStubClsid", nullptr, kOleAutomationProxy);
            SetValue(scope, interfaceKey + L"\\ProxyStubClsid32", nullptr, kOleAutomationProxy);
            SetValue(scope, interfaceKey + L"\\TypeLib", nullptr, library.id);
            SetValue(scope, interfaceKey + L"\\TypeLib", L"Version", library.version);
        }
        const std::wstring typeLib = L"TypeLib\\" + library.id + L"\\" + library.version;
        SetValue(scope, typeLib, nullptr, library.help);
        SetValue(scope, typeLib + L"\\FLAGS", nullptr, L"0");
        SetValue(scope, typeLib + L"\\HELPDIR", nullptr, folder);
        SetValue(scope, typeLib + L"\\0\\" + kPlatform, nullptr, path);
    });
}

HRESULT Unregister(Scope scope, std::span<const CLSID* const> clsids) noexcept {
    return Boundary([&] {
        const Library library = Describe(clsids);
        for (const ClassNames& c : library.classes) {
            const std::wstring clsid = GuidText(c.clsid);
            DeleteTree(scope, L"CLSID\\" + clsid);
            DeleteTree(scope, L"Interface\\" + GuidText(c.iid));
            if (OtherViewHasClass(scope, clsid)) continue;
            // A programmatic identifier is removed only while it still names this class.
            const std::wstring progId = library.name + L"." + c.name;
            for (const std::wstring& id :
                 {progId + L"." + std::to_wstring(library.attributes.wMajorVerNum), progId})
                if (_wcsicmp(ReadValue(scope, id + L"\\CLSID", nullptr).c_str(), clsid.c_str()) == 0)
                    DeleteTree(scope, id);
        }
        const std::wstring id = L"TypeLib\\" + library.id, typeLib = id + L"\\" + library.version;
        DeleteTree(scope, typeLib + L"\\0\\" + kPlatform);
        DeleteIfEmpty(scope, typeLib + L"\\0");
        if (!Open(scope, typeLib + L"\\0")) {
            DeleteTree(scope, typeLib);
            DeleteIfEmpty(scope, id);
        }
    });
}

}  // namespace vestrel::registration
