// vestrel-typelib-doc DLL OUT: writes the Markdown reference of the type
// libraries embedded in the component DLL: every class with its ProgID and
// identifiers, every member of every interface with its dispatch identifier,
// type and vtable slots, every enumeration with its values, and the objects
// the component hands out without registering them. The reference is made
// from the built DLL, so it says what hosts really bind to.
#include <windows.h>
#include <oleauto.h>
#include <wrl/client.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>
#include "com/type_desc.h"
#include "com/utf8.h"
#include "com/variant.h"

using Microsoft::WRL::ComPtr;
using vestrel::FromBstr;
using vestrel::FuncDesc;
using vestrel::TypeAttr;
using vestrel::VarDesc;
using vestrel::Utf8;

namespace {

struct Failure {
    std::wstring what;
    HRESULT hr;
};

void Check(HRESULT hr, const wchar_t* what) {
    if (FAILED(hr)) throw Failure{what, hr};
}

TypeAttr Attr(ITypeInfo* info) {
    TypeAttr attr;
    Check(info->GetTypeAttr(attr.put(info)), L"GetTypeAttr");
    return attr;
}

std::wstring Name(ITypeInfo* info, MEMBERID id = MEMBERID_NIL) {
    BSTR name = nullptr;
    Check(info->GetDocumentation(id, &name, nullptr, nullptr, nullptr), L"GetDocumentation");
    std::wstring text = FromBstr(name);
    SysFreeString(name);
    return text;
}

std::wstring HelpString(ITypeInfo* info, MEMBERID id) {
    BSTR help = nullptr;
    Check(info->GetDocumentation(id, nullptr, &help, nullptr, nullptr), L"GetDocumentation");
    std::wstring text = FromBstr(help);
    SysFreeString(help);
    // A help string may carry runs of blanks; the reference shows it on one line.
    std::wstring tidy;
    for (wchar_t c : text)
        if (c != L' ' || (!tidy.empty() && tidy.back() != L' ')) tidy += c;
    while (!tidy.empty() && tidy.back() == L' ') tidy.pop_back();
    return tidy;
}

std::wstring Guid(const GUID& guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring Hex(unsigned long value) {
    wchar_t text[16];
    swprintf(text, 16, L"0x%08lX", value);
    return text;
}

// The type as a Basic host declares it; byref types are shown by their target.
std::wstring TypeName(ITypeInfo* info, const TYPEDESC& type) {
    switch (type.vt) {
    case VT_PTR: return TypeName(info, *type.lptdesc);
    case VT_USERDEFINED: {
        ComPtr<ITypeInfo> target;
        Check(info->GetRefTypeInfo(type.hreftype, &target), L"GetRefTypeInfo");
        return Name(target.Get());
    }
    case VT_BOOL: return L"Boolean";
    case VT_VARIANT: return L"Variant";
    case VT_BSTR: return L"String";
    case VT_I2: return L"Integer";
    case VT_I4: case VT_INT: return L"Long";
    case VT_UI4: return L"Long (unsigned)";
    case VT_R4: return L"Single";
    case VT_R8: return L"Double";
    case VT_DISPATCH: return L"Object";
    case VT_UNKNOWN: return L"IUnknown";
    case VT_VOID: case VT_HRESULT: return L"";
    default: return L"VT " + std::to_wstring(type.vt);
    }
}

std::wstring DefaultValue(const PARAMDESC& param) {
    if (!(param.wParamFlags & PARAMFLAG_FHASDEFAULT) || !param.pparamdescex) return L"";
    vestrel::Variant text;
    if (FAILED(VariantChangeType(text.put(), &param.pparamdescex->varDefaultValue, 0, VT_BSTR))) return L"?";
    return FromBstr(text.get().bstrVal);
}

// One member as hosts see it: the accessors that share its identifier.
struct Member {
    MEMBERID id = 0;
    std::wstring name;
    std::vector<std::wstring> accessors;  // "get", "let", "set" or "method"
    std::vector<int> slots;
    std::wstring type;                    // a property's or a method's value
    std::wstring parameters;              // a method's, as a Basic declaration
    std::wstring help;
};

std::wstring Accessor(INVOKEKIND kind) {
    switch (kind) {
    case INVOKE_PROPERTYGET: return L"get";
    case INVOKE_PROPERTYPUT: return L"let";
    case INVOKE_PROPERTYPUTREF: return L"set";
    default: return L"method";
    }
}

// The members of an interface (the vtable half of a dual one), in vtable order.
std::vector<Member> Members(ITypeInfo* info) {
    const TypeAttr attr = Attr(info);
    std::vector<Member> members;
    std::map<std::pair<MEMBERID, bool>, size_t> seen;  // (id, is a method)
    for (UINT i = 0; i < attr->cFuncs; ++i) {
        FuncDesc func;
        Check(info->GetFuncDesc(i, func.put(info)), L"GetFuncDesc");
        const bool method = func->invkind == INVOKE_FUNC;
        auto [where, fresh] = seen.try_emplace({func->memid, method}, members.size());
        if (fresh) {
            members.push_back({});
            members.back().id = func->memid;
            members.back().name = Name(info, func->memid);
            members.back().help = HelpString(info, func->memid);
        }
        Member& member = members[where->second];
        member.accessors.push_back(Accessor(func->invkind));
        member.slots.push_back(func->oVft / static_cast<int>(sizeof(void*)));

        BSTR names[32] = {};
        UINT count = 0;
        Check(info->GetNames(func->memid, names, 32, &count), L"GetNames");
        std::wstring parameters;
        for (SHORT p = 0; p < func->cParams; ++p) {
            const ELEMDESC& element = func->lprgelemdescParam[p];
            const USHORT flags = element.paramdesc.wParamFlags;
            const std::wstring type = TypeName(info, element.tdesc);
            if (flags & PARAMFLAG_FRETVAL) {
                member.type = type;
                continue;
            }
            if (func->invkind != INVOKE_FUNC) {
                if (member.type.empty()) member.type = type;
                continue;
            }
            std::wstring one;
            if (flags & PARAMFLAG_FOPT) one += L"Optional ";
            one += element.tdesc.vt == VT_PTR ? L"ByRef " : L"ByVal ";
            one += (static_cast<UINT>(p) + 1 < count ? FromBstr(names[p + 1]) : L"value") + L" As " + type;
            const std::wstring fallback = DefaultValue(element.paramdesc);
            if (!fallback.empty()) one += L" = " + fallback;
            parameters += (parameters.empty() ? L"" : L", ") + one;
        }
        for (UINT n = 0; n < count; ++n) SysFreeString(names[n]);
        if (method) member.parameters = L"(" + parameters + L")";
    }
    return members;
}

// The vtable half of a dual interface; an interface that is not dual is its own.
// Its flags (automation-compatible among them) join the dispatch half's.
ComPtr<ITypeInfo> VtableHalf(ITypeInfo* info) {
    const TypeAttr attr = Attr(info);
    ComPtr<ITypeInfo> half = info;
    if (attr->typekind == TKIND_DISPATCH && (attr->wTypeFlags & TYPEFLAG_FDUAL)) {
        HREFTYPE ref = 0;
        Check(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref), L"GetRefTypeOfImplType");
        half.Reset();
        Check(info->GetRefTypeInfo(ref, &half), L"GetRefTypeInfo");
    }
    return half;
}

std::wstring Flags(WORD flags) {
    static const std::pair<WORD, const wchar_t*> kFlags[] = {
        {TYPEFLAG_FDUAL, L"dual"}, {TYPEFLAG_FHIDDEN, L"hidden"}, {TYPEFLAG_FNONEXTENSIBLE, L"non-extensible"},
        {TYPEFLAG_FOLEAUTOMATION, L"automation-compatible"}, {TYPEFLAG_FDISPATCHABLE, L"dispatchable"},
        {TYPEFLAG_FCANCREATE, L"creatable"}};
    std::wstring text;
    for (const auto& [flag, name] : kFlags)
        if (flags & flag) text += (text.empty() ? L"" : L", ") + std::wstring(name);
    return text;
}

std::wstring Join(const std::vector<std::wstring>& parts, const wchar_t* between) {
    std::wstring text;
    for (const auto& part : parts) text += (text.empty() ? L"" : between) + part;
    return text;
}

class Writer {
public:
    explicit Writer(std::wstring& out) : out_(out) {}

    // owner names the members in the enumerations' "used by" lists.
    void Interface(ITypeInfo* info, const std::wstring& heading, const std::wstring& owner) {
        const TypeAttr attr = Attr(info);
        out_ += L"### " + heading + L"\n\n";
        const ComPtr<ITypeInfo> half = VtableHalf(info);
        const TypeAttr halfAttr = Attr(half.Get());
        out_ += L"Interface `" + Name(info) + L"`, IID `" + Guid(attr->guid) + L"`";
        const std::wstring flags = Flags(attr->wTypeFlags | halfAttr->wTypeFlags);
        out_ += flags.empty() ? L".\n\n" : L": " + flags + L".\n\n";
        const std::vector<Member> members = Members(half.Get());
        // An interface whose every member says what it does gets a column
        // for it; otherwise the few help strings follow the table.
        bool described = !members.empty();
        for (const Member& m : members) described = described && !m.help.empty();
        out_ += described ? L"| Dispatch id | Member | Kind | Type | Vtable slots | Description |\n|---|---|---|---|---|---|\n"
                          : L"| Dispatch id | Member | Kind | Type | Vtable slots |\n|---|---|---|---|---|\n";
        for (const Member& m : members) {
            const bool method = m.accessors.front() == L"method";
            std::vector<std::wstring> slots;
            for (int slot : m.slots) slots.push_back(std::to_wstring(slot));
            out_ += L"| " + Hex(static_cast<unsigned long>(m.id)) + L" | `" + m.name + (method ? m.parameters : L"") +
                    L"` | " + (method ? L"method" : L"property (" + Join(m.accessors, L", ") + L")") + L" | " +
                    (m.type.empty() ? L"" : L"`" + m.type + L"`") + L" | " + Join(slots, L", ") + L" |" +
                    (described ? L" " + m.help + L" |\n" : L"\n");
            if (!m.type.empty()) users_[m.type].push_back(L"`" + owner + L"." + m.name + L"`");
            if (!m.help.empty() && !described) notes_.push_back(L"`" + m.name + L"`: \"" + m.help + L"\"");
        }
        out_ += L"\n";
        if (!notes_.empty()) {
            out_ += L"Help strings: " + Join(notes_, L"; ") + L".\n\n";
            notes_.clear();
        }
    }

    void Enumeration(ITypeInfo* info) {
        const TypeAttr attr = Attr(info);
        std::vector<std::wstring> values;
        for (UINT i = 0; i < attr->cVars; ++i) {
            VarDesc var;
            Check(info->GetVarDesc(i, var.put(info)), L"GetVarDesc");
            vestrel::Variant number;
            Check(VariantChangeType(number.put(), var->lpvarValue, 0, VT_BSTR), L"VariantChangeType");
            values.push_back(L"`" + Name(info, var->memid) + L"` = " + FromBstr(number.get().bstrVal));
        }
        const std::wstring name = Name(info);
        const std::wstring users = Join(users_[name], L", ");
        out_ += L"| `" + name + L"` | `" + Guid(attr->guid) + L"` | " + Join(values, L", ") + L" | " +
                (users.empty() ? L"no member" : users) + L" |\n";
    }

private:
    std::wstring& out_;
    std::vector<std::wstring> notes_;
    std::map<std::wstring, std::vector<std::wstring>> users_;  // type name: the members typed with it
};

std::vector<ComPtr<ITypeInfo>> OfKind(ITypeLib* library, TYPEKIND kind) {
    std::vector<ComPtr<ITypeInfo>> infos;
    for (UINT i = 0; i < library->GetTypeInfoCount(); ++i) {
        TYPEKIND k;
        if (FAILED(library->GetTypeInfoType(i, &k)) || k != kind) continue;
        ComPtr<ITypeInfo> info;
        Check(library->GetTypeInfo(i, &info), L"GetTypeInfo");
        infos.push_back(info);
    }
    return infos;
}

ComPtr<ITypeInfo> DefaultInterface(ITypeInfo* coclass) {
    const TypeAttr attr = Attr(coclass);
    for (UINT i = 0; i < attr->cImplTypes; ++i) {
        INT flags = 0;
        Check(coclass->GetImplTypeFlags(i, &flags), L"GetImplTypeFlags");
        if (!(flags & IMPLTYPEFLAG_FDEFAULT)) continue;
        HREFTYPE ref = 0;
        Check(coclass->GetRefTypeOfImplType(i, &ref), L"GetRefTypeOfImplType");
        ComPtr<ITypeInfo> info;
        Check(coclass->GetRefTypeInfo(ref, &info), L"GetRefTypeInfo");
        return info;
    }
    throw Failure{L"a class without a default interface", E_FAIL};
}

std::wstring Document(const std::wstring& dll) {
    ComPtr<ITypeLib> library, internal;
    Check(LoadTypeLibEx(dll.c_str(), REGKIND_NONE, &library), L"LoadTypeLibEx");
    Check(LoadTypeLibEx((dll + L"\\2").c_str(), REGKIND_NONE, &internal), L"LoadTypeLibEx (objects handed out)");
    TLIBATTR* lib = nullptr;
    Check(library->GetLibAttr(&lib), L"GetLibAttr");
    BSTR name = nullptr, help = nullptr;
    Check(library->GetDocumentation(-1, &name, &help, nullptr, nullptr), L"GetDocumentation");
    const std::wstring libraryName = FromBstr(name);
    std::wstring out = L"# " + libraryName + L" type library reference\n\n";
    out += L"Made by `vestrel-typelib-doc` from the type libraries embedded in the built DLL (`make docs`); "
           L"the test suite fails when this file and the DLL disagree. The usage guide is `docs/guide.md`.\n\n";
    out += L"| Library | Version | LIBID | Locale | Help string |\n|---|---|---|---|---|\n";
    out += L"| `" + libraryName + L"` | " + std::to_wstring(lib->wMajorVerNum) + L"." +
           std::to_wstring(lib->wMinorVerNum) + L" | `" + Guid(lib->guid) + L"` | " + Hex(lib->lcid).substr(6) +
           L" | \"" + FromBstr(help) + L"\" |\n\n";
    library->ReleaseTLibAttr(lib);
    SysFreeString(name);
    SysFreeString(help);

    out += L"Every class is created by its ProgID (the library name, a dot and the class name; `.1` appended "
           L"names version 1) or by its CLSID, has one dual interface (call it late-bound through `IDispatch` "
           L"or early-bound through the vtable) and raises no events. Vtable slots count from 0; slots 0 to 6 "
           L"are `IUnknown` and `IDispatch`. Each property's accessors share one dispatch identifier.\n\n";
    out += L"Types are named as Basic declares them: `Boolean` is `VARIANT_BOOL` (true is -1), `Variant` is "
           L"`VARIANT`, `String` is `BSTR`, `Integer` is `short`, `Long` is a 32-bit `long`, `Single` is "
           L"`float`, `Object` is `IDispatch*`; an enumeration is a 32-bit `long`.\n\n";

    const auto classes = OfKind(library.Get(), TKIND_COCLASS);
    out += L"## Classes\n\n| Class | ProgID | CLSID | Interface | Flags |\n|---|---|---|---|---|\n";
    for (const auto& coclass : classes) {
        const TypeAttr attr = Attr(coclass.Get());
        const std::wstring className = Name(coclass.Get());
        out += L"| `" + className + L"` | `" + libraryName + L"." + className + L"` | `" + Guid(attr->guid) +
               L"` | `" + Name(DefaultInterface(coclass.Get()).Get()) + L"` | " + Flags(attr->wTypeFlags) + L" |\n";
    }
    out += L"\n## Interfaces\n\n";
    Writer writer(out);
    for (const auto& coclass : classes)
        writer.Interface(DefaultInterface(coclass.Get()).Get(), L"Class " + Name(coclass.Get()), Name(coclass.Get()));

    out += L"## Enumerations\n\n| Enumeration | GUID | Members | Used by |\n|---|---|---|---|\n";
    for (const auto& info : OfKind(library.Get(), TKIND_ENUM)) writer.Enumeration(info.Get());

    out += L"\n## Objects handed out\n\n"
           L"These objects are not registered and cannot be created; the component hands them to hosts. Their "
           L"type library is embedded in the DLL as resource 2.\n\n";
    static const std::pair<const wchar_t*, const wchar_t*> kHandedOut[] = {
        {L"ITextBoxControl", L"The word box, as `Spelling.SendToForm` returns it"},
        {L"IEngineApplication", L"The built-in spelling engine, as `Spelling.mLib` holds it when Word is not used"},
        {L"IEngineDocuments", L"The engine's `Documents`"},
        {L"IEngineDocument", L"One of the engine's documents"},
        {L"IEngineCollection", L"The engine's suggestions and dictionaries"},
        {L"IEngineItem", L"One suggestion or dictionary"}};
    for (const auto& [interfaceName, what] : kHandedOut) {
        ComPtr<ITypeInfo> info;
        MEMBERID id = 0;
        USHORT found = 1;
        std::wstring lookup = interfaceName;
        Check(internal->FindName(lookup.data(), 0, &info, &id, &found), L"FindName");
        if (found == 0) throw Failure{L"no " + lookup + L" in the objects' type library", E_FAIL};
        writer.Interface(info.Get(), what, interfaceName);
    }
    return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fwprintf(stderr, L"usage: vestrel-typelib-doc DLL OUT\n");
        return 2;
    }
    CoInitialize(nullptr);
    int status = 0;
    try {
        const std::string text = Utf8(Document(argv[1]));
        FILE* file = _wfopen(argv[2], L"wb");
        if (!file || std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fclose(file) != 0) {
            std::fwprintf(stderr, L"vestrel-typelib-doc: cannot write %ls\n", argv[2]);
            status = 1;
        }
    } catch (const Failure& failure) {
        std::fwprintf(stderr, L"vestrel-typelib-doc: %ls failed (0x%08lX)\n", failure.what.c_str(),
                      static_cast<unsigned long>(failure.hr));
        status = 1;
    }
    CoUninitialize();
    return status;
}
