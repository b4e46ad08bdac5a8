// The type library embedded in the DLL, read back as a host reads it,
// against the published tables of classes, members and enumerations.
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

// One member as declared: a property (get + let), an object variable
// (get + set by reference) or a method; its type names the value.
enum Kind { Prop, ObjectVar, Method };
struct Member {
    const wchar_t* name;
    int low;  // low byte of the dispatch identifier
    const wchar_t* type;
    Kind kind = Prop;
};

const std::vector<Member> kCommandButton(const wchar_t* color) {
    return {{L"BackColor", 0x0D, color}, {L"Caption", 0x0C, L"VARIANT"}, {L"Enabled", 0x0B, L"VARIANT_BOOL"},
            {L"FontName", 0x0A, L"VARIANT"}, {L"Height", 0x09, L"VARIANT"}, {L"Width", 0x08, L"VARIANT"},
            {L"Left", 0x07, L"VARIANT"}, {L"Top", 0x06, L"VARIANT"}, {L"Picture", 0x05, L"VARIANT"},
            {L"ToolTipText", 0x04, L"VARIANT"}, {L"Visible", 0x03, L"VARIANT_BOOL"}, {L"FontBold", 0x02, L"VARIANT"},
            {L"FontItalic", 0x01, L"VARIANT"}, {L"FontUnderline", 0x00, L"VARIANT"}};
}

const std::vector<Member> kCaptionLabel(const wchar_t* align, const wchar_t* color) {
    return {{L"Alignment", 0x0A, align}, {L"FontBold", 0x09, L"VARIANT"}, {L"FontItalic", 0x08, L"VARIANT"},
            {L"Top", 0x07, L"VARIANT"}, {L"Enabled", 0x06, L"VARIANT_BOOL"}, {L"Visible", 0x05, L"VARIANT_BOOL"},
            {L"ToolTipText", 0x04, L"VARIANT"}, {L"ForeColor", 0x03, color}, {L"Caption", 0x02, L"VARIANT"},
            {L"FontName", 0x01, L"VARIANT"}, {L"Left", 0x00, L"VARIANT"}};
}

const std::map<std::wstring, std::vector<Member>> kInterfaces = {
    {L"_BarButtons",
     {{L"ButtonHelpVisible", 0x0E, L"VARIANT_BOOL"}, {L"ButtonMinVisible", 0x0D, L"VARIANT_BOOL"},
      {L"ButtonCloseVisible", 0x0C, L"VARIANT_BOOL"}, {L"BarButtonsTop", 0x0B, L"VARIANT"},
      {L"BarButtonsLeft", 0x0A, L"VARIANT"}, {L"HelpButtonLeft", 0x09, L"VARIANT"},
      {L"HelpToolTipText", 0x08, L"VARIANT"}, {L"MinToolTipText", 0x07, L"VARIANT"},
      {L"CloseToolTipText", 0x06, L"VARIANT"}, {L"HelpTop", 0x05, L"VARIANT"}, {L"HelpFilePath", 0x04, L"VARIANT"},
      {L"BackColor", 0x03, L"ToolBColor"}, {L"BorderStyle", 0x02, L"BorderS"}, {L"BackStyle", 0x01, L"BStyle"},
      {L"BorderTBVisible", 0x00, L"VARIANT_BOOL"}}},
    {L"_BarTitle",
     {{L"FontSize", 0x0B, L"BTitleSize"}, {L"Caption", 0x0A, L"VARIANT"}, {L"ForeColor", 0x09, L"ConsColor"},
      {L"FontBold", 0x08, L"VARIANT_BOOL"}, {L"FontItalic", 0x07, L"VARIANT_BOOL"},
      {L"FontUnderline", 0x06, L"VARIANT_BOOL"}, {L"Alignment", 0x05, L"Title"}, {L"BackColor", 0x04, L"ConsColor"},
      {L"Enabled", 0x03, L"VARIANT_BOOL"}, {L"ToolTipText", 0x02, L"VARIANT"}, {L"Visible", 0x01, L"VARIANT_BOOL"},
      {L"FontName", 0x00, L"VARIANT"}}},
    {L"_Border", {{L"BackColor", 0x01, L"WBColor"}, {L"Picture", 0x00, L"VARIANT"}}},
    {L"_Check", kCommandButton(L"BKckColor")},
    {L"_cmdClose", kCommandButton(L"BKColor")},
    {L"_Label_Status",
     {{L"Alignment", 0x0B, L"Status"}, {L"FontBold", 0x0A, L"VARIANT"}, {L"FontItalic", 0x09, L"VARIANT"},
      {L"Top", 0x08, L"VARIANT"}, {L"Enabled", 0x07, L"VARIANT_BOOL"}, {L"Visible", 0x06, L"VARIANT_BOOL"},
      {L"ToolTipText", 0x05, L"VARIANT"}, {L"ForeColor", 0x04, L"FColorStatus"}, {L"FontName", 0x03, L"VARIANT"},
      {L"Left", 0x02, L"VARIANT"}, {L"Height", 0x01, L"VARIANT"}, {L"Width", 0x00, L"VARIANT"}}},
    {L"_Label_Suggestions", kCaptionLabel(L"Suggestions", L"FCSuggestions")},
    {L"_Label_txtWord", kCaptionLabel(L"posTxtWord", L"FCTxtWord")},
    {L"_lst_Suggestions",
     {{L"Top", 0x0B, L"VARIANT"}, {L"Left", 0x0A, L"VARIANT"}, {L"Width", 0x09, L"VARIANT"},
      {L"Height", 0x08, L"VARIANT"}, {L"BackColor", 0x07, L"lstSuggestionsColor"},
      {L"ForeColor", 0x06, L"lstSuggestionsColor"}, {L"Appearance", 0x05, L"lstAppeareance"},
      {L"Enabled", 0x04, L"VARIANT_BOOL"}, {L"FontName", 0x03, L"VARIANT"}, {L"Text", 0x02, L"VARIANT"},
      {L"ToolTipText", 0x01, L"VARIANT"}, {L"Visible", 0x00, L"VARIANT_BOOL"}, {L"Send", 0x0C, nullptr, Method}}},
    {L"_Spelling",
     {{L"mLib", 0x00, L"IDispatch*", ObjectVar}, {L"Show", 0x02, nullptr, Method},
      {L"SendToForm", 0x03, nullptr, Method}, {L"DeleteText", 0x01, L"VARIANT"},
      {L"Spelling", 0x04, nullptr, Method}, {L"Visible", 0x00, L"VARIANT_BOOL"}, {L"Unload", 0x05, nullptr, Method},
      {L"Change", 0x06, nullptr, Method}, {L"About", 0x07, nullptr, Method}}},
    {L"_txtTWord",
     {{L"Top", 0x0F, L"VARIANT"}, {L"Left", 0x0E, L"VARIANT"}, {L"Width", 0x0D, L"VARIANT"},
      {L"Height", 0x0C, L"VARIANT"}, {L"BackColor", 0x0B, L"txtWordColor"}, {L"ForeColor", 0x0A, L"txtWordColor"},
      {L"Alignment", 0x09, L"posTWord"}, {L"Appearance", 0x08, L"txtAppeareance"},
      {L"BorderStyle", 0x07, L"txtBorderStyle"}, {L"Enabled", 0x06, L"VARIANT_BOOL"},
      {L"FontName", 0x05, L"VARIANT"}, {L"Locked", 0x04, L"VARIANT_BOOL"}, {L"MaxLength", 0x03, L"VARIANT"},
      {L"Text", 0x02, L"VARIANT"}, {L"ToolTipText", 0x01, L"VARIANT"}, {L"Visible", 0x00, L"VARIANT_BOOL"}}},
};

const std::vector<std::pair<const wchar_t*, int>> kColors = {
    {L"vbBlack", 0}, {L"vbRed", 1}, {L"vbGreen", 2}, {L"vbYellow", 3},
    {L"vbBlue", 4}, {L"vbMagenta", 5}, {L"vbCyan", 6}, {L"vbWhite", 7}};

const std::map<std::wstring, std::vector<std::pair<const wchar_t*, int>>> kEnums = {
    {L"ToolBColor", kColors}, {L"ConsColor", kColors}, {L"WBColor", kColors}, {L"BKckColor", kColors},
    {L"BKColor", kColors}, {L"FColorStatus", kColors}, {L"FCSuggestions", kColors}, {L"FCTxtWord", kColors},
    {L"lstSuggestionsColor", kColors}, {L"txtWordColor", kColors},
    {L"BStyle", {{L"BSTransparent", 0}, {L"Opaque", 1}}},
    {L"BorderS", {{L"Transparent", 0}, {L"Solid", 1}}},
    {L"BTitleSize", {{L"Big", 0}, {L"Medium", 1}, {L"Small", 2}}},
    {L"Title", {{L"posLeft", 0}, {L"posCenter", 1}, {L"posRight", 2}}},
    {L"Status", {{L"mStatusLeft", 0}, {L"mStatusCenter", 1}, {L"mStatusRight", 2}}},
    {L"Suggestions", {{L"lstSuggestionsLeft", 0}, {L"lstSuggestionsCenter", 1}, {L"lstSuggestionsRight", 2}}},
    {L"posTxtWord", {{L"txtWordLeft", 0}, {L"txtWordCenter", 1}, {L"txtWordRight", 2}}},
    {L"posSuggestions", {{L"Suggestions_Left", 0}, {L"Suggestions_Center", 1}, {L"Suggestions_Right", 2}}},
    {L"lstAppeareance", {{L"lst_Flat", 0}, {L"lst_3D", 1}}},
    {L"posTWord", {{L"TWordLeft", 0}, {L"TWordCenter", 1}, {L"TWordRight", 2}}},
    {L"txtAppeareance", {{L"txt_Flat", 0}, {L"txt_3D", 1}}},
    {L"txtBorderStyle", {{L"txt_None", 0}, {L"txt_Fixed_Single", 1}}},
};

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
            EXPECT_EQ(kInterfaces.count(L"_" + name), 1u);
        }
        info->ReleaseTypeAttr(a);
    }
    EXPECT_EQ(classes, 11);
}

TEST_F(TypeLibrary, InterfacesHaveTheirMembersInDeclarationOrder) {
    for (const auto& [name, members] : kInterfaces) {
        SCOPED_TRACE(name);
        ComPtr<ITypeInfo> info, dispatch;
        MEMBERID id;
        USHORT found = 1;
        std::wstring n = name;
        ASSERT_EQ(lib_->FindName(n.data(), 0, dispatch.GetAddressOf(), &id, &found), S_OK);
        ASSERT_EQ(found, 1);
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

        std::vector<std::wstring> expected, actual;
        for (const Member& m : members) {
            const std::wstring base = std::wstring(m.name) + L" " +
                                      std::to_wstring((m.kind == Method ? 0x60030000 : m.kind == ObjectVar ? 0x40030000 : 0x68030000) + m.low);
            if (m.kind == Method) {
                expected.push_back(base + L" method");
            } else {
                expected.push_back(base + L" get " + m.type + L"*");
                expected.push_back(base + (m.kind == ObjectVar ? L" putref " : L" put ") + m.type);
            }
        }
        SHORT lastOffset = -1;
        for (UINT i = 0; i < functions; ++i) {
            FUNCDESC* f = nullptr;
            ASSERT_EQ(info->GetFuncDesc(i, &f), S_OK);
            EXPECT_GT(f->oVft, lastOffset);
            lastOffset = f->oVft;
            EXPECT_EQ(f->callconv, CC_STDCALL);
            std::wstring line = NameOf(info.Get(), f->memid) + L" " + std::to_wstring(f->memid);
            switch (f->invkind) {
                case INVOKE_FUNC: line += L" method"; break;
                case INVOKE_PROPERTYGET: line += L" get " + TypeName(info.Get(), f->lprgelemdescParam[0].tdesc); break;
                case INVOKE_PROPERTYPUT: line += L" put " + TypeName(info.Get(), f->lprgelemdescParam[0].tdesc); break;
                case INVOKE_PROPERTYPUTREF: line += L" putref " + TypeName(info.Get(), f->lprgelemdescParam[0].tdesc); break;
            }
            actual.push_back(line);
            info->ReleaseFuncDesc(f);
        }
        EXPECT_EQ(actual, expected);
    }
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

TEST_F(TypeLibrary, EveryEnumerationIs32BitWithItsMembers) {
    std::map<std::wstring, std::vector<std::pair<std::wstring, int>>> actual;
    for (UINT i = 0; i < lib_->GetTypeInfoCount(); ++i) {
        ComPtr<ITypeInfo> info;
        lib_->GetTypeInfo(i, &info);
        TYPEATTR* a = nullptr;
        info->GetTypeAttr(&a);
        if (a->typekind == TKIND_ENUM) {
            EXPECT_EQ(a->cbSizeInstance, 4u);
            auto& members = actual[NameOf(info.Get())];
            for (UINT v = 0; v < a->cVars; ++v) {
                VARDESC* d = nullptr;
                info->GetVarDesc(v, &d);
                members.emplace_back(NameOf(info.Get(), d->memid), V_I4(d->lpvarValue));
                info->ReleaseVarDesc(d);
            }
        }
        info->ReleaseTypeAttr(a);
    }
    ASSERT_EQ(actual.size(), 22u);
    for (const auto& [name, members] : kEnums) {
        SCOPED_TRACE(name);
        ASSERT_EQ(actual.count(name), 1u);
        std::vector<std::pair<std::wstring, int>> expected(members.begin(), members.end());
        EXPECT_EQ(actual[name], expected);
    }
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
