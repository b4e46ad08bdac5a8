#include "suggester.h"
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include "lexicon.h"

namespace vestrel::engine {
namespace {

constexpr size_t kLongestWord = 40;
constexpr int kEdit = 100;          // an unrelated letter replaced, added or dropped
constexpr int kFirstBound = kEdit;  // one slip; most misspellings are found here
constexpr int kSecondBound = 2 * kEdit;
constexpr size_t kEnoughFound = 5;  // fewer after the first walk: walk again, wider
constexpr int kRarity = 6;          // cost of each frequency class below the commonest
constexpr int kCheapest = 40;       // the cheapest letter added, bounding a candidate's length
constexpr int kTransposed = 70;     // two neighbouring letters swapped
constexpr int kSplit = 120;         // a space left out

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

// The cost of typing one letter for another, [meant][typed]; typed 0
// stands for any character the lexicon cannot hold.
const std::array<Table, 256> kReplace = [] {
    std::array<Table, 256> t{};
    for (int m = 0; m < 256; ++m)
        for (int a = 0; a < 256; ++a) {
            const uint8_t ba = kBase[a], bm = kBase[m];
            int cost = kEdit;
            if (a == m) cost = 0;
            else if (Lower(static_cast<uint8_t>(a)) == Lower(static_cast<uint8_t>(m))) cost = 5;
            else if (ba != 0 && ba == bm) cost = 25;
            else {
                for (const Confusion& c : kConfusions)
                    if ((c.a == ba && c.b == bm) || (c.a == bm && c.b == ba)) cost = c.cost;
                if (cost == kEdit && Neighbours(ba, bm)) cost = 80;
            }
            t[m][a] = static_cast<uint8_t>(a == 0 ? kEdit : cost);
        }
    return t;
}();

// A letter written where the word has none, or left out where it has one:
// cheap for a silent h and for the letters Spanish doubles (cc, ll, nn, rr),
// less dear for any other doubled key.
int Extra(uint8_t base, uint8_t previousBase) {
    if (base == 'h') return 40;
    if (base != 0 && base == previousBase) return std::strchr("clnr", base) ? 45 : 70;
    return kEdit;
}

// One letter written for two, or two for one (typed, meant).
struct Spelling {
    const char* typed;
    const char* meant;
    int cost;
};
constexpr Spelling kSpellings[] = {
    {"y", "ll", 40}, {"ll", "y", 40}, {"k", "qu", 50}, {"qu", "k", 50}, {"x", "cc", 50}, {"cc", "x", 50},
    {"s", "sc", 50}, {"sc", "s", 50}, {"g", "gu", 50}, {"gu", "g", 50},
};
constexpr size_t kSpellingCount = sizeof kSpellings / sizeof kSpellings[0];

// Which spellings' letters (typed or meant side) end at position end of
// bases: bit s for kSpellings[s].
template <typename Side>
uint32_t EndingAt(const uint8_t* bases, size_t end, Side side) {
    uint32_t mask = 0;
    for (size_t s = 0; s < kSpellingCount; ++s) {
        const char* letters = side(kSpellings[s]);
        const size_t length = std::strlen(letters);
        if (end < length) continue;
        if (std::memcmp(bases + end - length, letters, length) == 0) mask |= 1u << s;
    }
    return mask;
}

struct Found {
    std::string letters;
    int score;
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
        // Index i describes the typed word's i-th letter, counting from 1.
        for (size_t i = 1; i <= n; ++i) {
            typed_[i] = word[i - 1] > 0xFF ? 0 : static_cast<uint8_t>(word[i - 1]);
            typedBase_[i] = kBase[typed_[i]];
            drop_[i] = Extra(typedBase_[i], typedBase_[i - 1]);
            typedSpellings_[i] = EndingAt(typedBase_.data() + 1, i, [](const Spelling& s) { return s.typed; });
        }
    }

    // Every word within bound of the typed one, with its ranking score.
    std::vector<Found> Walk(int bound) {
        bound_ = bound;
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

    void Visit(Lexicon::Node node, size_t depth) {
        if (depth > 0) {
            const int cls = lexicon_.WordClass(node);
            const int cost = Row(depth)[width_ - 1];
            if (cls >= 0 && cost <= bound_)
                found_.push_back({letters_.substr(0, depth), cost + kRarity * (Lexicon::kMostFrequent - cls)});
        }
        if (depth == depth_) return;
        lexicon_.ForEachLetter(node, [&](uint8_t letter, Lexicon::Node next) {
            letters_[depth] = static_cast<char>(letter);
            meantBase_[depth + 1] = kBase[letter];
            if (Fill(depth + 1) <= bound_) Visit(next, depth + 1);
        });
    }

    // Fills the row for the candidate's first j letters; returns its least cost.
    int Fill(size_t j) {
        const Table& replace = kReplace[static_cast<uint8_t>(letters_[j - 1])];
        const int added = Extra(meantBase_[j], meantBase_[j - 1]);
        const uint32_t meantSpellings = EndingAt(meantBase_.data() + 1, j, [](const Spelling& s) { return s.meant; });
        int* row = Row(j);
        const int* up = Row(j - 1);
        const int* up2 = j >= 2 ? Row(j - 2) : nullptr;
        const uint8_t meant = meantBase_[j], meantBefore = meantBase_[j - 1];
        row[0] = up[0] + added;
        int least = row[0];
        for (size_t i = 1; i < width_; ++i) {
            int cost = std::min({up[i - 1] + replace[typed_[i]], up[i] + added, row[i - 1] + drop_[i]});
            const uint8_t typed = typedBase_[i], typedBefore = typedBase_[i - 1];
            if (up2 && i >= 2 && typed && typed == meantBefore && typedBefore == meant && typed != typedBefore)
                cost = std::min(cost, up2[i - 2] + kTransposed);
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
    std::vector<int> rows_;
    std::string letters_;
    std::vector<Found> found_;
    size_t depth_ = 0, width_ = 0;
    int bound_ = 0;
};

// Two words run together: both halves words, neither a stray letter. Costs
// a little more than one slip, and more the rarer the rarer half is.
void Splits(const Lexicon& lexicon, std::wstring_view word, std::vector<Found>& found) {
    auto classOf = [&](std::wstring_view part) {
        if (part.size() == 1 && !std::wcschr(L"aeouyAEOUY", part[0])) return -1;
        return lexicon.ClassOfWord(part);
    };
    for (size_t k = 1; k < word.size(); ++k) {
        const int left = classOf(word.substr(0, k));
        const int right = left < 0 ? -1 : classOf(word.substr(k));
        if (right < 0) continue;
        std::string letters(word.begin(), word.end());
        letters.insert(k, 1, ' ');
        found.push_back({letters, kSplit + kRarity * (Lexicon::kMostFrequent - std::min(left, right))});
    }
}

// The typed word's capitals carried over: all capitals, or a capital first.
std::wstring Styled(const std::string& letters, std::wstring_view typed) {
    std::wstring result(letters.begin(), letters.end());
    for (wchar_t& c : result) c = static_cast<uint8_t>(c);
    auto isCapital = [](wchar_t c) { return IsLetter(c) && Lower(static_cast<uint8_t>(c)) != c; };
    size_t capitals = 0, letterCount = 0;
    for (const wchar_t c : typed) {
        letterCount += IsLetter(c);
        capitals += isCapital(c);
    }
    const bool first = !typed.empty() && isCapital(typed[0]);
    if (letterCount > 1 && capitals == letterCount) {
        for (wchar_t& c : result) c = Upper(static_cast<uint8_t>(c));
    } else if (first && !result.empty()) {
        result[0] = Upper(static_cast<uint8_t>(result[0]));
    }
    return result;
}

// The best-scored first, each offered once: a name that is also a common
// word (Llave, llave) in the better-ranked spelling only.
std::vector<std::wstring> Ranked(std::vector<Found> found, std::wstring_view word, size_t limit) {
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.score != b.score ? a.score < b.score : a.letters < b.letters;
    });
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
    std::vector<std::wstring> result;
    for (const int bound : {kFirstBound, kSecondBound}) {
        std::vector<Found> found = search.Walk(bound);
        Splits(lexicon, word, found);
        result = Ranked(std::move(found), word, limit);
        if (result.size() >= std::min(kEnoughFound, limit)) break;
    }
    return result;
}

}  // namespace vestrel::engine
