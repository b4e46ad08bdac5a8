// Two host threads, each in its own single-threaded apartment: each has its
// own checker window, and an object used from a thread it was not made on
// (without marshalling) is refused instead of reaching that thread's windows.
#include <thread>
#include "checker_fixture.h"

namespace {

using Microsoft::WRL::ComPtr;

// What one host thread saw of its own check.
struct ThreadCheck {
    DWORD thread = 0;
    HWND window = nullptr;
    DWORD windowThread = 0;
    std::wstring first;  // the first suggestion listed
    HRESULT hr = E_FAIL;
};

class Threads : public Checker {
protected:
    // A host thread: its own apartment, its own Spelling object and window,
    // a check of word; both threads meet before they let their objects go,
    // so the two windows exist at the same time. They take turns at loading
    // and checking (after waits for before): Wine's 32-bit edit control
    // crashes when several threads lay out edit text at the same moment.
    void HostThread(const std::wstring& word, ThreadCheck& seen, HANDLE met, HANDLE other, HANDLE before,
                    HANDLE after) {
        if (before) WaitForSingleObject(before, 10000);
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        {
            seen.thread = GetCurrentThreadId();
            ComPtr<IDispatch> spelling;
            factory_->CreateInstance(nullptr, IID_IDispatch, &spelling);
            CallResult box = Call(spelling.Get(), L"SendToForm");
            Put(box.Object(), L"Text", Str(word));
            seen.window = GetParent(reinterpret_cast<HWND>(static_cast<INT_PTR>(Get(box.Object(), L"hWnd").Long())));
            seen.windowThread = GetWindowThreadProcessId(seen.window, nullptr);
            seen.hr = Call(spelling.Get(), L"Spelling").hr;
            HWND list = FindWindowExW(seen.window, nullptr, L"ListBox", nullptr);
            wchar_t entry[64] = {};
            SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(entry));
            seen.first = entry;
            if (after) SetEvent(after);
            SignalObjectAndWait(met, other, 10000, FALSE);
            CloseForms();
        }
        CoUninitialize();
    }

    // Runs body on a new thread that has an apartment of its own, while
    // this thread keeps its windows answering (a marshalled call needs it).
    void OnOtherThread(const std::function<void()>& body) {
        HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::thread other([&] {
            CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
            body();
            CoUninitialize();
            SetEvent(done);
        });
        while (MsgWaitForMultipleObjects(1, &done, FALSE, 10000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) Pump();
        other.join();
        CloseHandle(done);
    }
};

TEST_F(Threads, EachApartmentHasItsOwnWindowAndItsOwnCheck) {
    HANDLE met[2] = {CreateEventW(nullptr, TRUE, FALSE, nullptr), CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    HANDLE firstChecked = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ThreadCheck a, b;
    std::thread first([&] { HostThread(L"ombre", a, met[0], met[1], nullptr, firstChecked); });
    std::thread second([&] { HostThread(L"jente", b, met[1], met[0], firstChecked, nullptr); });
    first.join();
    second.join();
    CloseHandle(met[0]);
    CloseHandle(met[1]);
    CloseHandle(firstChecked);

    EXPECT_EQ(a.hr, S_OK);
    EXPECT_EQ(b.hr, S_OK);
    ASSERT_NE(a.window, nullptr);
    ASSERT_NE(b.window, nullptr);
    EXPECT_NE(a.window, b.window);
    EXPECT_EQ(a.windowThread, a.thread);
    EXPECT_EQ(b.windowThread, b.thread);
    EXPECT_EQ(a.first, L"hombre");
    EXPECT_EQ(b.first, L"gente");
    // Neither thread's window reached this one, and both are gone.
    EXPECT_TRUE(Forms().empty());
    EXPECT_FALSE(IsWindow(a.window));
    EXPECT_FALSE(IsWindow(b.window));
}

TEST_F(Threads, AnObjectUsedFromAnotherThreadIsRefusedAndItsWindowKept) {
    SetWord(L"casa");
    HWND window = Window();
    ComPtr<IDispatch> title = NewObject(CLSID_BarTitle);
    ASSERT_EQ(Put(title.Get(), L"Caption", Str(L"Mío")).hr, S_OK);
    ComPtr<_Spelling> early;
    ASSERT_EQ(spelling_.As(&early), S_OK);
    ComPtr<IDispatch> box = Call(spelling_.Get(), L"SendToForm").Object();

    struct Refusal {
        const char* call;
        HRESULT hr;
        std::wstring description;
    };
    std::vector<Refusal> refused;
    size_t windowsThere = 99;
    OnOtherThread([&] {
        auto late = [&](const char* call, CallResult r) { refused.push_back({call, r.hr, r.description}); };
        late("Spelling.Visible", Get(spelling_.Get(), L"Visible"));
        late("Spelling.Spelling", Call(spelling_.Get(), L"Spelling"));
        late("BarTitle.Caption =", Put(title.Get(), L"Caption", Str(L"Ajeno")));
        late("word box Text =", Put(box.Get(), L"Text", Str(L"ajeno")));
        VARIANT_BOOL visible = 0;
        refused.push_back({"_Spelling::get_Visible", early->get_Visible(&visible), {}});
        refused.push_back({"_Spelling::DeleteText =", early->put_DeleteText(Str(L"")), {}});
        windowsThere = Forms().size();
    });
    for (const Refusal& r : refused) {
        EXPECT_EQ(r.hr, RPC_E_WRONG_THREAD) << r.call;
        if (r.call[0] != '_') {
            EXPECT_NE(r.description.find(L"hilo"), std::wstring::npos) << r.call;
        }
    }
    EXPECT_EQ(windowsThere, 0u);  // nothing was loaded on the other thread
    // This thread's window is as it was.
    EXPECT_EQ(Window(), window);
    EXPECT_EQ(Get(box.Get(), L"Text").Text(), L"casa");
    EXPECT_EQ(Get(title.Get(), L"Caption").Text(), L"Mío");
    EXPECT_EQ(Get(spelling_.Get(), L"Visible").hr, S_OK);
}

TEST_F(Threads, AMarshalledObjectIsCalledOnItsOwnThread) {
    SetWord(L"ombre");
    IStream* stream = nullptr;
    ASSERT_EQ(CoMarshalInterThreadInterfaceInStream(IID_IDispatch, spelling_.Get(), &stream), S_OK);
    HRESULT checked = E_FAIL;
    size_t windowsThere = 99;
    OnOtherThread([&] {
        ComPtr<IDispatch> proxy;
        if (SUCCEEDED(CoGetInterfaceAndReleaseStream(stream, IID_IDispatch, &proxy)))
            checked = Call(proxy.Get(), L"Spelling").hr;
        windowsThere = Forms().size();
    });
    EXPECT_EQ(checked, S_OK);
    EXPECT_EQ(windowsThere, 0u);
    ASSERT_FALSE(Entries().empty());
    EXPECT_EQ(Entries()[0], L"hombre");
}

// A host thread that shows the windows and ends, having closed them or not
// (a .NET worker, a test runner): its forms go with it, and once the host
// has let every object go the DLL may be unloaded.
TEST_F(Threads, AThreadThatEndsTakesItsWindowsWithIt) {
    auto canUnloadNow = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>((void*)GetProcAddress(Dll(), "DllCanUnloadNow"));
    ASSERT_NE(canUnloadNow, nullptr);
    for (const bool close : {false, true}) {
        SCOPED_TRACE(close ? "closed before it ends" : "left open");
        std::vector<HWND> shown;
        std::thread host([&] {
            CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
            {
                ComPtr<IDispatch> spelling;
                factory_->CreateInstance(nullptr, IID_IDispatch, &spelling);
                Call(spelling.Get(), L"Show");
                Call(spelling.Get(), L"About");
                Put(Call(spelling.Get(), L"SendToForm").Object(), L"Text", Str(L"casa"));
                shown = Forms();
                if (close) CloseForms();
            }
            CoUninitialize();
        });
        host.join();
        EXPECT_EQ(shown.size(), 2u);
        for (HWND window : shown) EXPECT_FALSE(IsWindow(window));
    }
    spelling_.Reset();
    factory_.Reset();
    CloseForms();
    EXPECT_EQ(canUnloadNow(), S_OK);
}

}  // namespace
