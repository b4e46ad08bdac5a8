#include "engine/ranking.h"
#include <algorithm>
#include "engine/lexicon.h"
#include "engine/slip_costs.h"

namespace vestrel::engine::suggestion {
namespace {

// Words run together have the typed letters one for one, so each keeps its
// own (EstadosUnidos, Estados Unidos).
std::wstring WithTypedCapitals(const std::string& letters, std::wstring_view typed) {
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

}  // namespace

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
        std::wstring styled = WithTypedCapitals(f.letters, word), key = folded(styled);
        if (styled == word || std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
        seen.push_back(std::move(key));
        result.push_back(std::move(styled));
    }
    return result;
}

}  // namespace vestrel::engine::suggestion
