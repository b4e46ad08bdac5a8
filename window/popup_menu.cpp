#include "window/popup_menu.h"
#include "engine/engine_adapter.h"
#include "resources/resource.h"
#include "window/check.h"
#include "window/checker_window.h"

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
    SetIconResource(IDI_VESTREL);
    mnuVerificar.Click = [this] { Check(); };
    mnuHelp.Click = [this] { Help(); };
    mnuMinimizar.Click = [this] { Minimise(); };
    mnuClose.Click = [this] { Close(); };
}

// The check of the check button without the about window: a correct word
// is listed instead of being told in a message box.
void PopupMenuForm::Check() {
    forms::FormEvent keep(*this);
    if (Microsoft::WRL::ComPtr<IDispatch> engine = check::Run(mLib, check::Origin::Menu))
        engine_adapter::Quit(engine.Get());
}

void PopupMenuForm::Help() {
    CheckerWindow& checker = CheckerInstance::Get();
    checker.AskForHelp(checker.BtnHelp.Tag());
}

void PopupMenuForm::Minimise() { CheckerInstance::Get().SetWindowState(forms::WindowState::Minimized); }

void PopupMenuForm::Close() {
    forms::FormEvent keep(*this);
    CheckerWindow::Close(mLib, CheckerWindow::Closing::Everything);
}

}  // namespace vestrel
