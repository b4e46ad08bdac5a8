// The costs of the slips Spanish writers make, letter by letter, in
// hundredths of an unrelated letter replaced, and the tables the suggestion
// search prices a candidate with: each letter's base (lower case, no
// accent), the cost of typing one letter for another, and the spellings of
// one or two letters for others (ll for y, qu for k, ie for e).
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vestrel::engine::suggestion {

// Costs of the slips, in hundredths of an unrelated letter replaced. They
// follow how often people make each: accents are left out far more often
// than added, a letter is left out more often than one is added, and a
// finger lands on a neighbouring key more often than anywhere else.
// Letters replaced, left out or added:
constexpr int kEdit = 100;            // an unrelated letter replaced or added
constexpr int kLeftOut = 70;          // a letter left out
constexpr int kAddedBeside = 90;      // a letter added whose key is beside its neighbour's
constexpr int kNeighbourKey = 90;     // the key beside the meant one
constexpr int kVowel = 75;            // one vowel for another
constexpr int kTransposed = 70;       // two neighbouring letters swapped
constexpr int kSwappedAcross = 90;    // two letters swapped across the one between them (petola, sádabo)
constexpr int kDoubledSpanish = 45;   // a letter of cc, nn or rr left out or doubled
constexpr int kDoubled = 70;          // any other letter left out of a pair or doubled
constexpr int kSilentH = 40;          // an h left out or added before a vowel
constexpr int kCoda = 50;             // an n, m or s left out before a consonant (concetrado, contruir)
constexpr int kBetween = 60;          // a vowel left out between two consonants (gustba, bajr)
constexpr int kZForC = 40;            // a z before e or i, where Spanish writes the sound c (alcanzé, empezé)
constexpr int kCheapest = 40;         // the cheapest letter left out, bounding a candidate's length
// Accents and case:
constexpr int kAccentLeftOut = 15;    // the accent the word needs not written
constexpr int kAccentAdded = 30;      // an accent the word does not have
constexpr int kAccentMoved = 15;      // less when both words carry an accent: it was put on the wrong vowel
constexpr int kCase = 5;              // a letter in the other case
// Where the slip is, and endings:
constexpr int kFirstLetterSlip = 40;      // more for a slip on the first letter, which writers rarely get wrong
constexpr int kDroppedD = 40;         // the d of -ado left out (acabao), or of -ido written -ío
constexpr int kPluralE = 40;          // the e of a plural in -es left out (ciudads)
constexpr int kConjugation = 80;      // a verb's ending of another conjugation (visitieron, querimos)
constexpr int kOwnForm = 20;          // an irregular verb's own form for its regular one (hacido: hecho),
                                      // more than an accent, which may be all a word lacks (estó: esto)
// The word meant: how likely it is.
constexpr int kName = 20;             // more for a capitalised name when the writer typed lower case
                                      // (kUnlikely more for a name never seen; none for an
                                      // abbreviation, which writers often type in lower case)
constexpr int kRarity = 6;            // each halving of how often a word is seen
constexpr int kUnlikely = 25;         // more for a form never seen, of a rare entry with many forms

// A letter in lower case without its accent; ñ stays itself. 0 for
// anything the lexicon cannot hold.
using Table = std::array<uint8_t, 256>;
extern const Table kBase;
// The cost of typing one letter for another, [meant][typed]; typed 0
// stands for any character the lexicon cannot hold.
extern const std::array<Table, 256> kReplace;

// The highest class of a form never seen in the texts the lexicon counts.
constexpr int kNeverSeen = 2;
// kRarity for each halving of a word's frequency, below the commonest; a
// form never seen of a rare entry with many forms pays more besides.
int Rarity(int cls);
bool IsCapital(wchar_t c);
bool NoCapitals(std::wstring_view word);
// Inline, like SoundsAlike below: the suggestion walk asks both for every
// cell it prices.
inline bool IsVowel(uint8_t base) {
    return base == 'a' || base == 'e' || base == 'i' || base == 'o' || base == 'u';
}
// A vowel with an accent or a diaeresis (ñ is a letter of its own).
bool HasAccent(uint8_t c);
// c, g and z change their sound before e and i: c and z or s, g and j sound
// alike only there, k and c only before any other letter. A letter that
// closes a syllable loses its voice or gains it: b and p, d and t, c and g
// sound alike only there.
inline bool SoundsAlike(uint8_t meant, uint8_t typed, bool soft, bool closing) {
    auto pair = [&](uint8_t a, uint8_t b) { return (meant == a && typed == b) || (meant == b && typed == a); };
    if (pair('c', 'z') || pair('c', 's') || pair('g', 'j')) return soft;
    if (pair('c', 'k')) return !soft;
    if (pair('b', 'p') || pair('d', 't') || pair('c', 'g')) return closing;
    return true;
}
// A meant letter left out (the h is handled where the next typed letter is
// known: only an h before a vowel is silent).
int LeftOut(uint8_t base, uint8_t previousBase);
// A typed letter the word does not have: a silent h before a vowel, a key
// pressed twice, a key beside one of its neighbours caught with it.
int Added(uint8_t base, uint8_t previousBase, uint8_t nextBase);

// One letter written for two, or two for one (typed, meant); qu and cu
// for each other, as writers used to other languages' qu do (quando); the
// stem of a verb that changes it (quiero, queremos; puedo, podemos) in the
// other form (calientar, quiren, puedamos); th, ph, sh and w as other
// languages spell t, f, ch and u (athleta, philosofía, shampú, twittear);
// a word's first hi written e, the h being silent and neighbouring
// languages beginning those words with e (estoria, estérico); s for the x
// most Spanish speakers say as s (estranjero, espander); o for au, as
// English writes restore (restorar).
struct Spelling {
    const char* typed;
    const char* meant;
    int cost;
};
inline constexpr Spelling kSpellings[] = {
    {"y", "ll", 40}, {"ll", "y", 40}, {"k", "qu", 50}, {"qu", "k", 50}, {"x", "cc", 50}, {"cc", "x", 50},
    {"s", "sc", 50}, {"sc", "s", 50}, {"g", "gu", 50}, {"gu", "g", 50}, {"qu", "cu", 60}, {"cu", "qu", 60},
    {"ie", "e", 50}, {"e", "ie", 50}, {"ue", "o", 50}, {"o", "ue", 50},
    {"th", "t", 50}, {"ph", "f", 50}, {"sh", "ch", 50}, {"w", "u", 50}, {"e", "hi", 50},
    {"s", "x", 50}, {"o", "au", 50},
};
inline constexpr size_t kSpellingCount = sizeof kSpellings / sizeof kSpellings[0];
// Each side of a spelling is one letter or two (EndingAt relies on it).
static_assert([] {
    for (const Spelling& s : kSpellings)
        for (const char* side : {s.typed, s.meant})
            if (!side[0] || (side[1] && side[2])) return false;
    return true;
}());
static_assert(kSpellingCount <= 32, "a spelling is a bit of a 32-bit mask");
// The spellings of g and gu for each other, which sound alike only before
// e and i.
inline constexpr uint32_t kGuMask = [] {
    uint32_t mask = 0;
    for (size_t s = 0; s < kSpellingCount; ++s)
        if (kSpellings[s].typed[0] == 'g' && kSpellings[s].meant[0] == 'g') mask |= 1u << s;
    return mask;
}();
static_assert(kGuMask != 0, "the table spells g and gu for each other");
// The spellings of a verb's stem (ie and e, ue and o), which change only
// in a syllable before the ending: a consonant next, a vowel further on.
inline constexpr uint32_t kStemMask = [] {
    auto vowels = [](const char* side) {
        for (; *side; ++side)
            if (*side != 'a' && *side != 'e' && *side != 'i' && *side != 'o' && *side != 'u') return false;
        return true;
    };
    uint32_t mask = 0;
    for (size_t s = 0; s < kSpellingCount; ++s)
        if (vowels(kSpellings[s].typed) && vowels(kSpellings[s].meant)) mask |= 1u << s;
    return mask;
}();
static_assert(kStemMask != 0, "the table spells a verb's stem both ways");
// The spellings of an h, which stand only at the start of a word: typed
// as the first letter, meant as the first two (the walk relies on both).
inline constexpr uint32_t kStartMask = [] {
    uint32_t mask = 0;
    for (size_t s = 0; s < kSpellingCount; ++s)
        if (kSpellings[s].meant[0] == 'h') mask |= 1u << s;
    return mask;
}();
static_assert(kStartMask != 0, "the table spells a first hi");
static_assert([] {
    for (const Spelling& s : kSpellings)
        if (s.meant[0] == 'h' && (!s.meant[1] || s.typed[1])) return false;
    return true;
}(), "a spelling of a first h is one letter typed for two meant");

// For each letter, the spellings whose typed (or meant) side ends in it:
// most letters end none, and the walk asks at every letter it tries.
using Side = const char* Spelling::*;
using EndMasks = std::array<uint32_t, 256>;
constexpr EndMasks EndingIn(Side side) {
    EndMasks masks{};
    for (size_t s = 0; s < kSpellingCount; ++s) {
        const char* letters = kSpellings[s].*side;
        masks[static_cast<uint8_t>(letters[letters[1] ? 1 : 0])] |= 1u << s;
    }
    return masks;
}
inline constexpr EndMasks kTypedEnds = EndingIn(&Spelling::typed), kMeantEnds = EndingIn(&Spelling::meant);

// Which spellings' letters (typed or meant side) end at position end of
// bases: bit s for kSpellings[s].
uint32_t EndingAt(const uint8_t* bases, size_t end, Side side, const EndMasks& ends);

}  // namespace vestrel::engine::suggestion
