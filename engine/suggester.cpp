#include "engine/suggester.h"
#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include "engine/lexicon.h"
#include "engine/set_phrases.h"
#include "engine/verb_forms.h"

namespace vestrel::engine {
namespace {

constexpr size_t kLongestWord = 40;
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
constexpr int kCheapest = 40;         // the cheapest letter left out, bounding a candidate's length
// Accents and case:
constexpr int kAccentLeftOut = 15;    // the accent the word needs not written
constexpr int kAccentAdded = 30;      // an accent the word does not have
constexpr int kAccentMoved = 15;      // less when both words carry an accent: it was put on the wrong vowel
constexpr int kCase = 5;              // a letter in the other case
// Where the slip is, and endings:
constexpr int kFirstLetter = 40;      // more for a slip on the first letter, which writers rarely get wrong
constexpr int kDroppedD = 40;         // the d of -ado left out (acabao), or of -ido written -ío
constexpr int kPluralE = 40;          // the e of a plural in -es left out (ciudads)
constexpr int kConjugation = 80;      // a verb's ending of another conjugation (visitieron, querimos)
// The word meant: how likely it is.
constexpr int kName = 20;             // more for a capitalised name when the writer typed lower case
constexpr int kRarity = 6;            // each halving of how often a word is seen
constexpr int kUnlikely = 25;         // more for a form never seen, of a rare entry with many forms
// Words run together:
constexpr int kSplit = 100;           // a space left out
constexpr int kShortWord = 21;        // a word of two letters as a piece: a count of 512 or more
constexpr int kSetPhrase = 31;        // the first two of three pieces: a count of 16,000 or more
constexpr int kKnownPhrase = 80;      // less for a set phrase (a pesar, por lo tanto)
constexpr int kSplitMargin = 60;      // how far behind the best word found a split may rank
// The walk of the lexicon:
constexpr int kFirstBound = 130;      // one slip, or a cheap one and another
constexpr int kSecondBound = 200;
constexpr size_t kEnoughFound = 5;    // fewer after the first walk: walk again, wider
// Words misspelt several times over (perservancia, gastromonomia): when the
// second walk finds hardly anything, a third, wider still, among the words
// that start with the typed letter. Longer words would take it too long.
constexpr int kThirdBound = 280;
constexpr size_t kFarFound = 2;
constexpr size_t kLongestFar = 13;

// A letter in lower case without its accent; ñ stays itself. 0 for
// anything the lexicon cannot hold.
using Table = std::array<uint8_t, 256>;
const Table kBase = [] {
    Table t{};
    for (int i = 0; i < 256; ++i) t[i] = Lower(static_cast<uint8_t>(i));
    const char* groups[] = {"a\xE0\xE1\xE2\xE3\xE4\xE5", "e\xE8\xE9\xEA\xEB", "i\xEC\xED\xEE\xEF",
                            "o\xF2\xF3\xF4\xF5\xF6", "u\xF9\xFA\xFB\xFC", "c\xE7", "y\xFD\xFF"};
    for (const char* group : groups)
        for (const char* p = group + 1; *p; ++p) t[static_cast<uint8_t>(*p)] = static_cast<uint8_t>(group[0]);
    for (int i = 0xC0; i <= 0xDE; ++i)
        if (i != 0xD7) t[i] = t[i + 0x20];
    t[0] = 0;
    return t;
}();

// kRarity for each halving of a word's frequency, below the commonest; a
// form never seen of a rare entry with many forms pays more besides.
int Rarity(int cls) {
    return kRarity * (Lexicon::kMostFrequent - cls) / Lexicon::kClassesPerDoubling + (cls <= 1 ? kUnlikely : 0);
}

bool IsCapital(wchar_t c) { return IsLetter(c) && Lower(static_cast<uint8_t>(c)) != c; }
bool NoCapitals(std::wstring_view word) { return std::none_of(word.begin(), word.end(), IsCapital); }

bool IsVowel(uint8_t base) { return base != 0 && std::strchr("aeiou", base); }

// A vowel with an accent or a diaeresis (ñ is a letter of its own).
bool HasAccent(uint8_t c) { return kBase[c] != Lower(c); }

// Letters Spanish writers put for one another, by sound or by habit.
struct Confusion {
    uint8_t a, b;
    int cost;
};
constexpr Confusion kConfusions[] = {
    {0xF1, 'n', 30}, {'b', 'v', 40}, {'g', 'j', 50}, {'s', 'z', 50}, {'c', 'z', 50}, {'c', 's', 60},
    {'y', 'i', 60},  {'c', 'k', 50}, {'q', 'k', 60}, {'x', 's', 60}, {'m', 'n', 70},
};

// Neighbouring keys on a Spanish keyboard, where a finger slips.
bool Neighbours(uint8_t a, uint8_t b) {
    static const char* rows[] = {"qwertyuiop", "asdfghjkl\xF1", "zxcvbnm"};
    for (int r = 0; r < 3; ++r) {
        const char* pa = a ? std::strchr(rows[r], a) : nullptr;
        if (!pa) continue;
        const int i = static_cast<int>(pa - rows[r]);
        for (int s = std::max(0, r - 1); s <= std::min(2, r + 1); ++s) {
            const char* pb = b ? std::strchr(rows[s], b) : nullptr;
            if (!pb) continue;
            const int j = static_cast<int>(pb - rows[s]);
            if ((s == r && std::abs(i - j) == 1) || (s == r + 1 && (j == i || j == i - 1)) ||
                (s == r - 1 && (j == i || j == i + 1)))
                return true;
        }
    }
    return false;
}

// c, g and z change their sound before e and i: c and z or s, g and j sound
// alike only there, k and c only before any other letter.
bool SoundsAlike(uint8_t meant, uint8_t typed, bool soft) {
    auto pair = [&](uint8_t a, uint8_t b) { return (meant == a && typed == b) || (meant == b && typed == a); };
    if (pair('c', 'z') || pair('c', 's') || pair('g', 'j')) return soft;
    if (pair('c', 'k')) return !soft;
    return true;
}

// The cost of typing one letter for another, [meant][typed]; typed 0
// stands for any character the lexicon cannot hold.
const std::array<Table, 256> kReplace = [] {
    std::array<Table, 256> t{};
    for (int m = 0; m < 256; ++m)
        for (int a = 0; a < 256; ++a) {
            const uint8_t ba = kBase[a], bm = kBase[m];
            const bool typedAccent = HasAccent(static_cast<uint8_t>(a));
            int cost = kEdit;
            if (a == m) cost = 0;
            else if (Lower(static_cast<uint8_t>(a)) == Lower(static_cast<uint8_t>(m))) cost = kCase;
            else if (ba != 0 && ba == bm) cost = typedAccent ? kAccentAdded : kAccentLeftOut;
            else {
                for (const Confusion& c : kConfusions)
                    if ((c.a == ba && c.b == bm) || (c.a == bm && c.b == ba)) cost = c.cost;
                if (cost == kEdit && Neighbours(ba, bm)) cost = kNeighbourKey;
                if (IsVowel(ba) && IsVowel(bm)) cost = std::min(cost, kVowel);
            }
            t[m][a] = static_cast<uint8_t>(a == 0 ? kEdit : cost);
        }
    return t;
}();

// A letter of a pair left out or doubled: cheap for the letters Spanish
// doubles (cc, nn, rr), less dear for any other key (ll is a letter of its
// own, not l doubled).
int Doubled(uint8_t base) { return std::strchr("cnr", base) ? kDoubledSpanish : kDoubled; }

// A meant letter left out (the h is handled where the next typed letter is
// known: only an h before a vowel is silent).
int LeftOut(uint8_t base, uint8_t previousBase) {
    return base != 0 && base == previousBase ? Doubled(base) : kLeftOut;
}

// A typed letter the word does not have: a silent h before a vowel, a key
// pressed twice, a key beside one of its neighbours caught with it.
int Added(uint8_t base, uint8_t previousBase, uint8_t nextBase) {
    if (base == 'h' && previousBase != 'c' && IsVowel(nextBase)) return kSilentH;
    if (base != 0 && base == previousBase) return Doubled(base);
    if (base != 0 && (Neighbours(base, previousBase) || Neighbours(base, nextBase))) return kAddedBeside;
    return kEdit;
}

// One letter written for two, or two for one (typed, meant); qu and cu
// for each other, as writers used to other languages' qu do (quando); the
// stem of a verb that changes it (quiero, queremos; puedo, podemos) in the
// other form (calientar, quiren, puedamos); th, ph, sh and w as other
// languages spell t, f, ch and u (athleta, philosofía, shampú, twittear).
struct Spelling {
    const char* typed;
    const char* meant;
    int cost;
};
constexpr Spelling kSpellings[] = {
    {"y", "ll", 40}, {"ll", "y", 40}, {"k", "qu", 50}, {"qu", "k", 50}, {"x", "cc", 50}, {"cc", "x", 50},
    {"s", "sc", 50}, {"sc", "s", 50}, {"g", "gu", 50}, {"gu", "g", 50}, {"qu", "cu", 60}, {"cu", "qu", 60},
    {"ie", "e", 50}, {"e", "ie", 50}, {"ue", "o", 50}, {"o", "ue", 50},
    {"th", "t", 50}, {"ph", "f", 50}, {"sh", "ch", 50}, {"w", "u", 50},
};
constexpr size_t kSpellingCount = sizeof kSpellings / sizeof kSpellings[0];
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
constexpr uint32_t kGuMask = [] {
    uint32_t mask = 0;
    for (size_t s = 0; s < kSpellingCount; ++s)
        if (kSpellings[s].typed[0] == 'g' && kSpellings[s].meant[0] == 'g') mask |= 1u << s;
    return mask;
}();
static_assert(kGuMask != 0, "the table spells g and gu for each other");
// The spellings of a verb's stem (ie and e, ue and o), which change only
// in a syllable before the ending: a consonant next, a vowel further on.
constexpr uint32_t kStemMask = [] {
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
constexpr EndMasks kTypedEnds = EndingIn(&Spelling::typed), kMeantEnds = EndingIn(&Spelling::meant);

// Which spellings' letters (typed or meant side) end at position end of
// bases: bit s for kSpellings[s].
uint32_t EndingAt(const uint8_t* bases, size_t end, Side side, const EndMasks& ends) {
    uint32_t mask = 0;
    for (uint32_t candidates = end ? ends[bases[end - 1]] : 0; candidates; candidates &= candidates - 1) {
        const size_t s = static_cast<size_t>(__builtin_ctz(candidates));
        const char* letters = kSpellings[s].*side;
        const size_t length = letters[1] ? 2 : 1;
        if (end >= length && std::memcmp(bases + end - length, letters, length) == 0) mask |= 1u << s;
    }
    return mask;
}

struct Found {
    std::string letters;
    int score;  // the fit and how common the word is: the order of the list
    int fit;    // the edit cost alone
};

class Search {
public:
    Search(const Lexicon& lexicon, std::wstring_view word) : lexicon_(lexicon) {
        const size_t n = word.size();
        width_ = n + 1;
        typed_.assign(width_, 0);
        typedBase_.assign(width_, 0);
        drop_.assign(width_, 0);
        typedSpellings_.assign(width_, 0);
        soft_.assign(width_, false);
        // Index i describes the typed word's i-th letter, counting from 1.
        typedLower_ = NoCapitals(word);
        typedAccent_ = std::any_of(word.begin(), word.end(), [](wchar_t c) { return c <= 0xFF && HasAccent(c); });
        for (size_t i = 1; i <= n; ++i) {
            typed_[i] = word[i - 1] > 0xFF ? 0 : static_cast<uint8_t>(word[i - 1]);
            typedBase_[i] = kBase[typed_[i]];
            drop_[i] = Added(typedBase_[i], typedBase_[i - 1], i < n ? kBase[word[i] > 0xFF ? 0 : word[i]] : 0);
        }
        for (size_t i = 1; i <= n; ++i) {
            typedSpellings_[i] = EndingAt(typedBase_.data() + 1, i, &Spelling::typed, kTypedEnds);
            // g and gu sound alike only before e and i.
            const uint8_t next = i < n ? typedBase_[i + 1] : 0;
            if (next != 'e' && next != 'i') typedSpellings_[i] &= ~kGuMask;
            const bool vowelLater = std::any_of(typedBase_.begin() + static_cast<std::ptrdiff_t>(i) + 1, typedBase_.end(),
                                                [](uint8_t c) { return IsVowel(c); });
            if (!next || IsVowel(next) || !vowelLater) typedSpellings_[i] &= ~kStemMask;
        }
        // A plain slip on the first letter costs more.
        if (n >= 1 && drop_[1] >= kAddedBeside) drop_[1] += kFirstLetter;
        for (size_t i = 1; i <= n; ++i) soft_[i] = i < n && (typedBase_[i + 1] == 'e' || typedBase_[i + 1] == 'i');
        // What follows each typed position (0: before the first letter).
        next_.assign(width_, Next::End);
        for (size_t i = 0; i < n; ++i) {
            const uint8_t next = typedBase_[i + 1];
            next_[i] = IsVowel(next) ? Next::Vowel
                       : !next       ? Next::End
                       : i + 1 == n && next == 's' ? Next::FinalS
                                                   : Next::Consonant;
        }
        // Where a d may have been dropped between the vowels of a
        // participle's ending (acabao, comio, acabaos), and the e of a plural
        // in -es (ciudads, papels).
        dropD_.assign(width_, false);
        for (size_t i = 1; i + 1 <= n; ++i) {
            const size_t rest = n - i;
            // -ao for -ado; -ío (not -io, a preterite without its accent) for -ido.
            dropD_[i] = (typedBase_[i] == 'a' || Lower(typed_[i]) == 0xED) && typedBase_[i + 1] == 'o' &&
                        (rest == 1 || (rest == 2 && typedBase_[i + 2] == 's'));
        }
        plural_.assign(width_, false);
        keptAccent_.assign(width_, false);
        if (n >= 3 && typedBase_[n] == 's' && !std::strchr("aeious", typedBase_[n - 1]) && typedBase_[n - 1]) {
            plural_[n - 1] = true;
            // The singular's accent kept in a plural that loses it
            // (investigacións for investigaciones) is part of the same slip.
            keptAccent_[n - 2] = HasAccent(typed_[n - 2]);
        }
    }

    // Every word within bound of the typed one, with its ranking score.
    std::vector<Found> Walk(int bound, bool narrow = false) {
        bound_ = bound;
        narrow_ = narrow;
        depth_ = std::min<size_t>(width_ + static_cast<size_t>(bound / kCheapest), 64);
        rows_.assign((depth_ + 1) * width_, 0);
        letters_.assign(depth_, '\0');
        meantBase_.assign(depth_ + 1, 0);
        for (size_t i = 1; i < width_; ++i) rows_[i] = rows_[i - 1] + drop_[i];
        found_.clear();
        Visit(lexicon_.Root(), 0);
        return std::move(found_);
    }

private:
    int* Row(size_t depth) { return rows_.data() + depth * width_; }

    // The first letter the writer typed, but for its accent or case, or
    // after or without a silent h: writers who misspell a word several
    // times over still start it right.
    bool SameStart(uint8_t letter) const {
        if (width_ < 2) return true;
        const uint8_t meant = kBase[letter], typed = typedBase_[1];
        return meant == typed || meant == 'h' || (typed == 'h' && IsVowel(meant));
    }

    void Visit(Lexicon::Node node, size_t depth) {
        // Most prefixes walked are too far from the typed word to be it: the
        // cost is looked at before the lexicon is asked whether one is a word.
        if (const int cost = depth > 0 ? Row(depth)[width_ - 1] : 0; depth > 0 && cost <= bound_) {
            if (const int cls = lexicon_.WordClass(node); cls >= 0) {
                int score = cost + Rarity(cls);
                const uint8_t first = static_cast<uint8_t>(letters_[0]);
                if (typedLower_ && Lower(first) != first) score += kName;
                if (typedAccent_ && std::any_of(letters_.begin(), letters_.begin() + depth,
                                                [](char c) { return HasAccent(static_cast<uint8_t>(c)); }))
                    score -= kAccentMoved;
                found_.push_back({letters_.substr(0, depth), score, cost});
            }
        }
        if (depth == depth_) return;
        lexicon_.ForEachLetter(node, [&](uint8_t letter, Lexicon::Node next) {
            letters_[depth] = static_cast<char>(letter);
            meantBase_[depth + 1] = kBase[letter];
            if (depth == 0 && narrow_ && !SameStart(letter)) return;
            if (Fill(depth + 1) <= bound_) Visit(next, depth + 1);
        });
    }

    // Fills the row for the candidate's first j letters; returns its least cost.
    int Fill(size_t j) {
        const Table& replace = kReplace[static_cast<uint8_t>(letters_[j - 1])];
        const int added = LeftOut(meantBase_[j], meantBase_[j - 1]);
        const uint32_t meantSpellings = EndingAt(meantBase_.data() + 1, j, &Spelling::meant, kMeantEnds);
        int* row = Row(j);
        const int* up = Row(j - 1);
        const int* up2 = j >= 2 ? Row(j - 2) : nullptr;
        const uint8_t meant = meantBase_[j], meantBefore = meantBase_[j - 1];
        // A silent h, left out before a vowel (ombre, aora), is a spelling
        // slip; any other h left out (dico for dicho) a plain one.
        const bool silent = meant == 'h' && meantBefore != 'c';
        // Where the writer typed two consonants together, the key most often
        // missed between them is the n, m or s closing a syllable
        // (concetrado, contruir) or a vowel (gustba). Not the word's second
        // letter, since writers rarely slip that early, and not a vowel
        // before a final s, where the plural's own rule prices the ending.
        const bool coda = meant && meantBefore && std::strchr("nms", meant);
        const bool between = j > 2 && IsVowel(meant) && meantBefore && !IsVowel(meantBefore);
        const int cheap = std::min(added, coda ? kCoda : between ? kBetween : added);
        auto omitted = [&](size_t i) {
            const Next next = next_[i];
            if (silent && next == Next::Vowel) return kSilentH;
            if (cheap < added && (next == Next::Consonant || (coda && next == Next::FinalS)) &&
                typedBase_[i] == meantBefore)
                return cheap;
            return added;
        };
        row[0] = up[0] + omitted(0) + (j == 1 && !silent && added >= kLeftOut ? kFirstLetter : 0);
        int least = row[0];
        for (size_t i = 1; i < width_; ++i) {
            int sub = replace[typed_[i]];
            if (sub < kEdit && !SoundsAlike(meant, typedBase_[i], soft_[i])) sub = kEdit;
            if (i == 1 && j == 1 && sub >= kVowel) sub += kFirstLetter;
            if (keptAccent_[i] && sub == kAccentAdded) sub = 0;
            int cost = std::min({up[i - 1] + sub, up[i] + omitted(i), row[i - 1] + drop_[i]});
            if (meant == 'd' && dropD_[i]) cost = std::min(cost, up[i] + kDroppedD);
            if (meant == 'e' && plural_[i]) cost = std::min(cost, up[i] + kPluralE);
            const uint8_t typed = typedBase_[i], typedBefore = typedBase_[i - 1];
            if (up2 && i >= 2 && typed && typed == meantBefore && typedBefore == meant && typed != typedBefore)
                cost = std::min(cost, up2[i - 2] + kTransposed);
            if (j >= 3 && i >= 3 && typed && typed == meantBase_[j - 2] && typedBase_[i - 2] == meant &&
                typedBefore == meantBefore && typed != meant)
                cost = std::min(cost, Row(j - 3)[i - 3] + kSwappedAcross);
            for (uint32_t both = meantSpellings & typedSpellings_[i]; both; both &= both - 1) {
                const Spelling& s = kSpellings[__builtin_ctz(both)];
                cost = std::min(cost, Row(j - std::strlen(s.meant))[i - std::strlen(s.typed)] + s.cost);
            }
            row[i] = cost;
            least = std::min(least, cost);
        }
        return least;
    }

    const Lexicon& lexicon_;
    std::vector<uint8_t> typed_, typedBase_, meantBase_;
    std::vector<int> drop_;
    std::vector<uint32_t> typedSpellings_;
    std::vector<bool> dropD_, plural_, keptAccent_, soft_;  // soft_: the next typed letter is e or i
    enum class Next : uint8_t { End, Vowel, Consonant, FinalS };
    std::vector<Next> next_;
    std::vector<int> rows_;
    std::string letters_;
    std::vector<Found> found_;
    size_t depth_ = 0, width_ = 0;
    int bound_ = 0;
    bool narrow_ = false;
    bool typedLower_ = false, typedAccent_ = false;
};

// Words run together (porfavor, losmonumentos, alomejor): two or three
// pieces, each a word of the lexicon spelt with the typed letters but for
// accents, ñ written n and case. A piece costs what its accents cost and
// how rare it is, so a split with a common word (por, a, los, se) comes
// first; each space left out costs kSplit.
class Splits {
public:
    Splits(const Lexicon& lexicon, std::wstring_view word) : lexicon_(lexicon), n_(word.size()) {
        typed_.reserve(n_);
        for (const wchar_t c : word) {
            if (c > 0xFF || !IsLetter(c)) return;
            typed_.push_back(static_cast<uint8_t>(c));
        }
        pieces_.assign(n_ * (n_ + 1), Piece{});
        for (size_t begin = 0; begin < n_; ++begin) {
            std::string letters;
            Walk(lexicon_.Root(), begin, begin, 0, letters);
        }
    }

    // Adds the splits to the words found, those that rank near the best of
    // them (or all, when nothing was found): a split far behind a word that
    // fits is two words that happen to make up the letters (pon ido).
    void AddTo(std::vector<Found>& found) const {
        if (typed_.size() != n_ || n_ < 2) return;
        int best = INT_MAX;
        for (const Found& f : found) best = std::min(best, f.score);
        const int worst = best == INT_MAX ? INT_MAX : best + kSplitMargin;
        for (size_t k = 1; k < n_; ++k) {
            const Piece& left = At(0, k);
            if (left.cls < 0) continue;
            if (const Piece& right = At(k, n_); right.cls >= 0 && Follows(left, right) && Ends(right))
                Add(found, worst, {&left, &right});
            // Three words only as set phrases run (a lo mejor, por lo tanto):
            // the first two among the commonest words.
            if (left.cls < kSetPhrase) continue;
            for (size_t m = k + 1; m < n_; ++m) {
                const Piece& middle = At(k, m);
                if (middle.cls < kSetPhrase || !Follows(left, middle)) continue;
                if (const Piece& right = At(m, n_); right.cls >= 0 && Follows(middle, right) && Ends(right))
                    Add(found, worst, {&left, &middle, &right});
            }
        }
    }

private:
    struct Piece {
        std::string letters;
        int cls = -1;
        int cost = 0;  // the accents and case put right
        int score = 0;
    };

    const Piece& At(size_t begin, size_t end) const { return pieces_[begin * (n_ + 1) + end]; }
    Piece& At(size_t begin, size_t end) { return pieces_[begin * (n_ + 1) + end]; }

    // The likeliest word for each piece of the typed letters from begin: one
    // walk of the lexicon along them, trying each letter that is the typed
    // one but for its accent or case.
    void Walk(Lexicon::Node node, size_t begin, size_t at, int cost, std::string& letters) {
        if (at > begin) {
            const int cls = lexicon_.WordClass(node);
            if (cls >= 0 && Allowed(letters, cls)) {
                Piece& piece = At(begin, at);
                const int score = cost + Rarity(cls);
                if (piece.cls < 0 || score < piece.score) piece = {letters, cls, cost, score};
            }
        }
        if (at == n_) return;
        const uint8_t typed = Lower(typed_[at]);
        lexicon_.ForEachLetter(node, [&](uint8_t letter, Lexicon::Node next) {
            // A name is a piece only where the writer typed its capital.
            const int step = kReplace[Lower(letter)][typed];
            if (step > kAccentAdded || (IsCapital(letter) && !IsCapital(typed_[at]))) return;
            letters.push_back(static_cast<char>(letter));
            Walk(next, begin, at + 1, cost + step, letters);
            letters.pop_back();
        });
    }

    // A word of one letter is a vowel that stands alone (a, o, y, e, u); one
    // of two is seen often (a rare one, ta or ro, is more likely a stray
    // ending than a word).
    static bool Allowed(const std::string& letters, int cls) {
        if (letters.size() == 1) return std::strchr("aeouyAEOUY", letters[0]) != nullptr;
        return letters.size() > 2 || cls >= kShortWord;
    }

    // e stands for y only before an i sound, u for o only before an o.
    static bool Follows(const Piece& before, const Piece& after) {
        if (before.letters.size() != 1) return true;
        const uint8_t conjunction = Lower(static_cast<uint8_t>(before.letters[0]));
        const std::string next = after.letters.substr(after.letters[0] == 'h' || after.letters[0] == 'H' ? 1 : 0);
        if (next.empty()) return false;
        const uint8_t sound = kBase[static_cast<uint8_t>(next[0])];
        if (conjunction == 'e') return sound == 'i';
        if (conjunction == 'u') return sound == 'o';
        return true;
    }

    // A vowel alone does not end one: a stray last vowel is a slip
    // (escribido), not a conjunction with nothing after it. A last y is the
    // conjunction (jugadory: jugador y): a slip would rather add a vowel.
    static bool Ends(const Piece& last) {
        return last.letters.size() > 1 || last.letters[0] == 'y' || last.letters[0] == 'Y';
    }

    static void Add(std::vector<Found>& found, int worst, std::initializer_list<const Piece*> pieces) {
        std::string letters, folded;
        int score = kSplit * static_cast<int>(pieces.size() - 1), fit = score;
        for (const Piece* piece : pieces) {
            if (!letters.empty()) letters += ' ';
            letters += piece->letters;
            score += piece->score;
            fit += piece->cost;
        }
        std::transform(letters.begin(), letters.end(), std::back_inserter(folded),
                       [](char c) { return static_cast<char>(c == ' ' ? ' ' : kBase[static_cast<uint8_t>(c)]); });
        // A set phrase in its own spelling (mas alla: más allá), accents put
        // right as in any piece.
        if (std::string phrase = SetPhrase(folded); !phrase.empty()) {
            for (size_t i = 0; i < phrase.size(); ++i)
                if (phrase[i] != letters[i]) score += kAccentLeftOut;
            letters = std::move(phrase);
            score -= kKnownPhrase;
        }
        if (score <= worst) found.push_back({std::move(letters), score, fit});
    }

    const Lexicon& lexicon_;
    size_t n_;
    std::vector<uint8_t> typed_;
    std::vector<Piece> pieces_;  // [begin][end]
};

// A regular form of an irregular verb (hacido, andé): the verb's own form
// costs less than one slip, since the writer spelt the pattern right; a
// regular verb in another conjugation's ending (visitieron) a little less
// than an unrelated letter.
void VerbForms(const Lexicon& lexicon, std::wstring_view word, std::vector<Found>& found) {
    std::string letters;
    for (const wchar_t c : word) {
        if (c > 0xFF || !IsLetter(c)) return;
        letters += static_cast<char>(kBase[c]);
    }
    for (const std::string& form : OwnVerbForms(letters))
        if (const int cls = lexicon.ClassOf(form); cls >= 0)
            found.push_back({form, Rarity(cls), 0});
    for (const std::string& form : OtherConjugations(letters))
        if (const int cls = lexicon.ClassOf(form); cls >= 0)
            found.push_back({form, kConjugation + Rarity(cls), kConjugation});
}

// The typed word's capitals carried over: all capitals, or a capital first.
// Words run together have the typed letters one for one, so each keeps its
// own (EstadosUnidos, Estados Unidos).
std::wstring Styled(const std::string& letters, std::wstring_view typed) {
    std::wstring result(letters.begin(), letters.end());
    for (wchar_t& c : result) c = static_cast<uint8_t>(c);
    if (letters.find(' ') != std::string::npos) {
        size_t at = 0;
        for (wchar_t& c : result)
            if (c != L' ' && at < typed.size() && IsCapital(typed[at++])) c = Upper(static_cast<uint8_t>(c));
        return result;
    }
    size_t capitals = 0, letterCount = 0;
    for (const wchar_t c : typed) {
        letterCount += IsLetter(c);
        capitals += IsCapital(c);
    }
    const bool first = !typed.empty() && IsCapital(typed[0]);
    if (letterCount > 1 && capitals == letterCount) {
        for (wchar_t& c : result) c = Upper(static_cast<uint8_t>(c));
    } else if (first && !result.empty()) {
        result[0] = Upper(static_cast<uint8_t>(result[0]));
    }
    return result;
}

// The best-scored first, each offered once: a name that is also a common
// word (Llave, llave) in the better-ranked spelling only. The words found
// are put in that order.
std::vector<std::wstring> Ranked(std::vector<Found>& found, std::wstring_view word, size_t limit) {
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.score != b.score ? a.score < b.score : a.letters < b.letters;
    });
    // A writer who typed in lower case meant a word before a name: a name,
    // however common, goes after every lowercase word that fits as well.
    auto isName = [](const Found& f) { return IsCapital(static_cast<uint8_t>(f.letters[0])); };
    const bool lower = NoCapitals(word);
    const size_t considered = std::min(found.size(), 4 * limit);  // the list can hold no later word
    for (size_t i = considered; lower && i-- > 0;) {
        if (!isName(found[i])) continue;
        size_t last = i;
        for (size_t k = i + 1; k < considered; ++k)
            if (!isName(found[k]) && found[k].fit <= found[i].fit) last = k;
        std::rotate(found.begin() + i, found.begin() + i + 1, found.begin() + last + 1);
    }
    auto folded = [](std::wstring text) {
        for (wchar_t& c : text) c = c > 0xFF ? c : Lower(static_cast<uint8_t>(c));
        return text;
    };
    std::vector<std::wstring> result, seen;
    for (const Found& f : found) {
        if (result.size() == limit) break;
        std::wstring styled = Styled(f.letters, word), key = folded(styled);
        if (styled == word || std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
        seen.push_back(std::move(key));
        result.push_back(std::move(styled));
    }
    return result;
}

}  // namespace

std::vector<std::wstring> Suggest(const Lexicon& lexicon, std::wstring_view word, size_t limit) {
    if (word.empty() || word.size() > kLongestWord) return {};
    Search search(lexicon, word);
    const Splits splits(lexicon, word);
    std::vector<std::wstring> result;
    std::vector<Found> found;
    for (const int bound : {kFirstBound, kSecondBound, kThirdBound}) {
        const bool third = bound == kThirdBound;
        if (third && (result.size() >= std::min(kFarFound, limit) || word.size() > kLongestFar)) break;
        std::vector<Found> walked = search.Walk(bound, third);
        if (third) {
            // Narrower than the second walk: it adds to what that one found.
            found.insert(found.end(), walked.begin(), walked.end());
        } else {
            found = std::move(walked);
            VerbForms(lexicon, word, found);
            splits.AddTo(found);
        }
        result = Ranked(found, word, limit);
        if (result.size() >= std::min(kEnoughFound, limit)) break;
    }
    return result;
}

}  // namespace vestrel::engine
