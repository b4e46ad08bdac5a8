// apartments_stress ROUNDS [THREADS]: many host threads at once, each in its
// own apartment, each loading its own checker window, typing a misspelt word
// into the word box and checking it, round after round. Not part of the
// suite (`make stress`): it hunts crashes that need several windows being
// made and filled at the same moment. A crash is reported by the test
// programs' crash report (module and offset).
#include <windows.h>
#include <oleauto.h>
#include <initguid.h>
#include <wrl/client.h>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>
#include "automation.h"
#include "dll.h"
#include "vestrel_h.h"

namespace {

std::atomic<long> failures{0};

void Host(IClassFactory* factory, const wchar_t* word) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        Microsoft::WRL::ComPtr<IDispatch> spelling;
        if (FAILED(factory->CreateInstance(nullptr, IID_IDispatch, &spelling))) {
            ++failures;
        } else {
            CallResult box = Call(spelling.Get(), L"SendToForm");
            if (FAILED(box.hr) || FAILED(Put(box.Object(), L"Text", Str(word)).hr) ||
                FAILED(Call(spelling.Get(), L"Spelling").hr))
                ++failures;
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        }
    }
    CoUninitialize();
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 60;
    const int threads = argc > 2 ? std::atoi(argv[2]) : 4;
    SetEnvironmentVariableW(L"VESTREL_ENGINE", L"builtin");
    CoInitialize(nullptr);
    HMODULE dll = LoadLibraryW(ComponentPath().c_str());
    auto getClassObject = reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(
        reinterpret_cast<void*>(GetProcAddress(dll, "DllGetClassObject")));
    IClassFactory* factory = nullptr;
    if (!getClassObject || FAILED(getClassObject(CLSID_Spelling, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
        std::fprintf(stderr, "apartments_stress: no class factory\n");
        return 1;
    }
    // Misspelt words only: a correct one would wait on its message box.
    const wchar_t* words[] = {L"ombre", L"jente", L"kasa", L"havia"};
    for (int round = 0; round < rounds; ++round) {
        std::vector<std::thread> hosts;
        for (int i = 0; i < threads; ++i) hosts.emplace_back(Host, factory, words[i % 4]);
        for (auto& host : hosts) host.join();
    }
    factory->Release();
    std::printf("apartments_stress: %d rounds of %d threads, %ld failed calls\n", rounds, threads, failures.load());
    return failures.load() == 0 ? 0 : 1;
}
