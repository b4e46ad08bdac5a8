// The members of an object as its type information declares them, for
// tests that go over every member of every class.
#pragma once
#include <windows.h>
#include <oaidl.h>
#include <string>
#include <vector>
#include <wrl/client.h>

namespace {

struct Member {
    DISPID id;
    INVOKEKIND kind;
    short params;
    short most;  // arguments it takes: its parameters less the result
    std::wstring name;
    VARTYPE type;  // of its first parameter: an enumeration is a VT_I4
    short slot;    // in the vtable of the dual interface
};

VARTYPE TypeOf(ITypeInfo* info, const TYPEDESC& type) {
    if (type.vt != VT_USERDEFINED) return type.vt;  // VT_BOOL, VT_VARIANT, ...
    Microsoft::WRL::ComPtr<ITypeInfo> named;
    TYPEATTR* attributes = nullptr;
    VARTYPE vt = VT_USERDEFINED;
    if (SUCCEEDED(info->GetRefTypeInfo(type.hreftype, &named)) && SUCCEEDED(named->GetTypeAttr(&attributes))) {
        if (attributes->typekind == TKIND_ENUM) vt = VT_I4;
        named->ReleaseTypeAttr(attributes);
    }
    return vt;
}

std::vector<Member> Members(IDispatch* object) {
    std::vector<Member> members;
    Microsoft::WRL::ComPtr<ITypeInfo> info;
    if (FAILED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info))) return members;
    TYPEATTR* attributes = nullptr;
    info->GetTypeAttr(&attributes);
    for (UINT i = 0; i < attributes->cFuncs; ++i) {
        FUNCDESC* function = nullptr;
        if (FAILED(info->GetFuncDesc(i, &function))) continue;
        // IUnknown's and IDispatch's own members are restricted; calling them
        // through Invoke is no host's business.
        if (!(function->wFuncFlags & FUNCFLAG_FRESTRICTED)) {
            BSTR name = nullptr;
            info->GetDocumentation(function->memid, &name, nullptr, nullptr, nullptr);
            short most = function->cParams;
            for (short p = 0; p < function->cParams; ++p)
                most -= (function->lprgelemdescParam[p].paramdesc.wParamFlags & PARAMFLAG_FRETVAL) != 0;
            const VARTYPE type =
                function->cParams > 0 ? TypeOf(info.Get(), function->lprgelemdescParam[0].tdesc) : VARTYPE{VT_EMPTY};
            members.push_back({function->memid, function->invkind, function->cParams, most, name ? name : L"", type,
                               static_cast<short>(function->oVft / static_cast<short>(sizeof(void*)))});
            SysFreeString(name);
        }
        info->ReleaseFuncDesc(function);
    }
    info->ReleaseTypeAttr(attributes);
    return members;
}

}  // namespace
