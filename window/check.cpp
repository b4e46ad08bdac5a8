#include "window/check.h"
#include "engine/engine_adapter.h"
#include "forms/app.h"
#include "forms/message_box.h"
#include "window/checker_window.h"

namespace vestrel::check {
namespace {

CheckerWindow& Checker() { return CheckerInstance::Get(); }

// Opens a document when the engine has none, clears the suggestion list
// and asks whether word is correct. For a misspelt word the suggestions go
// to the list in the engine's order, or "(Sin sugerencias)" when it has
// none.
bool Verdict(IDispatch* engine, const std::wstring& word) {
    if (engine_adapter::DocumentCount(engine) == 0) engine_adapter::AddDocument(engine);
    // The list is emptied and refilled in one layout: its scroll bar is
    // shown or hidden once, not at each entry.
    forms::ListBox::HeldDrawing held(Checker().lstSuggestions.Handle());
    Checker().lstSuggestions.Clear();
    if (engine_adapter::CheckSpelling(engine, word)) return true;
    const std::vector<std::wstring> suggestions = engine_adapter::Suggestions(engine, word);
    if (suggestions.empty()) Checker().lstSuggestions.AddItem(L"(Sin sugerencias)");
    for (const std::wstring& suggestion : suggestions) Checker().lstSuggestions.AddItem(suggestion);
    return false;
}

// The word box's text without its leading and trailing spaces.
std::wstring Word() { return Trimmed(Checker().txtWord.Text()); }

}  // namespace

// The window is reached anew at every step: the engine and a message box
// let events run, the user may close the window meanwhile, and any access
// after a close loads a fresh window, as any access would.
Microsoft::WRL::ComPtr<IDispatch> Run(Microsoft::WRL::ComPtr<IDispatch>& holder, Origin origin) {
    holder = engine_adapter::Create();
    const std::wstring word = Word();
    if (word.empty()) {
        forms::ShowMessage(L"Por favor escriba una palabra en el cuadro de texto", forms::MessageIcon::Warning);
        if (origin == Origin::Menu || Checker().Visible()) Checker().txtWord.SetFocus();
        return nullptr;
    }
    // The engine is called through a reference of the call's own, so that a
    // host replacing the holder meanwhile cannot free it under the call.
    Microsoft::WRL::ComPtr<IDispatch> engine = holder;
    if (Verdict(engine.Get(), word)) {
        if (origin == Origin::Menu) Checker().lstSuggestions.AddItem(L"(Correcto)");
        else
            forms::ShowMessage(L"Se ha terminado la revisión ortográfica. No se han encontrado errores...",
                               forms::MessageIcon::Information, L" " + forms::app::ExeName());
    }
    Checker().Label3.SetVisible(true);
    return engine;
}

}  // namespace vestrel::check
