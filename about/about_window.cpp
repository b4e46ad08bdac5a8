#include "about_window.h"
#include "forms/app.h"
#include "forms/twips.h"

namespace vestrel {
AboutWindow::AboutWindow()
    : Form(L"Vestrel", 4935, 3975, 0xC0C0C0),
      lblVersion(*this, L"Versión", {930, 720, 1965, 225}, forms::kBoldFont),
      lblDescription(*this, L"DLL ActiveX...    ", {930, 1020, 2085, 210}, forms::kBoldFont),
      cmdOK(*this, L"&Aceptar", {3300, 3550, 1140, 285}, forms::kBoldFont) {
    SetCaption(L" Acerca del " + forms::app::Title() + L" ");
    lblVersion.SetCaption(L"Versión " + std::to_wstring(forms::app::Major()) + L"." +
                          std::to_wstring(forms::app::Minor()) + L"." + std::to_wstring(forms::app::Revision()));
    lblVersion.SetForeColor(0xFF0000);
    lblVersion.SetTransparent(true);
    lblDescription.SetTransparent(true);
    SetDefaultButton(cmdOK);
    SetTabOrder({&cmdOK});
    cmdOK.Click = [this] { Unload(); };
}

// Centred on the screen each time it becomes active.
void AboutWindow::Centre() {
    const float screenWidth = forms::ToTwipsX(GetSystemMetrics(SM_CXSCREEN));
    const float screenHeight = forms::ToTwipsY(GetSystemMetrics(SM_CYSCREEN));
    SetTop(screenHeight / 2 - Height() / 2);
    SetLeft(screenWidth / 2 - Width() / 2);
}

LRESULT AboutWindow::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) Centre();
    // Esc closes the window, as its OK button is also the cancel button.
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        Unload();
        return 0;
    }
    return Form::Message(message, wParam, lParam);
}

}  // namespace vestrel
