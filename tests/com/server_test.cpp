// The in-process server driven as COM does: DllGetClassObject, the class
// factory, IDispatch and DllCanUnloadNow, without the registry.
#include <initguid.h>
#include "dll.h"
#include <gtest/gtest.h>
#include <cguid.h>
#include <oleauto.h>
#include <wrl/client.h>
#include "automation.h"
#include "classes.h"
#include "vestrel_h.h"

using Microsoft::WRL::ComPtr;

namespace {

class Server : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        dll_ = LoadLibraryW(ComponentPath().c_str());
        ASSERT_NE(dll_, nullptr);
        getClassObject_ = reinterpret_cast<decltype(getClassObject_)>((void*)GetProcAddress(dll_, "DllGetClassObject"));
        canUnloadNow_ = reinterpret_cast<decltype(canUnloadNow_)>((void*)GetProcAddress(dll_, "DllCanUnloadNow"));
        ASSERT_NE(getClassObject_, nullptr);
        ASSERT_NE(canUnloadNow_, nullptr);
    }
    void TearDown() override {
        FreeLibrary(dll_);
        CoUninitialize();
    }
    ComPtr<IClassFactory> Factory(REFCLSID clsid) {
        ComPtr<IClassFactory> factory;
        EXPECT_EQ(getClassObject_(clsid, IID_IClassFactory, &factory), S_OK);
        return factory;
    }
    HMODULE dll_ = nullptr;
    HRESULT(STDAPICALLTYPE* getClassObject_)(REFCLSID, REFIID, void**) = nullptr;
    HRESULT(STDAPICALLTYPE* canUnloadNow_)() = nullptr;
};

TEST_F(Server, EveryClassIsCreatableWithOneIdentity) {
    for (const ClassCase& c : kClasses) {
        SCOPED_TRACE(c.name);
        ComPtr<IUnknown> unknown;
        ASSERT_EQ(Factory(*c.clsid)->CreateInstance(nullptr, IID_IUnknown, &unknown), S_OK);
        ComPtr<IUnknown> dual, dispatch, again;
        EXPECT_EQ(unknown->QueryInterface(*c.iid, &dual), S_OK);
        EXPECT_EQ(unknown->QueryInterface(IID_IDispatch, &dispatch), S_OK);
        EXPECT_EQ(dual->QueryInterface(IID_IUnknown, &again), S_OK);
        EXPECT_EQ(again.Get(), unknown.Get());
        ComPtr<ISupportErrorInfo> errors;
        ASSERT_EQ(unknown.As(&errors), S_OK);
        EXPECT_EQ(errors->InterfaceSupportsErrorInfo(*c.iid), S_OK);
        EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IID_IClassFactory), S_FALSE);
    }
}

TEST_F(Server, FactoryRefusesWhatItCannotGive) {
    ComPtr<IClassFactory> factory = Factory(CLSID_Spelling);
    ComPtr<IUnknown> object;
    ComPtr<IUnknown> outer;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, &outer), S_OK);
    EXPECT_EQ(factory->CreateInstance(outer.Get(), IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(object.Get(), nullptr);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, &object), E_NOINTERFACE);
    EXPECT_EQ(object.Get(), nullptr);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, nullptr), E_POINTER);
    void* raw = nullptr;
    EXPECT_EQ(getClassObject_(IID_IClassFactory, IID_IClassFactory, &raw), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(getClassObject_(CLSID_Spelling, IID_IDispatch, &raw), E_NOINTERFACE);
    EXPECT_EQ(raw, nullptr);
}

TEST_F(Server, CanUnloadOnlyWhenNothingIsOutstanding) {
    EXPECT_EQ(canUnloadNow_(), S_OK);
    ComPtr<IClassFactory> factory = Factory(CLSID_BarTitle);
    ComPtr<IDispatch> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, &object), S_OK);
    factory->LockServer(TRUE);
    factory.Reset();
    EXPECT_EQ(canUnloadNow_(), S_FALSE);  // object and lock
    object.Reset();
    EXPECT_EQ(canUnloadNow_(), S_FALSE);  // lock
    factory = Factory(CLSID_BarTitle);
    factory->LockServer(FALSE);
    factory->LockServer(FALSE);  // unbalanced: ignored
    factory.Reset();
    EXPECT_EQ(canUnloadNow_(), S_OK);
    factory = Factory(CLSID_BarTitle);
    factory->LockServer(TRUE);
    factory->LockServer(FALSE);
    factory.Reset();
    EXPECT_EQ(canUnloadNow_(), S_OK);
}

// A failing member reaches a late-bound host as an exception with the
// component's source, its text and the error number.
TEST_F(Server, AFailingMemberRaisesANamedAutomationError) {
    ComPtr<IDispatch> object;
    ASSERT_EQ(Factory(CLSID_BarTitle)->CreateInstance(nullptr, IID_IDispatch, &object), S_OK);
    LPOLESTR name = const_cast<LPOLESTR>(L"Caption");
    DISPID id = 0;
    ASSERT_EQ(object->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK);
    EXPECT_EQ(id, 0x6803000A);
    VARIANT null;
    VariantInit(&null);
    null.vt = VT_NULL;
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS args{&null, &put, 1, 1};
    EXCEPINFO exception{};
    EXPECT_EQ(object->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &args, nullptr, &exception, nullptr),
              DISP_E_EXCEPTION);
    ASSERT_NE(exception.bstrSource, nullptr);
    EXPECT_STREQ(exception.bstrSource, L"Vestrel");
    ASSERT_NE(exception.bstrDescription, nullptr);
    EXPECT_NE(std::wstring(exception.bstrDescription).find(L"No coinciden los tipos"), std::wstring::npos);
    EXPECT_EQ(exception.scode, kTypeMismatch);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    // The window it loaded goes with the test.
    for (HWND w = FindWindowW(L"VestrelForm", nullptr); w; w = FindWindowW(L"VestrelForm", nullptr))
        SendMessageW(w, WM_CLOSE, 0, 0);
}

// A window the system refuses, as a hook, desktop heap exhaustion or a
// failing WM_CREATE refuses it (leaving no last error), fails the call that
// needed it with its text instead of reporting success, and leaves nothing
// of the half-made load behind; once windows can be made again, the next
// call shows the window. Each window of the load is refused in turn.
thread_local int windowsSeen = 0;
thread_local int windowToRefuse = 0;

bool IsFormWindow(HWND window) {
    wchar_t name[32] = {};
    return window && GetClassNameW(window, name, 32) && wcscmp(name, L"VestrelForm") == 0;
}

// Only the component's windows count: a form, or a window on one. The
// system's own (an input method's window) are let through.
LRESULT CALLBACK RefuseOneWindow(int code, WPARAM w, LPARAM l) {
    if (code == HCBT_CREATEWND) {
        const HWND parent = reinterpret_cast<CBT_CREATEWNDW*>(l)->lpcs->hwndParent;
        if (IsFormWindow(reinterpret_cast<HWND>(w)) || (parent && IsFormWindow(GetAncestor(parent, GA_ROOT))))
            if (++windowsSeen == windowToRefuse) return 1;
    }
    return CallNextHookEx(nullptr, code, w, l);
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int ThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST_F(Server, AWindowTheSystemRefusesFailsTheCallThatNeededIt) {
    ComPtr<IDispatch> spelling;
    ASSERT_EQ(Factory(CLSID_Spelling)->CreateInstance(nullptr, IID_IDispatch, &spelling), S_OK);
    const int before = ThreadWindows();
    int refused = 0;
    for (windowToRefuse = 1;; ++windowToRefuse) {
        SCOPED_TRACE("window " + std::to_string(windowToRefuse));
        windowsSeen = 0;
        HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseOneWindow, nullptr, GetCurrentThreadId());
        ASSERT_NE(hook, nullptr);
        const CallResult shown = Call(spelling.Get(), L"Show");
        UnhookWindowsHookEx(hook);
        if (windowsSeen < windowToRefuse) {  // the load made fewer windows: none was refused
            EXPECT_EQ(shown.hr, S_OK);
            break;
        }
        ++refused;
        EXPECT_TRUE(FAILED(shown.hr));
        EXPECT_NE(shown.description.find(L"No se pudo crear"), std::wstring::npos) << shown.description;
        EXPECT_EQ(shown.source, L"Vestrel");
        EXPECT_EQ(FindWindowW(L"VestrelForm", nullptr), nullptr);
        EXPECT_EQ(ThreadWindows(), before);
        ASSERT_LT(windowToRefuse, 100);
    }
    EXPECT_GE(refused, 10);  // the form and its controls
    const HWND shown = FindWindowW(L"VestrelForm", L"Vestrel");
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(IsWindowVisible(shown));
    for (HWND w = FindWindowW(L"VestrelForm", nullptr); w; w = FindWindowW(L"VestrelForm", nullptr))
        SendMessageW(w, WM_CLOSE, 0, 0);
    EXPECT_EQ(ThreadWindows(), before);
}

}  // namespace

namespace {

std::wstring ReadUserClassesValue(const std::wstring& path) {
    wchar_t value[MAX_PATH * 2] = {};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    const std::wstring full = L"Software\\Classes\\" + path;
    if (RegGetValueW(HKEY_CURRENT_USER, full.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return {};
    return value;
}

// Windows finds a per-user registration through HKEY_CLASSES_ROOT, which
// merges the user's classes; Wine does not merge them, so the lookup that
// Windows makes is made here by hand: ProgID, class id, server path, factory.
TEST_F(Server, PerUserRegistrationLeadsToTheServer) {
    auto install = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(BOOL, LPCWSTR)>((void*)GetProcAddress(dll_, "DllInstall"));
    ASSERT_NE(install, nullptr);
    EXPECT_EQ(install(TRUE, L"nobody"), E_INVALIDARG);
    ASSERT_EQ(install(TRUE, L" USER "), S_OK);

    const std::wstring clsidText = ReadUserClassesValue(L"Vestrel.Spelling.1\\CLSID");
    ASSERT_FALSE(clsidText.empty());
    EXPECT_EQ(ReadUserClassesValue(L"Vestrel.Spelling\\CurVer"), L"Vestrel.Spelling.1");
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromString(clsidText.c_str(), &clsid), S_OK);
    EXPECT_TRUE(IsEqualGUID(clsid, CLSID_Spelling));
    const std::wstring server = ReadUserClassesValue(L"CLSID\\" + clsidText + L"\\InprocServer32");
    EXPECT_EQ(_wcsicmp(server.c_str(), ComponentPath().c_str()), 0);
    HMODULE loaded = LoadLibraryW(server.c_str());
    ASSERT_EQ(loaded, dll_);  // the same module, found by its registered path
    FreeLibrary(loaded);
    ComPtr<IDispatch> spelling;
    ASSERT_EQ(Factory(clsid)->CreateInstance(nullptr, IID_IDispatch, &spelling), S_OK);

    // The type library is registered for the user and loads from its path.
    wchar_t libid[40] = {};
    StringFromGUID2(LIBID_Vestrel, libid, 40);
    const std::wstring typeLibKey = std::wstring(L"TypeLib\\") + libid + L"\\1.0";
#ifdef _WIN64
    const std::wstring typeLibPath = ReadUserClassesValue(typeLibKey + L"\\0\\win64");
#else
    const std::wstring typeLibPath = ReadUserClassesValue(typeLibKey + L"\\0\\win32");
#endif
    EXPECT_EQ(_wcsicmp(typeLibPath.c_str(), ComponentPath().c_str()), 0);
    ComPtr<ITypeLib> library;
    EXPECT_EQ(LoadTypeLibEx(typeLibPath.c_str(), REGKIND_NONE, &library), S_OK);

    ASSERT_EQ(install(FALSE, L"user"), S_OK);
    EXPECT_TRUE(ReadUserClassesValue(L"Vestrel.Spelling.1\\CLSID").empty());
    EXPECT_TRUE(ReadUserClassesValue(L"CLSID\\" + clsidText + L"\\InprocServer32").empty());
    EXPECT_TRUE(ReadUserClassesValue(typeLibKey).empty());
}

}  // namespace
