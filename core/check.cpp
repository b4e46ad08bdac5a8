#include "check.h"
#include "engine_adapter.h"
#include "window/checker_window.h"

namespace vestrel::check {

std::wstring Word() {
    const std::wstring text = CheckerInstance::Get().txtWord.Text();
    const size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

// The window is reached anew at every step: the engine may let events run,
// and any access after a close loads a fresh window, as any access would.
bool Run(IDispatch* engine, const std::wstring& word) {
    if (engine_adapter::DocumentCount(engine) == 0) engine_adapter::AddDocument(engine);
    // The list is emptied and refilled in one layout: its scroll bar is
    // shown or hidden once, not at each entry.
    forms::ListBox::HeldDrawing held(CheckerInstance::Get().lstSuggestions.Handle());
    CheckerInstance::Get().lstSuggestions.Clear();
    if (engine_adapter::CheckSpelling(engine, word)) return true;
    const std::vector<std::wstring> suggestions = engine_adapter::Suggestions(engine, word);
    if (suggestions.empty()) CheckerInstance::Get().lstSuggestions.AddItem(L"(Sin sugerencias)");
    for (const std::wstring& suggestion : suggestions) CheckerInstance::Get().lstSuggestions.AddItem(suggestion);
    return false;
}

}  // namespace vestrel::check
