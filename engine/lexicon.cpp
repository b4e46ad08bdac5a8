#include "engine/lexicon.h"
#include <algorithm>
#include <cstring>

namespace vestrel::engine {
namespace {

using namespace lexicon_format;
constexpr size_t kMagicSize = sizeof kMagic - 1;
constexpr size_t kLongestForm = 100;  // Hunspell's own bound; longer is no word

struct Header {
    char magic[kMagicSize];
    uint32_t edges, root, words;  // words: for tools; the engine needs no count
};

bool IsUpper(uint8_t c) noexcept { return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7); }

}  // namespace

uint8_t Lower(uint8_t c) noexcept { return IsUpper(c) ? static_cast<uint8_t>(c + 0x20) : c; }

uint8_t Upper(uint8_t c) noexcept {
    const bool lower = (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
    return lower ? static_cast<uint8_t>(c - 0x20) : c;
}

bool IsLetter(wchar_t c) noexcept {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
}

Lexicon::Lexicon(std::string_view bytes) {
    Header header{};
    if (bytes.size() < sizeof header) throw Damaged();
    std::memcpy(&header, bytes.data(), sizeof header);
    if (std::memcmp(header.magic, kMagic, kMagicSize) != 0 || header.edges < 2 ||
        header.edges >= (1u << kTargetBits) || header.root == 0 || header.root >= header.edges ||
        bytes.size() - sizeof header < size_t{header.edges} * sizeof(uint32_t))
        throw Damaged();
    edges_.resize(header.edges);
    std::memcpy(edges_.data(), bytes.data() + sizeof header, edges_.size() * sizeof(uint32_t));
    // Every target must be a node inside the file and the last edge must
    // close its node, so that no walk can leave the array.
    if (!(edges_.back() & kLastEdge)) throw Damaged();
    for (size_t i = 1; i < edges_.size(); ++i)
        if ((edges_[i] >> kTargetShift) >= header.edges) throw Damaged();
    root_ = header.root;
    // A lexicon that does not know the commonest Spanish word is not one.
    if (ClassOf("de") < 0) throw Damaged();
}

Lexicon::Node Lexicon::Step(Node node, uint8_t letter) const noexcept {
    if (node == kNone) return kNone;
    for (uint32_t i = node;; ++i) {
        const uint32_t edge = edges_[i];
        if ((edge & kLabelMask) == letter) return edge >> kTargetShift;
        if (edge & kLastEdge) return kNone;
    }
}

int Lexicon::WordClass(Node node) const noexcept {
    if (node == kNone) return -1;
    for (uint32_t i = node;; ++i) {
        const uint32_t edge = edges_[i];
        const uint32_t label = edge & kLabelMask;
        if (label < kFirstLetter && label != 0) return static_cast<int>(label) - 1;
        if (edge & kLastEdge) return -1;
    }
}

int Lexicon::ClassOf(std::string_view letters) const noexcept {
    Node node = root_;
    for (const char c : letters) {
        node = Step(node, static_cast<uint8_t>(c));
        if (node == kNone) return -1;
    }
    return WordClass(node);
}

// Hunspell's capitalisation rules: a lower-case form also accepts the word
// capitalised or all in capitals; a capitalised one also all in capitals;
// any other mix only as written.
int Lexicon::Find(std::wstring_view word) const {
    if (word.empty()) return kUnsure;
    if (word.size() > kLongestForm) return -1;
    std::string letters(word.size(), '\0');
    size_t capitals = 0;
    for (size_t i = 0; i < word.size(); ++i) {
        if (!IsLetter(word[i])) return kUnsure;
        letters[i] = static_cast<char>(word[i]);
        capitals += IsUpper(static_cast<uint8_t>(word[i]));
    }
    if (const int cls = ClassOf(letters); cls >= 0) return cls;
    const bool first = IsUpper(static_cast<uint8_t>(letters[0]));
    const bool initial = capitals == 1 && first, all = capitals == letters.size() && !initial;
    if (!initial && !all) return -1;
    std::string lower = letters;
    for (char& c : lower) c = static_cast<char>(Lower(static_cast<uint8_t>(c)));
    if (all) {
        std::string capitalised = lower;
        capitalised[0] = static_cast<char>(Upper(static_cast<uint8_t>(lower[0])));
        if (const int cls = ClassOf(capitalised); cls >= 0) return cls;
    }
    return ClassOf(lower);
}

Lexicon::Verdict Lexicon::Check(std::wstring_view word) const {
    const int found = Find(word);
    return found == kUnsure ? Verdict::Unsure : found >= 0 ? Verdict::Word : Verdict::NotWord;
}

}  // namespace vestrel::engine
