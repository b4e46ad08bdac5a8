// A Spelling object of the component loaded in this process, with the
// checker window's real controls at hand and message boxes answered.
#pragma once
#include <initguid.h>
#include <gtest/gtest.h>
#include <cmath>
#include <memory>
#include <wrl/client.h>
#include "automation.h"
#include "box_answerer.h"
#include "dll.h"
#include "vestrel_h.h"

class Checker : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        SetEnvironmentVariableW(L"VESTREL_ENGINE", Engine());  // nullptr: unset
        BeforeLoad();
        // Loaded once for the whole run: forms may outlive a test's objects.
        ASSERT_NE(Dll(), nullptr);
        ASSERT_EQ(ClassObject(CLSID_Spelling, &factory_), S_OK);
        spelling_ = NewSpelling();
        boxes_ = std::make_unique<BoxAnswerer>();
    }
    void TearDown() override {
        boxes_.reset();
        spelling_.Reset();
        CloseForms();
        factory_.Reset();
        CoUninitialize();
    }
    static HMODULE Dll() {
        static HMODULE dll = LoadLibraryW(ComponentPath().c_str());
        return dll;
    }
    static HRESULT ClassObject(REFCLSID clsid, IClassFactory** factory) {
        auto getClassObject = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(
            (void*)GetProcAddress(Dll(), "DllGetClassObject"));
        return getClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(factory));
    }
    // A new object of any of the component's classes.
    static Microsoft::WRL::ComPtr<IDispatch> NewObject(REFCLSID clsid) {
        Microsoft::WRL::ComPtr<IClassFactory> factory;
        Microsoft::WRL::ComPtr<IDispatch> object;
        EXPECT_EQ(ClassObject(clsid, &factory), S_OK);
        if (factory) {
            EXPECT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, &object), S_OK);
        }
        return object;
    }
    virtual const wchar_t* Engine() const { return L"builtin"; }
    virtual void BeforeLoad() {}

    Microsoft::WRL::ComPtr<IDispatch> NewSpelling() {
        Microsoft::WRL::ComPtr<IDispatch> object;
        EXPECT_EQ(factory_->CreateInstance(nullptr, IID_IDispatch, &object), S_OK);
        return object;
    }
    // Every form of this thread, by caption ("Vestrel" is the checker window).
    static BOOL CALLBACK CollectForm(HWND w, LPARAM data) {
        wchar_t type[32] = {};
        GetClassNameW(w, type, 32);
        if (wcscmp(type, L"VestrelForm") == 0) reinterpret_cast<std::vector<HWND>*>(data)->push_back(w);
        return TRUE;
    }
    static std::vector<HWND> Forms() {
        std::vector<HWND> found;
        EnumThreadWindows(GetCurrentThreadId(), &CollectForm, reinterpret_cast<LPARAM>(&found));
        return found;
    }
    static HWND FormWithCaption(const std::wstring& caption) {
        for (HWND form : Forms()) {
            wchar_t text[128] = {};
            GetWindowTextW(form, text, 128);
            if (caption == text) return form;
        }
        return nullptr;
    }
    static void CloseForms() {
        for (HWND form : Forms()) SendMessageW(form, WM_CLOSE, 0, 0);
        Pump();
    }

    // The word box, through the Spelling object, as hosts reach it.
    HWND WordBox() {
        CallResult box = Call(spelling_.Get(), L"SendToForm");
        return reinterpret_cast<HWND>(static_cast<INT_PTR>(Get(box.Object(), L"hWnd").Long()));
    }
    HWND Window() { return GetParent(WordBox()); }
    HWND Child(const wchar_t* type, DWORD styleBits = 0, const wchar_t* text = nullptr) {
        for (HWND c = GetWindow(Window(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            wchar_t name[32] = {}, caption[256] = {};
            GetClassNameW(c, name, 32);
            GetWindowTextW(c, caption, 256);
            if (_wcsicmp(name, type) == 0 && (GetWindowLongW(c, GWL_STYLE) & styleBits) == styleBits &&
                (!text || wcscmp(caption, text) == 0))
                return c;
        }
        return nullptr;
    }
    HWND List() { return Child(L"ListBox"); }
    HWND CheckButton() { return Child(L"Button", 0, L"&Verificar"); }
    HWND CloseButton() { return Child(L"Button", 0, L"&Cerrar"); }
    // The label under the list, wherever a host moved its text.
    HWND StatusLabel() {
        for (HWND c = GetWindow(Window(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            RECT r{};
            GetWindowRect(c, &r);
            MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
            wchar_t type[16] = {};
            GetClassNameW(c, type, 16);
            if (_wcsicmp(type, L"Static") == 0 && r.top == static_cast<LONG>(std::lround(3100 / 15.0))) return c;
        }
        return nullptr;
    }
    // The topmost visible control under a point given in twips of the client area.
    HWND ControlAt(float x, float y) {
        const POINT at{static_cast<LONG>(x / 15), static_cast<LONG>(y / 15)};
        for (HWND c = GetWindow(Window(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            RECT r{};
            GetWindowRect(c, &r);
            MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
            if (IsWindowVisible(c) && PtInRect(&r, at)) return c;
        }
        return nullptr;
    }

    static std::wstring TextOf(HWND window) {
        wchar_t text[512] = {};
        GetWindowTextW(window, text, 512);
        return text;
    }
    // The whole text, however long.
    static std::wstring WholeText(HWND window) {
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    // The status label reads expected by some later tick of its timer.
    void ExpectStatus(const std::wstring& expected) {
        EXPECT_TRUE(PumpUntil([&] { return WholeText(StatusLabel()) == expected; }))
            << "the status label still reads " << testing::PrintToString(WholeText(StatusLabel()).substr(0, 200));
    }
    std::vector<std::wstring> Entries() {
        std::vector<std::wstring> entries;
        HWND list = List();
        const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t entry[256] = {};
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry));
            entries.push_back(entry);
        }
        return entries;
    }
    // Types into a control as the keyboard does: queued messages, pumped.
    static void Type(HWND target, const std::wstring& keys) {
        for (wchar_t key : keys) PostMessageW(target, WM_CHAR, key, 1);
        Pump();
    }
    static void PressEnter(HWND target) {
        PostMessageW(target, WM_KEYDOWN, VK_RETURN, 0x001C0001);
        PostMessageW(target, WM_KEYUP, VK_RETURN, 0xC01C0001);
        Pump();
    }
    void SetWord(const std::wstring& word) {
        CallResult box = Call(spelling_.Get(), L"SendToForm");
        ASSERT_EQ(Put(box.Object(), L"Text", Str(word)).hr, S_OK);
    }
    HRESULT Check() { return Call(spelling_.Get(), L"Spelling").hr; }

    Microsoft::WRL::ComPtr<IClassFactory> factory_;
    Microsoft::WRL::ComPtr<IDispatch> spelling_;
    std::unique_ptr<BoxAnswerer> boxes_;
};

// The same, with message boxes and help or mail requests recorded instead
// of shown: for runs of many calls, any of which may open a box.
class QuietChecker : public Checker {
protected:
    void BeforeLoad() override {
        SetEnvironmentVariableW(L"VESTREL_MESSAGE_LOG", L"NUL");
        SetEnvironmentVariableW(L"VESTREL_SHELL_LOG", L"NUL");
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"VESTREL_MESSAGE_LOG", nullptr);
        SetEnvironmentVariableW(L"VESTREL_SHELL_LOG", nullptr);
        Checker::TearDown();
    }
};
