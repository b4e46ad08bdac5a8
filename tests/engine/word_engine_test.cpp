// The checker against the word processor's server: a recording stand-in is
// registered as Word.Application, and the calls it receives are compared
// with the orders the checker must make them in.
#include <algorithm>
#include "checker_fixture.h"

namespace {

// {5C0F3C52-4E3B-4C2B-9D43-2B7B4C1F0A11}: the stand-in's own class.
constexpr wchar_t kFakeClsid[] = L"{5C0F3C52-4E3B-4C2B-9D43-2B7B4C1F0A11}";

void SetKey(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, (L"Software\\Classes\\" + key).c_str(), name, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

class WordEngine : public Checker {
protected:
    const wchar_t* Engine() const override { return nullptr; }
    void BeforeLoad() override {
        std::wstring path = ComponentPath();
        path = path.substr(0, path.find_last_of(L'\\') + 1) + L"fake_word.dll";
        fake_ = LoadLibraryW(path.c_str());
        ASSERT_NE(fake_, nullptr);
        setup_ = reinterpret_cast<void (*)(const wchar_t*)>((void*)GetProcAddress(fake_, "FakeWordSetup"));
        log_ = reinterpret_cast<const wchar_t* (*)()>((void*)GetProcAddress(fake_, "FakeWordLog"));
        SetKey(L"Word.Application\\CLSID", nullptr, kFakeClsid);
        SetKey(std::wstring(L"CLSID\\") + kFakeClsid + L"\\InprocServer32", nullptr, path);
        SetKey(std::wstring(L"CLSID\\") + kFakeClsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
        setup_(L"");
    }
    void TearDown() override {
        Checker::TearDown();
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\Word.Application");
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(L"Software\\Classes\\CLSID\\") + kFakeClsid).c_str());
    }
    std::vector<std::wstring> Log() {
        std::vector<std::wstring> lines;
        std::wstring all = log_();
        for (size_t start = 0, end; (end = all.find(L'\n', start)) != std::wstring::npos; start = end + 1)
            lines.push_back(all.substr(start, end - start));
        return lines;
    }
    void Behave(const wchar_t* setup) { setup_(setup); }

    HMODULE fake_ = nullptr;
    void (*setup_)(const wchar_t*) = nullptr;
    const wchar_t* (*log_)() = nullptr;
};

struct CheckCase {
    const char* name;
    const wchar_t* setup;
    const wchar_t* word;
    std::vector<std::wstring> calls;
    std::vector<std::wstring> entries;
};

const CheckCase kChecks[] = {
    {"correct word, no open document", L"documents=0;correct=1", L" casa ",
     {L"create", L"Application.Documents", L"Documents.Count", L"Application.Documents", L"Documents.Add(4 omitted)",
      L"Application.CheckSpelling(casa; 12 omitted)", L"Application.Quit(3 omitted)"},
     {}},
    {"misspelt word with suggestions, a document open", L"documents=1;suggestions=cosa,caza", L"kasa",
     {L"create", L"Application.Documents", L"Documents.Count", L"Application.CheckSpelling(kasa; 12 omitted)",
      L"Application.GetSpellingSuggestions(kasa; 13 omitted)", L"Suggestions.Count", L"Suggestions._NewEnum",
      L"Suggestion.Name", L"Suggestion.Name", L"Application.Quit(3 omitted)"},
     {L"cosa", L"caza"}},
    {"misspelt word without suggestions", L"documents=2", L"qqq",
     {L"create", L"Application.Documents", L"Documents.Count", L"Application.CheckSpelling(qqq; 12 omitted)",
      L"Application.GetSpellingSuggestions(qqq; 13 omitted)", L"Suggestions.Count", L"Application.Quit(3 omitted)"},
     {L"(Sin sugerencias)"}},
    {"empty word", L"", L"   ", {L"create"}, {}},
};

TEST_F(WordEngine, EachCheckMakesItsCallsInOrder) {
    for (const CheckCase& c : kChecks) {
        SCOPED_TRACE(c.name);
        SetWord(c.word);
        SendMessageW(List(), LB_RESETCONTENT, 0, 0);
        Behave(c.setup);
        EXPECT_EQ(Check(), S_OK);
        EXPECT_EQ(Log(), c.calls);
        EXPECT_EQ(Entries(), c.entries);
    }
}

TEST_F(WordEngine, UnloadQuitsTheHeldEngineAndFailsOnceItHasQuit) {
    SetWord(L"");
    ASSERT_EQ(Check(), S_OK);
    Behave(L"");
    EXPECT_EQ(Call(spelling_.Get(), L"Unload").hr, S_OK);
    EXPECT_EQ(Log(), std::vector<std::wstring>{L"Application.Quit(3 omitted)"});
    CallResult again = Call(spelling_.Get(), L"Unload");
    EXPECT_EQ(again.hr, RPC_E_SERVER_DIED_DNE);
    EXPECT_FALSE(again.description.empty());
}

TEST_F(WordEngine, CloseButtonQuitsAFreshEngineThenUnloads) {
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    Behave(L"");
    SendMessageW(CloseButton(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(Log(), (std::vector<std::wstring>{L"create", L"Application.Quit(3 omitted)"}));
    EXPECT_TRUE(Forms().empty());
}

TEST_F(WordEngine, FailuresReachTheCallerWithTheStepsTakenLeftDone) {
    // Creation refused: the about window is already shown, mLib unchanged.
    SetWord(L"casa");
    Behave(L"refuse=1");
    CallResult refused = Call(spelling_.Get(), L"Spelling");
    EXPECT_EQ(refused.hr, CO_E_SERVER_EXEC_FAILURE);
    EXPECT_NE(refused.description.find(L"Word.Application"), std::wstring::npos);
    EXPECT_NE(FormWithCaption(L" Acerca del Vestrel"), nullptr);
    EXPECT_EQ(Get(spelling_.Get(), L"mLib").Object(), nullptr);

    // A failing call: the list is already cleared, the status not shown.
    SendMessageW(List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"vieja"));
    Behave(L"fail=CheckSpelling");
    CallResult failed = Call(spelling_.Get(), L"Spelling");
    EXPECT_EQ(failed.hr, E_FAIL);
    EXPECT_EQ(failed.description, L"La llamada falló en el servidor de prueba.");
    EXPECT_TRUE(Entries().empty());
    EXPECT_FALSE(GetWindowLongW(StatusLabel(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_NE(Get(spelling_.Get(), L"mLib").Object(), nullptr);

    // The close button without an engine: nothing is unloaded; the user
    // is told why.
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    HWND window = Window();
    Behave(L"refuse=1");
    boxes_->Clear();
    SendMessageW(CloseButton(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_TRUE(IsWindow(window));
    const auto boxes = boxes_->Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(L"Word.Application"), std::wstring::npos);
}

// Servers that misbehave: the host gets the failure with its text, the steps
// taken stay done, and the next check on a sound server works.
struct FaultCase {
    const char* name;
    const wchar_t* setup;
    HRESULT hr;                  // S_OK: the check succeeds
    const wchar_t* description;  // part of the error text
    std::vector<std::wstring> entries;
};

const FaultCase kFaults[] = {
    {"server dies in the check", L"documents=1;die=CheckSpelling", RPC_E_SERVER_DIED, L"dejó de responder durante CheckSpelling", {}},
    {"server dies asked for suggestions", L"documents=1;suggestions=cosa;die=GetSpellingSuggestions", RPC_E_SERVER_DIED,
     L"dejó de responder durante GetSpellingSuggestions", {}},
    {"server dies at the first call: the list is not reached", L"die=Documents", RPC_E_SERVER_DIED,
     L"dejó de responder durante Documents", {L"vieja"}},
    {"count says more than there are", L"documents=1;suggestions=cosa,caza;count=9", S_OK, L"", {L"cosa", L"caza"}},
    {"count says none but there are", L"documents=1;suggestions=cosa;count=0", S_OK, L"", {L"(Sin sugerencias)"}},
    {"enumeration never ends", L"documents=1;suggestions=cosa;endless=1", E_UNEXPECTED, L"no termina", {}},
    {"a name that is Null", L"documents=1;suggestions=cosa;names=null", DISP_E_TYPEMISMATCH, L"no es texto en Name", {}},
    {"a name that is an object", L"documents=1;suggestions=cosa;names=object", DISP_E_TYPEMISMATCH, L"no es texto en Name", {}},
    {"a name that is a number", L"documents=1;suggestions=cosa;names=number", S_OK, L"", {L"42"}},
    {"a slow server", L"documents=1;suggestions=cosa;slow=150", S_OK, L"", {L"cosa"}},
};

TEST_F(WordEngine, ServerFaultsReachTheHostAndLeaveTheWindowUsable) {
    for (const FaultCase& c : kFaults) {
        SCOPED_TRACE(c.name);
        SetWord(L"kasa");
        SendMessageW(List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"vieja"));
        Behave(c.setup);
        CallResult result = Call(spelling_.Get(), L"Spelling");
        EXPECT_EQ(result.hr, c.hr);
        EXPECT_NE(result.description.find(c.description), std::wstring::npos) << result.description;
        EXPECT_EQ(Entries(), c.entries);
        // The status shows only when the check got that far.
        EXPECT_EQ((GetWindowLongW(StatusLabel(), GWL_STYLE) & WS_VISIBLE) != 0, c.hr == S_OK);
        SendMessageW(StatusLabel(), WM_SETTEXT, 0, 0);
        ShowWindow(StatusLabel(), SW_HIDE);

        Behave(L"documents=1;suggestions=casa");
        EXPECT_EQ(Check(), S_OK) << "the next check on a sound server";
        EXPECT_EQ(Entries(), std::vector<std::wstring>{L"casa"});
        CloseForms();
    }
}

// A call into the server's process lets the window's events run; the user
// closing the window meanwhile ends nothing badly: the check finishes on a
// fresh, hidden window, as any later access would load one.
TEST_F(WordEngine, ClosingTheWindowDuringASlowCallIsSafe) {
    SetWord(L"kasa");
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    HWND window = Window();
    Behave(L"documents=1;suggestions=cosa;slow=100");
    PostMessageW(CloseButton(), BM_CLICK, 0, 0);
    EXPECT_EQ(Check(), S_OK);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(Get(spelling_.Get(), L"Visible").value.boolVal, VARIANT_FALSE);
    EXPECT_EQ(Entries(), std::vector<std::wstring>{L"cosa"});
    // The user's own check, started from the button, closing meanwhile.
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    window = Window();
    SetWord(L"kasa");
    PostMessageW(CloseButton(), BM_CLICK, 0, 0);
    SendMessageW(CheckButton(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_FALSE(IsWindow(window));
    Behave(L"documents=1;suggestions=casa");
    ASSERT_EQ(Check(), S_OK);
}

// A host's timer that runs while the confirmation box is open: it clears
// mLib or runs a check of its own through the same object. The box is
// answered from the timer, after what it does, so it stays open meanwhile.
struct DuringTheBox {
    IDispatch* spelling = nullptr;
    bool check = false;  // a nested check; otherwise mLib set to Nothing
    HWND outer = nullptr;
    HRESULT nested = E_PENDING;
};
DuringTheBox* duringTheBox = nullptr;

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    wchar_t type[16] = {};
    GetClassNameW(window, type, 16);
    if (wcscmp(type, L"#32770") == 0 && IsWindowVisible(window) && window != duringTheBox->outer)
        *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
}

void CALLBACK TimerDuringTheBox(HWND, UINT, UINT_PTR id, DWORD) {
    DuringTheBox& host = *duringTheBox;
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box) return;
    if (!host.outer) {
        host.outer = box;
        host.nested = host.check ? Call(host.spelling, L"Spelling").hr
                                 : Invoke(host.spelling, L"mLib", DISPATCH_PROPERTYPUTREF, {Of(VT_DISPATCH)}).hr;
        KillTimer(nullptr, id);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    } else {
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);  // the nested check's own box
    }
}

// The check quits the engine it created, whatever the host did to mLib
// while its box was open; a nested check works as any other.
TEST_F(WordEngine, ACheckQuitsItsOwnEngineWhateverHappenedMeanwhile) {
    boxes_.reset();  // the timer answers the boxes
    for (const bool check : {false, true}) {
        SCOPED_TRACE(check ? "nested check" : "mLib set to Nothing");
        SetWord(L"casa");
        Behave(L"documents=1;correct=1");
        DuringTheBox host{spelling_.Get(), check};
        duringTheBox = &host;
        ASSERT_NE(SetTimer(nullptr, 0, 10, TimerDuringTheBox), 0u);
        EXPECT_EQ(Check(), S_OK);
        duringTheBox = nullptr;
        EXPECT_NE(host.outer, nullptr);
        EXPECT_EQ(host.nested, S_OK);
        const std::vector<std::wstring> calls = Log();
        const auto count = [&](const wchar_t* call) { return std::count(calls.begin(), calls.end(), call); };
        EXPECT_EQ(count(L"create"), check ? 2 : 1);
        EXPECT_EQ(count(L"Application.Quit(3 omitted)"), count(L"create")) << "every engine created is told to quit";
        EXPECT_EQ(Get(spelling_.Get(), L"mLib").Object() != nullptr, check);
    }
}

TEST_F(WordEngine, ForcedBuiltInEngineIgnoresTheRegisteredServer) {
    SetEnvironmentVariableW(L"VESTREL_ENGINE", L"builtin");
    SetWord(L"cancion");
    ASSERT_EQ(Check(), S_OK);
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(Entries().empty() ? L"" : Entries()[0], L"canci\u00f3n");
    SetEnvironmentVariableW(L"VESTREL_ENGINE", L"otro");
    CallResult bad = Call(spelling_.Get(), L"Spelling");
    EXPECT_EQ(bad.hr, E_INVALIDARG);
    EXPECT_NE(bad.description.find(L"VESTREL_ENGINE"), std::wstring::npos);
}

}  // namespace
