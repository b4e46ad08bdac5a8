#include "spanish_rules.h"
#include <algorithm>
#include <cwctype>
#include <set>

namespace vestrel::engine {
namespace {

constexpr size_t kLongestWord = 40;

// A letter and its accented form, lower and upper case.
struct Accent {
    wchar_t plain, marked;
};
constexpr Accent kAccents[] = {
    {L'a', L'á'}, {L'e', L'é'}, {L'i', L'í'}, {L'o', L'ó'}, {L'u', L'ú'}, {L'u', L'ü'}, {L'n', L'ñ'},
    {L'A', L'Á'}, {L'E', L'É'}, {L'I', L'Í'}, {L'O', L'Ó'}, {L'U', L'Ú'}, {L'U', L'Ü'}, {L'N', L'Ñ'},
};

// Letter groups written for one another, each way round.
struct Swap {
    const wchar_t* from;
    const wchar_t* to;
};
constexpr Swap kSwaps[] = {
    {L"b", L"v"}, {L"v", L"b"}, {L"y", L"ll"}, {L"ll", L"y"}, {L"j", L"g"}, {L"g", L"j"},
    {L"s", L"c"}, {L"c", L"s"}, {L"z", L"c"}, {L"c", L"z"}, {L"s", L"z"}, {L"z", L"s"},
    {L"k", L"c"}, {L"k", L"qu"}, {L"qu", L"k"}, {L"x", L"s"}, {L"s", L"x"}, {L"rr", L"r"}, {L"r", L"rr"},
};

bool IsVowel(wchar_t c) { return std::wcschr(L"aeiouáéíóúüAEIOUÁÉÍÓÚÜ", c) != nullptr && c != 0; }

class Collector {
public:
    explicit Collector(const std::wstring& word) : word_(word) {}
    void Add(std::wstring candidate) {
        if (candidate != word_ && !candidate.empty() && seen_.insert(candidate).second) list_.push_back(std::move(candidate));
    }
    std::vector<std::wstring> Take() { return std::move(list_); }

private:
    const std::wstring& word_;
    std::set<std::wstring> seen_;
    std::vector<std::wstring> list_;
};

}  // namespace

std::vector<std::wstring> SpanishCandidates(const std::wstring& word) {
    Collector out(word);
    if (word.empty() || word.size() > kLongestWord) return out.Take();
    // An accent dropped, or put on the wrong vowel.
    for (size_t i = 0; i < word.size(); ++i)
        for (const Accent& a : kAccents)
            if (word[i] == a.plain) out.Add(word.substr(0, i) + a.marked + word.substr(i + 1));
    for (size_t i = 0; i < word.size(); ++i)
        for (const Accent& a : kAccents)
            if (word[i] == a.marked) {
                const std::wstring bare = word.substr(0, i) + a.plain + word.substr(i + 1);
                out.Add(bare);
                for (size_t j = 0; j < bare.size(); ++j)
                    for (const Accent& b : kAccents)
                        if (j != i && bare[j] == b.plain && IsVowel(b.plain))
                            out.Add(bare.substr(0, j) + b.marked + bare.substr(j + 1));
            }
    // A silent h left out or put in.
    const bool upper = std::iswupper(word[0]) != 0;
    out.Add((upper ? L"H" : L"h") + std::wstring(1, upper ? static_cast<wchar_t>(std::towlower(word[0])) : word[0]) +
            word.substr(1));
    for (size_t i = 1; i < word.size(); ++i)
        if (IsVowel(word[i]) && IsVowel(word[i - 1])) out.Add(word.substr(0, i) + L'h' + word.substr(i));
    for (size_t i = 0; i < word.size(); ++i)
        if (word[i] == L'h' || word[i] == L'H') out.Add(word.substr(0, i) + word.substr(i + 1));
    // Letters of one sound written for one another.
    for (const Swap& s : kSwaps) {
        const std::wstring from(s.from), to(s.to);
        for (size_t i = word.find(from); i != std::wstring::npos; i = word.find(from, i + 1))
            out.Add(word.substr(0, i) + to + word.substr(i + from.size()));
    }
    // A letter doubled by mistake.
    for (size_t i = 1; i < word.size(); ++i)
        if (word[i] == word[i - 1]) out.Add(word.substr(0, i) + word.substr(i + 1));
    return out.Take();
}

}  // namespace vestrel::engine
