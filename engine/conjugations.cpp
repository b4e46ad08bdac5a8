#include "engine/conjugations.h"

namespace vestrel::engine {
namespace {

struct Ending {
    const char* typed;    // without accents, as the typed letters are given
    const char* written;  // with them (an escape is closed before a hex digit)
};

// One person and tense in each conjugation that spells it apart: -ar, then
// -er and -ir (where those two share an ending, it is listed once).
constexpr Ending kInfinitive[] = {{"ar", "ar"}, {"er", "er"}, {"ir", "ir"}};
constexpr Ending kGerund[] = {{"ando", "ando"}, {"iendo", "iendo"}};
constexpr Ending kParticiple[] = {{"ado", "ado"}, {"ido", "ido"}};
constexpr Ending kParticipleA[] = {{"ada", "ada"}, {"ida", "ida"}};
constexpr Ending kParticiples[] = {{"ados", "ados"}, {"idos", "idos"}};
constexpr Ending kParticiplesA[] = {{"adas", "adas"}, {"idas", "idas"}};
constexpr Ending kWePresent[] = {{"amos", "amos"}, {"emos", "emos"}, {"imos", "imos"}};
constexpr Ending kImperfect[] = {{"aba", "aba"}, {"ia", "\xED" "a"}};
constexpr Ending kImperfectYou[] = {{"abas", "abas"}, {"ias", "\xED" "as"}};
constexpr Ending kImperfectWe[] = {{"abamos", "\xE1" "bamos"}, {"iamos", "\xED" "amos"}};
constexpr Ending kImperfectThey[] = {{"aban", "aban"}, {"ian", "\xED" "an"}};
constexpr Ending kPreteriteYou[] = {{"aste", "aste"}, {"iste", "iste"}};
constexpr Ending kPreteriteThey[] = {{"aron", "aron"}, {"ieron", "ieron"}};

struct Family {
    const Ending* endings;
    size_t count;
};
template <size_t N>
constexpr Family Of(const Ending (&endings)[N]) { return {endings, N}; }

constexpr Family kFamilies[] = {
    Of(kInfinitive),   Of(kGerund),        Of(kParticiple),     Of(kParticipleA),   Of(kParticiples),
    Of(kParticiplesA), Of(kWePresent),     Of(kImperfect),      Of(kImperfectYou),  Of(kImperfectWe),
    Of(kImperfectThey), Of(kPreteriteYou), Of(kPreteriteThey),
};

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() > tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

std::vector<std::string> OtherConjugations(std::string_view letters) {
    std::vector<std::string> forms;
    for (const Family& family : kFamilies)
        for (size_t i = 0; i < family.count; ++i) {
            if (!EndsWith(letters, family.endings[i].typed)) continue;
            const std::string_view stem = letters.substr(0, letters.size() - std::string_view(family.endings[i].typed).size());
            for (size_t j = 0; j < family.count; ++j)
                if (j != i) forms.push_back(std::string(stem) + family.endings[j].written);
        }
    return forms;
}

}  // namespace vestrel::engine
