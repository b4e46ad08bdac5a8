#include "popup_menu.h"
#include "about/about_window.h"
#include "checker_window.h"
#include "core/check.h"
#include "core/engine_adapter.h"
#include "forms/message_box.h"

namespace vestrel {

PopupMenuForm::PopupMenuForm()
    : Form(L"PopupMenu", 1500, 600, 0xC0C0C0),
      mnuVerificar(*this, L"&Verificar Ortografía"),
      mnuRayaUno(*this, L"-"),
      mnuHelp(*this, L"Ay&uda"),
      mnuRayaDos(*this, L"-"),
      mnuMinimizar(*this, L"&Minimizar ventana"),
      mnuClose(*this, L"&Cerrar el corrector"),
      mnuPopupMenu(*this, L"PopupMenu",
                   {&mnuVerificar, &mnuRayaUno, &mnuHelp, &mnuRayaDos, &mnuMinimizar, &mnuClose}) {
    SetIconResource(1);
    mnuVerificar.Click = [this] { Check(); };
    mnuHelp.Click = [this] { Help(); };
    mnuMinimizar.Click = [this] { Minimise(); };
    mnuClose.Click = [this] { Close(); };
}

// The check of the check button without the about window: a correct word
// is listed as "(Correcto)" instead of being told in a message box.
void PopupMenuForm::Check() {
    forms::FormEvent keep(*this);
    mLib = engine_adapter::Create();
    const std::wstring word = check::Word();
    if (word.empty()) {
        forms::ShowMessage(L"Por favor escriba una palabra en el cuadro de texto", forms::MessageIcon::Warning);
        CheckerInstance::Get().txtWord.SetFocus();
        return;
    }
    Microsoft::WRL::ComPtr<IDispatch> engine = mLib;
    if (check::Run(engine.Get(), word)) CheckerInstance::Get().lstSuggestions.AddItem(L"(Correcto)");
    CheckerInstance::Get().Label3.SetVisible(true);
    engine_adapter::Quit(engine.Get());
}

void PopupMenuForm::Help() {
    CheckerWindow& checker = CheckerInstance::Get();
    checker.AskForHelp(checker.BtnHelp.Tag());
}

void PopupMenuForm::Minimise() { CheckerInstance::Get().SetWindowState(forms::WindowState::Minimized); }

void PopupMenuForm::Close() {
    forms::FormEvent keep(*this);
    engine_adapter::CreateAndQuit(mLib);
    CheckerInstance::Unload();
    AboutInstance::Unload();
    Unload();
}

}  // namespace vestrel
