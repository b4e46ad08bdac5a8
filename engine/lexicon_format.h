// The lexicon file's layout: the engine reads it by these numbers and
// make_lexicon.py, which writes it, takes them from this file. Each line
// that defines a number starts "constexpr TYPE kName = VALUE;".
//
// The file: the magic, then three 32-bit little-endian numbers (the edge
// count, the root node, the count of words), then the edges. An edge is a
// 32-bit number: its label in the low byte (a Latin-1 letter, or below
// kFirstLetter the end of a word, labelled 1 + its frequency class; the
// forms the engine holds are made of letters only, all from 'A' up), the
// kLastEdge bit on the last edge leaving a node, and the node it leads to
// (the index of that node's first edge, 0 for none) from kTargetShift up.
#pragma once
#include <cstdint>

namespace vestrel::engine::lexicon_format {

constexpr char kMagic[] = "VLX2";
constexpr uint32_t kLabelMask = 0xFF;
constexpr uint32_t kLastEdge = 0x100;
constexpr uint32_t kTargetShift = 9;
constexpr uint32_t kTargetBits = 23;
constexpr uint32_t kFirstLetter = 0x41;
constexpr uint32_t kRoot = 1;
// Frequency classes run 0 .. kMostFrequent, kClassesPerDoubling of them for
// each doubling of how often a form is seen.
constexpr uint32_t kMostFrequent = 44;
constexpr uint32_t kClassesPerDoubling = 2;

}  // namespace vestrel::engine::lexicon_format
