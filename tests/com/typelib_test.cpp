// The type library embedded in the DLL, read back as a host reads it. Its
// names, identifiers, types and values have one golden, docs/reference.md
// (the reference test writes it anew from this DLL and compares); here is
// what a host relies on that the page does not spell out: the library's
// attributes, creatable classes with one default dual interface, stdcall
// members in vtable order, exact help texts, 32-bit enumerations, and the
// member table's reading when a description fails.
#include "dll.h"
#include <gtest/gtest.h>
#include <cguid.h>
#include <oleauto.h>
#include <wrl/client.h>
#include <map>
#include <string>
#include <vector>
#include "com/arguments.h"
#include "com/errors.h"

using Microsoft::WRL::ComPtr;

namespace {

std::wstring Text(BSTR b) {
    std::wstring s(b ? b : L"", SysStringLen(b));
    SysFreeString(b);
    return s;
}

std::wstring NameOf(ITypeInfo* info, MEMBERID id = MEMBERID_NIL) {
    BSTR name = nullptr;
    info->GetDocumentation(id, &name, nullptr, nullptr, nullptr);
    return Text(name);
}

std::wstring TypeName(ITypeInfo* owner, const TYPEDESC& t) {
    switch (t.vt) {
        case VT_VARIANT: return L"VARIANT";
        case VT_BOOL: return L"VARIANT_BOOL";
        case VT_I2: return L"short";
        case VT_DISPATCH: return L"IDispatch*";
        case VT_PTR: return TypeName(owner, *t.lptdesc) + L"*";
        case VT_USERDEFINED: {
            ComPtr<ITypeInfo> ref;
            if (FAILED(owner->GetRefTypeInfo(t.hreftype, &ref))) return L"?";
            return NameOf(ref.Get());
        }
        default: return L"vt" + std::to_wstring(t.vt);
    }
}

class TypeLibrary : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(LoadTypeLibEx(ComponentPath().c_str(), REGKIND_NONE, &lib_), S_OK); }
    ComPtr<ITypeLib> lib_;
};

TEST_F(TypeLibrary, LibraryAttributes) {
    TLIBATTR* a = nullptr;
    ASSERT_EQ(lib_->GetLibAttr(&a), S_OK);
    EXPECT_EQ(a->wMajorVerNum, 1);
    EXPECT_EQ(a->wMinorVerNum, 0);
    EXPECT_EQ(a->lcid, 0x409u);
    lib_->ReleaseTLibAttr(a);
    BSTR name = nullptr, help = nullptr;
    ASSERT_EQ(lib_->GetDocumentation(MEMBERID_NIL, &name, &help, nullptr, nullptr), S_OK);
    EXPECT_EQ(Text(name), L"Vestrel");
    EXPECT_EQ(Text(help), L"DLL ActiveX, para visualizar un programa Vestrel");
}

TEST_F(TypeLibrary, ElevenCreatableClassesEachWithOneDefaultDualInterface) {
    int classes = 0;
    for (UINT i = 0; i < lib_->GetTypeInfoCount(); ++i) {
        ComPtr<ITypeInfo> info;
        ASSERT_EQ(lib_->GetTypeInfo(i, &info), S_OK);
        TYPEATTR* a = nullptr;
        info->GetTypeAttr(&a);
        if (a->typekind == TKIND_COCLASS) {
            ++classes;
            const std::wstring name = NameOf(info.Get());
            SCOPED_TRACE(name);
            EXPECT_TRUE(a->wTypeFlags & TYPEFLAG_FCANCREATE);
            EXPECT_EQ(a->cImplTypes, 1);
            INT flags = 0;
            info->GetImplTypeFlags(0, &flags);
            EXPECT_EQ(flags, IMPLTYPEFLAG_FDEFAULT);
            HREFTYPE ref;
            ComPtr<ITypeInfo> dual;
            info->GetRefTypeOfImplType(0, &ref);
            ASSERT_EQ(info->GetRefTypeInfo(ref, &dual), S_OK);
            EXPECT_EQ(NameOf(dual.Get()), L"_" + name);
        }
        info->ReleaseTypeAttr(a);
    }
    EXPECT_EQ(classes, 11);
}

// The members' names, identifiers, kinds, types and slots are those of
// docs/reference.md, which the reference test holds to this DLL; here each
// interface is one a Basic host can bind to early: dual, its members
// stdcall in ascending vtable slots, each property's accessors one pair.
TEST_F(TypeLibrary, EveryInterfaceIsDualWithItsMembersInVtableOrder) {
    int interfaces = 0;
    for (UINT i = 0; i < lib_->GetTypeInfoCount(); ++i) {
        ComPtr<ITypeInfo> dispatch, info;
        ASSERT_EQ(lib_->GetTypeInfo(i, &dispatch), S_OK);
        const std::wstring name = NameOf(dispatch.Get());
        if (name.empty() || name[0] != L'_') continue;
        SCOPED_TRACE(name);
        ++interfaces;
        // The dual interface itself (the library hands out its dispatch view).
        HREFTYPE ref;
        if (SUCCEEDED(dispatch->GetRefTypeOfImplType(-1, &ref))) dispatch->GetRefTypeInfo(ref, &info);
        else info = dispatch;
        TYPEATTR* a = nullptr;
        ASSERT_EQ(info->GetTypeAttr(&a), S_OK);
        EXPECT_EQ(a->typekind, TKIND_INTERFACE);
        const WORD expectedFlags = TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE |
                                   TYPEFLAG_FOLEAUTOMATION | TYPEFLAG_FDISPATCHABLE;
        EXPECT_EQ(a->wTypeFlags & expectedFlags, expectedFlags);
        const UINT functions = a->cFuncs;
        info->ReleaseTypeAttr(a);

        SHORT lastOffset = -1;
        std::map<MEMBERID, std::vector<INVOKEKIND>> accessors;
        for (UINT f = 0; f < functions; ++f) {
            FUNCDESC* d = nullptr;
            ASSERT_EQ(info->GetFuncDesc(f, &d), S_OK);
            EXPECT_GT(d->oVft, lastOffset);
            lastOffset = d->oVft;
            EXPECT_EQ(d->callconv, CC_STDCALL);
            accessors[d->memid].push_back(d->invkind);
            info->ReleaseFuncDesc(d);
        }
        EXPECT_GT(functions, 0u);
        for (const auto& [id, kinds] : accessors) {
            const bool method = kinds == std::vector<INVOKEKIND>{INVOKE_FUNC};
            const bool property = kinds == std::vector<INVOKEKIND>{INVOKE_PROPERTYGET, INVOKE_PROPERTYPUT} ||
                                  kinds == std::vector<INVOKEKIND>{INVOKE_PROPERTYGET, INVOKE_PROPERTYPUTREF};
            EXPECT_TRUE(method || property) << NameOf(info.Get(), id);
        }
    }
    EXPECT_EQ(interfaces, 11);
}

TEST_F(TypeLibrary, ShowTakesAnOptionalShortByReferenceAndCarriesHelp) {
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(lib_->GetTypeInfoOfGuid(__uuidof(IDispatch), &info), TYPE_E_ELEMENTNOTFOUND);
    MEMBERID id;
    USHORT found = 1;
    wchar_t name[] = L"_Spelling";
    ASSERT_EQ(lib_->FindName(name, 0, info.ReleaseAndGetAddressOf(), &id, &found), S_OK);
    HREFTYPE ref;
    ComPtr<ITypeInfo> dual;
    if (SUCCEEDED(info->GetRefTypeOfImplType(-1, &ref))) info->GetRefTypeInfo(ref, &dual);
    else dual = info;
    TYPEATTR* a = nullptr;
    dual->GetTypeAttr(&a);
    std::map<std::wstring, std::wstring> help;
    for (UINT i = 0; i < a->cFuncs; ++i) {
        FUNCDESC* f = nullptr;
        dual->GetFuncDesc(i, &f);
        BSTR n = nullptr, h = nullptr;
        dual->GetDocumentation(f->memid, &n, &h, nullptr, nullptr);
        const std::wstring member = Text(n);
        help[member] = Text(h);
        if (member == L"Show") {
            ASSERT_EQ(f->cParams, 1);
            const ELEMDESC& p = f->lprgelemdescParam[0];
            EXPECT_EQ(TypeName(dual.Get(), p.tdesc), L"short*");
            EXPECT_TRUE(p.paramdesc.wParamFlags & PARAMFLAG_FOPT);
            EXPECT_TRUE(p.paramdesc.wParamFlags & PARAMFLAG_FIN);
            EXPECT_TRUE(p.paramdesc.wParamFlags & PARAMFLAG_FOUT);
        }
        dual->ReleaseFuncDesc(f);
    }
    dual->ReleaseTypeAttr(a);
    EXPECT_EQ(help[L"Show"], L"Visualiza la ventana del Vestrel");
    const std::wstring about = help[L"About"];
    EXPECT_EQ(about.rfind(L"Muestra la ventana Acerca de...", 0), 0u);
    EXPECT_NE(about.find(L"   (Proporciona un link al correo electr\u00f3nico del Autor.)   "), std::wstring::npos);
    EXPECT_EQ(about.back(), L' ');
}

// The enumerations' members and values are the reference's; each is a
// 32-bit long, as Basic declares an Enum, and none is empty.
TEST_F(TypeLibrary, EveryEnumerationIs32Bit) {
    int enumerations = 0;
    for (UINT i = 0; i < lib_->GetTypeInfoCount(); ++i) {
        ComPtr<ITypeInfo> info;
        lib_->GetTypeInfo(i, &info);
        TYPEATTR* a = nullptr;
        info->GetTypeAttr(&a);
        if (a->typekind == TKIND_ENUM) {
            ++enumerations;
            EXPECT_EQ(a->cbSizeInstance, 4u) << NameOf(info.Get());
            EXPECT_GT(a->cVars, 1u) << NameOf(info.Get());
            for (UINT v = 0; v < a->cVars; ++v) {
                VARDESC* d = nullptr;
                info->GetVarDesc(v, &d);
                EXPECT_EQ(d->lpvarValue->vt, VT_I4) << NameOf(info.Get(), d->memid);
                info->ReleaseVarDesc(d);
            }
        }
        info->ReleaseTypeAttr(a);
    }
    EXPECT_EQ(enumerations, 22);
}

}  // namespace

namespace {

// A real interface's type description that fails one chosen call, and
// counts the descriptions it hands out against those given back.
class FailingTypeInfo : public ITypeInfo {
public:
    enum Call { None, TypeAttribute, Function, Reference };
    FailingTypeInfo(ITypeInfo* real, Call failing, int after) : real_(real), failing_(failing), after_(after) {}
    int outstanding = 0;

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (riid != IID_IUnknown && riid != IID_ITypeInfo) return *out = nullptr, E_NOINTERFACE;
        *out = this;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeAttr(TYPEATTR** a) override {
        if (Fails(TypeAttribute)) return E_OUTOFMEMORY;
        const HRESULT hr = real_->GetTypeAttr(a);
        outstanding += SUCCEEDED(hr);
        return hr;
    }
    STDMETHODIMP GetFuncDesc(UINT i, FUNCDESC** f) override {
        if (Fails(Function)) return TYPE_E_ELEMENTNOTFOUND;
        const HRESULT hr = real_->GetFuncDesc(i, f);
        outstanding += SUCCEEDED(hr);
        return hr;
    }
    STDMETHODIMP GetRefTypeInfo(HREFTYPE h, ITypeInfo** t) override {
        return Fails(Reference) ? TYPE_E_CANTLOADLIBRARY : real_->GetRefTypeInfo(h, t);
    }
    STDMETHODIMP_(void) ReleaseTypeAttr(TYPEATTR* a) override { --outstanding, real_->ReleaseTypeAttr(a); }
    STDMETHODIMP_(void) ReleaseFuncDesc(FUNCDESC* f) override { --outstanding, real_->ReleaseFuncDesc(f); }
    STDMETHODIMP GetTypeComp(ITypeComp** c) override { return real_->GetTypeComp(c); }
    STDMETHODIMP GetVarDesc(UINT i, VARDESC** v) override { return real_->GetVarDesc(i, v); }
    STDMETHODIMP GetNames(MEMBERID m, BSTR* n, UINT c, UINT* g) override { return real_->GetNames(m, n, c, g); }
    STDMETHODIMP GetRefTypeOfImplType(UINT i, HREFTYPE* h) override { return real_->GetRefTypeOfImplType(i, h); }
    STDMETHODIMP GetImplTypeFlags(UINT i, INT* f) override { return real_->GetImplTypeFlags(i, f); }
    STDMETHODIMP GetIDsOfNames(LPOLESTR* n, UINT c, MEMBERID* m) override { return real_->GetIDsOfNames(n, c, m); }
    STDMETHODIMP Invoke(PVOID o, MEMBERID m, WORD f, DISPPARAMS* p, VARIANT* r, EXCEPINFO* e, UINT* a) override {
        return real_->Invoke(o, m, f, p, r, e, a);
    }
    STDMETHODIMP GetDocumentation(MEMBERID m, BSTR* n, BSTR* d, DWORD* c, BSTR* h) override {
        return real_->GetDocumentation(m, n, d, c, h);
    }
    STDMETHODIMP GetDllEntry(MEMBERID m, INVOKEKIND k, BSTR* d, BSTR* n, WORD* o) override {
        return real_->GetDllEntry(m, k, d, n, o);
    }
    STDMETHODIMP AddressOfMember(MEMBERID m, INVOKEKIND k, PVOID* p) override { return real_->AddressOfMember(m, k, p); }
    STDMETHODIMP CreateInstance(IUnknown* u, REFIID r, PVOID* o) override { return real_->CreateInstance(u, r, o); }
    STDMETHODIMP GetMops(MEMBERID m, BSTR* b) override { return real_->GetMops(m, b); }
    STDMETHODIMP GetContainingTypeLib(ITypeLib** l, UINT* i) override { return real_->GetContainingTypeLib(l, i); }
    STDMETHODIMP_(void) ReleaseVarDesc(VARDESC* v) override { real_->ReleaseVarDesc(v); }

private:
    bool Fails(Call call) { return call == failing_ && after_-- == 0; }
    ITypeInfo* real_;
    Call failing_;
    int after_;
};

// The member table of an interface whose type description cannot be read
// whole is no table: the reading fails with the HRESULT of the call that
// failed, and gives back every description it was handed.
TEST_F(TypeLibrary, MemberShapesFailWhenTheTypeDescriptionCannotBeRead) {
    ComPtr<ITypeInfo> real;
    for (UINT i = 0; i < lib_->GetTypeInfoCount() && !real; ++i) {
        ComPtr<ITypeInfo> info;
        if (SUCCEEDED(lib_->GetTypeInfo(i, &info)) && NameOf(info.Get()) == L"_BarTitle") real = info;
    }
    ASSERT_NE(real, nullptr);
    FailingTypeInfo whole(real.Get(), FailingTypeInfo::None, 0);
    EXPECT_GE(vestrel::MemberShapes(&whole).size(), 24u);  // twelve properties, get and let each
    EXPECT_EQ(whole.outstanding, 0);
    const struct {
        const char* name;
        FailingTypeInfo::Call call;
        int after;
        HRESULT hr;
    } kFailures[] = {
        {"the interface's attributes", FailingTypeInfo::TypeAttribute, 0, E_OUTOFMEMORY},
        {"the first member", FailingTypeInfo::Function, 0, TYPE_E_ELEMENTNOTFOUND},
        {"a later member", FailingTypeInfo::Function, 7, TYPE_E_ELEMENTNOTFOUND},
        {"a parameter's named type", FailingTypeInfo::Reference, 0, TYPE_E_CANTLOADLIBRARY},
    };
    for (const auto& c : kFailures) {
        FailingTypeInfo failing(real.Get(), c.call, c.after);
        HRESULT hr = S_OK;
        try {
            vestrel::MemberShapes(&failing);
        } catch (const vestrel::ComError& error) {
            hr = error.Result();
        }
        EXPECT_EQ(hr, c.hr) << c.name;
        EXPECT_EQ(failing.outstanding, 0) << c.name;
    }
}

}  // namespace
