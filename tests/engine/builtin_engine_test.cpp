// The built-in engine on real Spanish, reached as a host reaches it: the
// engine object that a check stopped at an empty word leaves in mLib.
#include "checker_fixture.h"
#include <algorithm>
#include <atomic>
#include <thread>

namespace {

class BuiltInEngine : public Checker {
protected:
    void SetUp() override {
        Checker::SetUp();
        SetWord(L"");
        ASSERT_EQ(Check(), S_OK);
        engine_ = std::make_unique<CallResult>(Get(spelling_.Get(), L"mLib"));
        ASSERT_NE(engine_->Object(), nullptr);
    }
    void TearDown() override {
        engine_.reset();
        Checker::TearDown();
    }
    IDispatch* Engine() { return engine_->Object(); }
    CallResult CheckWord(const std::wstring& word) { return Call(Engine(), L"CheckSpelling", {Str(word)}); }
    std::vector<std::wstring> Suggest(const std::wstring& word) {
        std::vector<std::wstring> words;
        CallResult found = Call(Engine(), L"GetSpellingSuggestions", {Str(word)});
        EXPECT_EQ(found.hr, S_OK);
        const long count = Get(found.Object(), L"Count").Long();
        for (long i = 1; i <= count; ++i) {
            CallResult item = Call(found.Object(), L"Item", {Int(i)});
            words.push_back(Get(item.Object(), L"Name").Text());
        }
        return words;
    }
    std::unique_ptr<CallResult> engine_;
};

TEST_F(BuiltInEngine, CorrectSpanishWordsAreCorrect) {
    for (const wchar_t* word : {L"casa", L"\u00e1rbol", L"canci\u00f3n", L"verg\u00fcenza", L"ni\u00f1o", L"Espa\u00f1a",
                                L"murci\u00e9lago", L"ortograf\u00eda"}) {
        CallResult correct = CheckWord(word);
        EXPECT_EQ(correct.hr, S_OK);
        EXPECT_EQ(correct.value.vt, VT_BOOL);
        EXPECT_EQ(correct.value.boolVal, VARIANT_TRUE) << std::string(word, word + wcslen(word));
    }
}

struct Misspelling {
    const wchar_t *typed, *intended;
};

TEST_F(BuiltInEngine, CommonMisspellingsSuggestTheIntendedWord) {
    const Misspelling kCases[] = {
        {L"cancion", L"canci\u00f3n"}, {L"arbol", L"\u00e1rbol"},     {L"espanol", L"espa\u00f1ol"},
        {L"exelente", L"excelente"},   {L"nesecario", L"necesario"}, {L"ortografia", L"ortograf\u00eda"},
        {L"verguenza", L"verg\u00fcenza"}, {L"corazon", L"coraz\u00f3n"},
    };
    for (const Misspelling& c : kCases) {
        EXPECT_EQ(CheckWord(c.typed).value.boolVal, VARIANT_FALSE);
        const auto words = Suggest(c.typed);
        EXPECT_NE(std::find(words.begin(), words.end(), c.intended), words.end())
            << "no intended suggestion for " << std::string(c.typed, c.typed + wcslen(c.typed));
    }
}

// A split is offered where a space was really left out, not wherever both
// halves happen to be words.
TEST_F(BuiltInEngine, OnlyRealRunTogetherWordsAreSplit) {
    const auto joined = Suggest(L"porfavor");
    ASSERT_FALSE(joined.empty());
    EXPECT_EQ(joined[0], L"por favor");
    const std::pair<const wchar_t*, const wchar_t*> kJunk[] = {
        {L"ponido", L"pon ido"}, {L"arbol", L"ar bol"}, {L"escribido", L"escribid o"}, {L"computadro", L"computad ro"}};
    for (const auto& [typed, junk] : kJunk) {
        const auto words = Suggest(typed);
        EXPECT_EQ(std::find(words.begin(), words.end(), junk), words.end()) << std::string(junk, junk + wcslen(junk));
    }
}

// Capitals follow the dictionary: a common word in any capitals, a name only
// with its own; suggestions carry the capitals the user typed, and a name that
// is also a common word is offered once.
TEST_F(BuiltInEngine, CapitalsFollowTheDictionaryAndTheTypedWord) {
    const std::pair<const wchar_t*, bool> kVerdicts[] = {
        {L"casa", true}, {L"Casa", true}, {L"CASA", true}, {L"cAsa", false}, {L"Madrid", true},
        {L"MADRID", true}, {L"madrid", false}, {L"HOla", false}, {L"CANCI\u00d3N", true},
    };
    for (const auto& [word, correct] : kVerdicts)
        EXPECT_EQ(CheckWord(word).value.boolVal, correct ? VARIANT_TRUE : VARIANT_FALSE)
            << std::string(word, word + wcslen(word));
    const Misspelling kFirst[] = {
        {L"madrid", L"Madrid"}, {L"CANCION", L"CANCI\u00d3N"}, {L"Ombre", L"Hombre"}, {L"HOla", L"Hola"},
    };
    for (const Misspelling& c : kFirst) {
        const auto words = Suggest(c.typed);
        ASSERT_FALSE(words.empty());
        EXPECT_EQ(words[0], c.intended);
    }
    const auto words = Suggest(L"yave");
    EXPECT_EQ(std::count(words.begin(), words.end(), L"llave"), 1);
    EXPECT_EQ(std::count(words.begin(), words.end(), L"Llave"), 0);
    const auto joined = Suggest(L"porfavor");
    EXPECT_NE(std::find(joined.begin(), joined.end(), L"por favor"), joined.end());
}

// The same word always gets the same list in the same order, whatever else
// the machine is doing: here two threads keep both cores busy.
TEST_F(BuiltInEngine, ListsDoNotChangeUnderLoad) {
    const wchar_t* kWords[] = {L"ombre", L"exelente", L"qwertyuiopasdf", L"desoxirribonucleico", L"aaaaaaaaaaaaaaaaaaaaaaaa",
                               L"anticonstitucionalmentx", L"kiero", L"vaka"};
    std::vector<std::vector<std::wstring>> quiet;
    for (const wchar_t* word : kWords) quiet.push_back(Suggest(word));
    std::atomic<bool> stop{false};
    std::vector<std::thread> burners;
    for (int i = 0; i < 2; ++i)
        burners.emplace_back([&stop]() -> unsigned long {
            unsigned long spin = 0;
            while (!stop.load(std::memory_order_relaxed)) spin = spin * 31 + 7;
            return spin;
        });
    for (int round = 0; round < 3; ++round)
        for (size_t i = 0; i < std::size(kWords); ++i)
            EXPECT_EQ(Suggest(kWords[i]), quiet[i]) << "round " << round << ", word " << i;
    stop = true;
    for (std::thread& t : burners) t.join();
}

// Inputs no writer means come back with a plain answer: longer than any
// Spanish word, none (the engine walks nothing for them); the others, a
// list within the limit. How fast each comes is the benchmark's to measure.
TEST_F(BuiltInEngine, PathologicalInputsGetAPlainAnswer) {
    std::wstring mixed;
    for (int i = 0; i < 40; ++i) mixed += L"abvhyllgjcszrqk"[i % 15];
    const struct {
        std::wstring input;
        bool longerThanAnyWord;
    } kInputs[] = {{std::wstring(120, L'a'), true},
                   {mixed, false},
                   {std::wstring(24, L'h'), false},
                   {std::wstring(1000, L'x') + std::wstring(1, L'\0') + L"casa", true},
                   {L"llllllllllllllllllllllll", false},
                   {L"qwertyuiopasdfghjklzxcvb", false}};
    for (const auto& c : kInputs) {
        CallResult found = Call(Engine(), L"GetSpellingSuggestions", {Str(c.input)});
        EXPECT_EQ(found.hr, S_OK) << "input of " << c.input.size() << " characters";
        const long count = Get(found.Object(), L"Count").Long();
        if (c.longerThanAnyWord) EXPECT_EQ(count, 0) << "input of " << c.input.size() << " characters";
        else EXPECT_LE(count, 10) << "input of " << c.input.size() << " characters";
    }
}

// Whatever UTF-16 a host sends arrives safely: no crash, a plain answer.
TEST_F(BuiltInEngine, AnyTextIsCheckedSafely) {
    const std::wstring kOdd[] = {
        std::wstring(L"ca\0sa", 5),          // embedded NUL
        L"\U0001D11E",                        // a surrogate pair
        std::wstring(1, wchar_t(0xD800)),     // a lone surrogate
        std::wstring(5000, L'a'),             // far longer than any word
    };
    EXPECT_EQ(CheckWord(L"").hr, S_OK);
    for (const std::wstring& word : kOdd) {
        CallResult correct = CheckWord(word);
        EXPECT_EQ(correct.hr, S_OK);
        EXPECT_EQ(correct.value.boolVal, VARIANT_FALSE);
        CallResult found = Call(Engine(), L"GetSpellingSuggestions", {Str(word)});
        EXPECT_EQ(found.hr, S_OK);
    }
}

TEST_F(BuiltInEngine, ReportsItsDictionaryFilesAndRefusesCallsAfterQuit) {
    CallResult dictionaries = Get(Engine(), L"CustomDictionaries");
    ASSERT_EQ(Get(dictionaries.Object(), L"Count").Long(), 3);
    std::wstring folder = ComponentPath();
    folder.resize(folder.find_last_of(L'\\'));
    CallResult first = Call(dictionaries.Object(), L"Item", {Int(1)});
    EXPECT_EQ(Get(first.Object(), L"Name").Text(), L"es_ES.vlx");
    EXPECT_EQ(_wcsicmp(Get(first.Object(), L"Path").Text().c_str(), folder.c_str()), 0);
    EXPECT_EQ(Get(Call(dictionaries.Object(), L"Item", {Int(3)}).Object(), L"Name").Text(), L"es_ES.dic");
    EXPECT_EQ(Call(dictionaries.Object(), L"Item", {Int(4)}).hr, DISP_E_BADINDEX);

    ASSERT_EQ(Call(Engine(), L"Quit").hr, S_OK);
    std::vector<CallResult> after;
    after.push_back(CheckWord(L"casa"));
    after.push_back(Get(Engine(), L"Documents"));
    after.push_back(Call(Engine(), L"Quit"));
    after.push_back(Get(dictionaries.Object(), L"Count"));
    for (const CallResult& call : after) {
        EXPECT_EQ(call.hr, RPC_E_DISCONNECTED);
        EXPECT_EQ(call.source, L"Vestrel");
    }
}

}  // namespace
