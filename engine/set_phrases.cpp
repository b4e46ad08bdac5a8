#include "engine/set_phrases.h"
#include <algorithm>

namespace vestrel::engine {
namespace {

// Adverbial and linking phrases of everyday writing. Words that are
// also written as one (aparte, enfrente, sinfín, porque) are not here: the
// lexicon accepts those as they are typed.
constexpr std::wstring_view kPhrases[] = {
    L"a cabo",        L"a causa",      L"a continuación", L"a favor",
    L"a gusto",       L"a la vez",     L"a lo largo",     L"a lo mejor",    L"a mano",
    L"a medias",      L"a menos",      L"a menudo",       L"a partir",      L"a pesar",
    L"a pie",         L"a punto",      L"a solas",        L"a tiempo",      L"a través",
    L"a veces",       L"al fin",       L"al menos",       L"ante todo",     L"así que",
    L"de acuerdo",    L"de golpe",     L"de hecho",       L"de nuevo",      L"de pronto",
    L"de repente",    L"de veras",     L"de verdad",      L"en contra",     L"en cuanto",
    L"en fin",        L"en medio",     L"en realidad",    L"en serio",      L"en vez",
    L"hoy día",       L"lo que",       L"más allá",       L"más bien",      L"no obstante",
    L"o sea",         L"para que",     L"por cierto",     L"por ejemplo",   L"por eso",
    L"por favor",     L"por fin",      L"por lo menos",   L"por lo tanto",  L"por qué",
    L"por supuesto",  L"por tanto",    L"sin duda",       L"sin embargo",   L"sobre todo",
    L"tal vez",       L"ya que",
};

// A phrase's letter without its accent.
wchar_t Plain(wchar_t c) {
    switch (c) {
    case L'á': return L'a';
    case L'é': return L'e';
    case L'í': return L'i';
    case L'ó': return L'o';
    case L'ú': case L'ü': return L'u';
    default: return c;
    }
}

}  // namespace

std::string SetPhrase(std::string_view words) {
    for (const std::wstring_view phrase : kPhrases)
        if (std::equal(phrase.begin(), phrase.end(), words.begin(), words.end(),
                       [](wchar_t p, char w) { return Plain(p) == static_cast<unsigned char>(w); }))
            return std::string(phrase.begin(), phrase.end());  // every letter of a phrase is Latin-1
    return {};
}

}  // namespace vestrel::engine
