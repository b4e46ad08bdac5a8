// Suggestions for any text a host can send: the input's bytes are UTF-16
// code units, as a BSTR holds them (embedded NULs, unpaired surrogates,
// every Latin-1 letter, any length); the first byte picks the list's limit.
// The engine's own lexicon is read from VESTREL_LEXICON.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include "engine/lexicon.h"
#include "engine/suggester.h"

namespace {

const vestrel::engine::Lexicon& TheLexicon() {
    static const vestrel::engine::Lexicon lexicon = [] {
        const char* path = std::getenv("VESTREL_LEXICON");
        std::ifstream file(path ? path : "", std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "suggest_fuzzer: VESTREL_LEXICON must name the engine's es_ES.vlx\n");
            std::abort();
        }
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        return vestrel::engine::Lexicon(bytes);
    }();
    return lexicon;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t limit = data[0] % 16;
    std::wstring word;
    for (size_t i = 1; i + 1 < size; i += 2) word.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
    const vestrel::engine::Lexicon& lexicon = TheLexicon();
    lexicon.Check(word);
    const std::vector<std::wstring> suggestions = vestrel::engine::Suggest(lexicon, word, limit);
    if (suggestions.size() > limit) std::abort();
    // Each suggestion is made of words (more than one where the typed ones
    // ran together) that the lexicon does not call misspelt.
    for (const std::wstring& suggestion : suggestions) {
        if (suggestion.empty()) std::abort();
        for (size_t start = 0, end; start <= suggestion.size(); start = end + 1) {
            end = std::min(suggestion.find(L' ', start), suggestion.size());
            if (lexicon.Check(suggestion.substr(start, end - start)) == vestrel::engine::Lexicon::Verdict::NotWord)
                std::abort();
        }
    }
    return 0;
}
