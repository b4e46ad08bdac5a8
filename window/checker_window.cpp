#include "checker_window.h"
#include "about/about_window.h"
#include "core/engine_adapter.h"
#include "core/errors.h"
#include "core/spelling.h"
#include "forms/message_box.h"

namespace vestrel {
CheckerWindow::CheckerWindow()
    : Form(L"Vestrel", 4845, 3945, 0xC0C0C0),
      Label1(*this, L"Escriba la palabra ", {240, 600, 2655, 375}),
      txtWord(*this, {240, 840, 2655, 375}, forms::kBoldFont, 24),
      cmdCheck(*this, L"&Verificar", {3120, 840, 1455, 375}),
      Label2(*this, L"Sugerencias", {240, 1320, 2655, 255}),
      cmdClose(*this, L"&Cerrar", {3120, 1320, 1455, 375}),
      lstSuggestions(*this, {240, 1560, 2655, 1200}, forms::kBoldFont),
      Label3(*this, L"", {240, 3100, 2565, 630}, forms::kBoldFont, forms::Alignment::Center, false),
      Timer1(*this, 10, true) {
    // The window works without its icon; a failure to set it is ignored.
    try {
        SetIconResource(1);
    } catch (...) {
    }
    // The captions lie on the window's background.
    for (forms::Label* label : {&Label1, &Label2, &Label3}) label->SetTransparent(true);
    SetTabOrder({&lstSuggestions, &cmdCheck, &txtWord, &cmdClose});
    SetDefaultButton(cmdCheck);

    cmdCheck.Click = [this] { CheckClicked(); };
    cmdClose.Click = [this] { CloseSpelling(); };
    Timer1.Tick = [this] { RefreshStatus(); };
    txtWord.KeyPress = [this](wchar_t& key) { RefuseSpace(key); };
    lstSuggestions.DblClick = [this] { txtWord.SetText(lstSuggestions.Text()); };
}

// The check runs through a Spelling object of its own, as a host's would.
void CheckerWindow::CheckClicked() {
    mSpelling = MakeObject<SpellingObject>();
    const HRESULT hr = mSpelling->Spelling();
    mSpelling.Reset();
    ThrowIfFailed(hr);
}

void CheckerWindow::RefreshStatus() {
    Label3.SetCaption(L"Se hallaron " + std::to_wstring(lstSuggestions.ListCount()) +
                      L" coincidencias para la palabra '" + txtWord.Text() + L"'");
}

// One word at a time: a typed space never reaches the box.
void CheckerWindow::RefuseSpace(wchar_t& key) {
    if (key != L' ') return;
    key = 0;
    forms::ShowMessage(L"Solo se puede verificar una palabra a la vez...", forms::MessageIcon::Information,
                      L"Vestrel...");
}

void CheckerWindow::CloseSpelling() {
    forms::FormEvent keep(*this);
    mLib = engine_adapter::Create();
    engine_adapter::Quit(mLib.Get());
    mLib.Reset();
    Unload();
    AboutInstance::Unload();
}

void CheckerWindow::OnUnload() { AboutInstance::Unload(); }

Variant CheckerWindow::RutaDic() {
    Microsoft::WRL::ComPtr<IDispatch> engine = engine_adapter::Create();
    dictionaryPaths_ = engine_adapter::DictionaryPaths(engine.Get());
    engine_adapter::Quit(engine.Get());

    SAFEARRAY* paths = SafeArrayCreateVector(VT_BSTR, 0, static_cast<ULONG>(dictionaryPaths_.size()));
    if (!paths) throw std::bad_alloc();
    Variant result;
    result.put()->vt = VT_ARRAY | VT_BSTR;
    (&result)->parray = paths;
    for (LONG i = 0; i < static_cast<LONG>(dictionaryPaths_.size()); ++i) {
        Bstr path(dictionaryPaths_[static_cast<size_t>(i)]);
        ThrowIfFailed(SafeArrayPutElement(paths, &i, path.get()));
    }
    return result;
}

}  // namespace vestrel
