#include "engine/slip_costs.h"
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include "engine/lexicon.h"

namespace vestrel::engine::suggestion {
namespace {

// Letters Spanish writers put for one another, by sound or by habit. b and
// p, d and t, c and g are said alike where they close a syllable (obtó for
// optó, hábitad for hábitat); SoundsAlike holds them to that place. ñ
// written n is the commonest of all, on keyboards and phones without it.
struct Confusion {
    uint8_t a, b;
    int cost;
};
constexpr Confusion kConfusions[] = {
    {0xF1, 'n', 20}, {'b', 'v', 40}, {'g', 'j', 50}, {'s', 'z', 50}, {'c', 'z', 50}, {'c', 's', 60},
    {'y', 'i', 60},  {'c', 'k', 50}, {'q', 'k', 60}, {'x', 's', 60}, {'m', 'n', 70}, {'b', 'p', 50},
    {'d', 't', 50},  {'c', 'g', 50},
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

// A letter of a pair left out or doubled: cheap for the letters Spanish
// doubles (cc, nn, rr), less dear for any other key (ll is a letter of its
// own, not l doubled).
int Doubled(uint8_t base) { return std::strchr("cnr", base) ? kDoubledSpanish : kDoubled; }

}  // namespace

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

int Rarity(int cls) {
    return kRarity * (Lexicon::kMostFrequent - cls) / Lexicon::kClassesPerDoubling + (cls <= 1 ? kUnlikely : 0);
}

bool IsCapital(wchar_t c) { return IsLetter(c) && Lower(static_cast<uint8_t>(c)) != c; }
bool NoCapitals(std::wstring_view word) { return std::none_of(word.begin(), word.end(), IsCapital); }

bool HasAccent(uint8_t c) { return kBase[c] != Lower(c); }

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
                // A z typed for a c costs less than the other way round:
                // Spanish writes no z before e or i, where alone they sound alike.
                if (bm == 'c' && ba == 'z') cost = kZForC;
                if (cost == kEdit && Neighbours(ba, bm)) cost = kNeighbourKey;
                if (IsVowel(ba) && IsVowel(bm)) cost = std::min(cost, kVowel);
            }
            t[m][a] = static_cast<uint8_t>(a == 0 ? kEdit : cost);
        }
    return t;
}();

int LeftOut(uint8_t base, uint8_t previousBase) {
    return base != 0 && base == previousBase ? Doubled(base) : kLeftOut;
}

int Added(uint8_t base, uint8_t previousBase, uint8_t nextBase) {
    if (base == 'h' && previousBase != 'c' && IsVowel(nextBase)) return kSilentH;
    if (base != 0 && base == previousBase) return Doubled(base);
    if (base != 0 && (Neighbours(base, previousBase) || Neighbours(base, nextBase))) return kAddedBeside;
    return kEdit;
}

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

}  // namespace vestrel::engine::suggestion
