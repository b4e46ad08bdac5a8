// Every Spanish word form the dictionary accepts, as the minimal automaton
// written at build time: one 32-bit edge a letter, letters as Latin-1 bytes,
// each word ending in an edge that carries its frequency class. Loading is
// one read of the file; a check is a walk of the word's letters.
#pragma once
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>
#include "engine/lexicon_format.h"

namespace vestrel::engine {

class Lexicon {
public:
    // Classes run 0 (a regional form never seen), 1 (any other form never
    // seen), 2 (never seen, but its entry is seen often or has few forms)
    // .. kMostFrequent, kClassesPerDoubling of them a doubling of how often
    // the form is seen.
    static constexpr int kMostFrequent = lexicon_format::kMostFrequent;
    static constexpr int kClassesPerDoubling = lexicon_format::kClassesPerDoubling;

    // The largest file a lexicon can be: its header and every edge a target
    // can name.
    static constexpr size_t kLargestFile = 16 + (size_t{1} << lexicon_format::kTargetBits) * 4;
    // What the bytes of a file that is not a whole lexicon throw.
    class Damaged : public std::exception {};

    // Takes a lexicon file's bytes (which it copies); throws Damaged unless
    // every walk of them stays inside them.
    explicit Lexicon(std::string_view bytes);

    // Word: a form the dictionary accepts. NotWord: letters only, and no form
    // fits them in any capitalisation the dictionary allows. Unsure: digits,
    // punctuation or letters beyond Latin-1, which the lexicon does not hold.
    enum class Verdict { Word, NotWord, Unsure };
    Verdict Check(std::wstring_view word) const;

    // Edges are walked by the suggestion search as well.
    using Node = uint32_t;  // index of a node's first edge; 0 has none
    static constexpr Node kNone = 0;
    Node Root() const noexcept { return root_; }
    // The frequency class of the word that ends at node, or -1.
    int WordClass(Node node) const noexcept;
    // Calls visit(letter, next) for each letter leaving node.
    template <typename Visit>
    void ForEachLetter(Node node, Visit&& visit) const {
        if (node == kNone) return;
        for (uint32_t i = node;; ++i) {
            const uint32_t edge = edges_[i];
            if ((edge & lexicon_format::kLabelMask) >= lexicon_format::kFirstLetter)
                visit(static_cast<uint8_t>(edge), edge >> lexicon_format::kTargetShift);
            if (edge & lexicon_format::kLastEdge) break;
        }
    }
    // The class of an exact Latin-1 form, or -1 when it is no word.
    int ClassOf(std::string_view letters) const noexcept;

private:
    static constexpr int kUnsure = -2;
    // The node after letter from node, or kNone.
    Node Step(Node node, uint8_t letter) const noexcept;
    // The class of the form that word stands for, -1, or kUnsure.
    int Find(std::wstring_view word) const;
    std::vector<uint32_t> edges_;
    Node root_ = kNone;
};

// Latin-1 case mapping, for the letters the lexicon holds.
uint8_t Lower(uint8_t c) noexcept;
uint8_t Upper(uint8_t c) noexcept;
bool IsLetter(wchar_t c) noexcept;

}  // namespace vestrel::engine
