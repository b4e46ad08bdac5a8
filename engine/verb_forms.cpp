#include "engine/verb_forms.h"
#include <iterator>
#include <span>

namespace vestrel::engine {
namespace {

struct Stem {
    const char* regular;  // what the regular pattern builds on
    const char* own;      // what the verb builds on instead
};

// Participles: the root before -ido, and the participle's own stem before
// its -o, -a, -os, -as.
constexpr Stem kParticiples[] = {
    {"hac", "hech"},   {"fac", "fech"},   {"pon", "puest"},     {"scrib", "scrit"}, {"volv", "vuelt"},
    {"solv", "suelt"}, {"romp", "rot"},   {"mor", "muert"},     {"abr", "abiert"},  {"cubr", "cubiert"},
    {"dec", "dich"},   {"ve", "vist"},
};

// Strong preterites: the root the regular endings are put on, and the stem of
// the verb's own preterite.
struct Strong {
    const char* root;
    bool firstConjugation;  // -ar: andé, andó; otherwise comí, comió
    const char* stem;
};
constexpr Strong kPreterites[] = {
    {"and", true, "anduv"}, {"est", true, "estuv"}, {"ten", false, "tuv"}, {"hac", false, "hic"},
    {"pon", false, "pus"},  {"pod", false, "pud"},  {"sab", false, "sup"}, {"quer", false, "quis"},
    {"ven", false, "vin"},  {"dec", false, "dij"},  {"tra", false, "traj"}, {"duc", false, "duj"},
    {"cab", false, "cup"},  {"hab", false, "hub"},
};
// Persons in order: yo, tú, él, nosotros, vosotros, ellos; without accents.
constexpr const char* kFirstPreterite[] = {"e", "aste", "o", "amos", "asteis", "aron"};
constexpr const char* kOtherPreterite[] = {"i", "iste", "io", "imos", "isteis", "ieron"};
constexpr const char* kStrongPreterite[] = {"e", "iste", "o", "imos", "isteis", "ieron"};

// Futures and conditionals: the infinitive the regular forms are built on,
// and the verb's own stem.
constexpr Stem kFutures[] = {
    {"saber", "sabr"}, {"tener", "tendr"}, {"poner", "pondr"}, {"salir", "saldr"},
    {"venir", "vendr"}, {"valer", "valdr"}, {"poder", "podr"},  {"querer", "querr"},
    {"hacer", "har"},  {"decir", "dir"},   {"caber", "cabr"},  {"haber", "habr"},
};
// Each ending without its accent, and as written (an escape is closed
// before a following letter that would read as a hex digit).
constexpr Stem kFutureEndings[] = {
    {"e", "\xE9"},         {"as", "\xE1s"},          {"a", "\xE1"},           {"emos", "emos"},
    {"eis", "\xE9is"},     {"an", "\xE1n"},          {"ia", "\xED" "a"},      {"ias", "\xED" "as"},
    {"iamos", "\xED" "amos"}, {"iais", "\xED" "ais"}, {"ian", "\xED" "an"},
};

// Regular endings, without their accents and as written: one person and
// tense in each conjugation that spells it apart, -ar, then -er and -ir
// (where those two share an ending, it is listed once).
constexpr Stem kInfinitive[] = {{"ar", "ar"}, {"er", "er"}, {"ir", "ir"}};
constexpr Stem kGerund[] = {{"ando", "ando"}, {"iendo", "iendo"}};
constexpr Stem kParticipleMasc[] = {{"ado", "ado"}, {"ido", "ido"}};
constexpr Stem kParticipleFem[] = {{"ada", "ada"}, {"ida", "ida"}};
constexpr Stem kParticiplesMasc[] = {{"ados", "ados"}, {"idos", "idos"}};
constexpr Stem kParticiplesFem[] = {{"adas", "adas"}, {"idas", "idas"}};
constexpr Stem kWePresent[] = {{"amos", "amos"}, {"emos", "emos"}, {"imos", "imos"}};
constexpr Stem kImperfect[] = {{"aba", "aba"}, {"ia", "\xED" "a"}};
constexpr Stem kImperfectYou[] = {{"abas", "abas"}, {"ias", "\xED" "as"}};
constexpr Stem kImperfectWe[] = {{"abamos", "\xE1" "bamos"}, {"iamos", "\xED" "amos"}};
constexpr Stem kImperfectThey[] = {{"aban", "aban"}, {"ian", "\xED" "an"}};
constexpr Stem kPreteriteYou[] = {{"aste", "aste"}, {"iste", "iste"}};
constexpr Stem kPreteriteThey[] = {{"aron", "aron"}, {"ieron", "ieron"}};

constexpr std::span<const Stem> kFamilies[] = {
    kInfinitive,  kGerund,       kParticipleMasc, kParticipleFem,  kParticiplesMasc, kParticiplesFem, kWePresent,
    kImperfect,   kImperfectYou, kImperfectWe,    kImperfectThey,  kPreteriteYou,    kPreteriteThey,
};

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// The strong preterite of one person: hizo keeps the sound of hic-; the
// stems in j drop the i of -ieron (dijeron, trajeron).
std::string StrongForm(std::string_view stem, size_t person) {
    std::string form(stem);
    if (person == 2 && EndsWith(form, "c")) form.back() = 'z';
    form += kStrongPreterite[person];
    if (person == 5 && EndsWith(stem, "j")) form.erase(form.size() - 5, 1);
    return form;
}

}  // namespace

std::vector<std::string> OwnVerbForms(std::string_view letters) {
    std::vector<std::string> forms;
    auto prefix = [&](size_t tail) { return std::string(letters.substr(0, letters.size() - tail)); };
    for (const char* ending : {"o", "a", "os", "as"}) {
        const std::string tail = std::string("id") + ending;
        if (!EndsWith(letters, tail)) continue;
        for (const Stem& s : kParticiples) {
            const std::string regular = s.regular + tail;
            if (EndsWith(letters, regular)) forms.push_back(prefix(regular.size()) + s.own + ending);
        }
    }
    for (const Strong& verb : kPreterites)
        for (size_t person = 0; person < std::size(kStrongPreterite); ++person) {
            const char* ending = (verb.firstConjugation ? kFirstPreterite : kOtherPreterite)[person];
            // The regular root (andé, tenió) or the strong stem with the
            // regular ending (tuvió, hició).
            for (const std::string& built : {verb.root + std::string(ending), verb.stem + std::string(ending)})
                if (EndsWith(letters, built)) forms.push_back(prefix(built.size()) + StrongForm(verb.stem, person));
        }
    for (const Stem& verb : kFutures)
        for (const Stem& ending : kFutureEndings) {
            const std::string built = std::string(verb.regular) + ending.regular;
            if (EndsWith(letters, built)) forms.push_back(prefix(built.size()) + verb.own + ending.own);
        }
    return forms;
}

std::vector<std::string> OtherConjugations(std::string_view letters) {
    std::vector<std::string> forms;
    for (const std::span<const Stem> family : kFamilies)
        for (const Stem& typed : family) {
            const std::string_view ending = typed.regular;
            // The ending and a stem before it.
            if (letters.size() == ending.size() || !EndsWith(letters, ending)) continue;
            const std::string_view stem = letters.substr(0, letters.size() - ending.size());
            for (const Stem& other : family)
                if (&other != &typed) forms.push_back(std::string(stem) + other.own);
        }
    return forms;
}

}  // namespace vestrel::engine
