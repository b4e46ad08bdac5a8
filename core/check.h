// The steps that every check of the word box shares, whoever starts it:
// the word, the engine's document, the list and the engine's verdict.
#pragma once
#include <oaidl.h>
#include <string>

namespace vestrel::check {

// The word box's text without its leading and trailing spaces.
std::wstring Word();

// Opens a document when the engine has none, clears the suggestion list
// and asks whether word is correct. For a misspelt word the suggestions go
// to the list in the engine's order, or "(Sin sugerencias)" when it has
// none. Returns whether the word is correct.
bool Run(IDispatch* engine, const std::wstring& word);

}  // namespace vestrel::check
