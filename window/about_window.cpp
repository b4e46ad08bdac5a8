#include "window/about_window.h"
#include <olectl.h>
#include <cmath>
#include "com/errors.h"
#include "forms/app.h"
#include "forms/events.h"
#include "forms/shell.h"
#include "resources/resource.h"
#include "window/chrome.h"

namespace vestrel {
namespace {

constexpr OLE_COLOR kBlue = 0xFF0000, kGreen = 0x008000, kLightGrey = 0xC0C0C0;
constexpr wchar_t kAddress[] = L"soporte@vestrel.example";
constexpr wchar_t kNotice[] =
    L"Este programa está protegido por las\r\n"
    L"leyes de derechos de autor. Su copia o\r\n"
    L"reparto sin permiso está prohibido.\r\n"
    L"Vestrel se entrega tal cual, sin\r\n"
    L"garantías de ningún tipo.\r\n";

const forms::Font kBold{.bold = true};

// A twips value as a 16-bit integer: nearest, halves to even.
short ToShort(float twips) {
    const float rounded = std::nearbyint(twips);
    if (!(rounded >= -32768.0f && rounded <= 32767.0f))
        throw ComError(kOverflow, L"Desbordamiento: la medida no cabe en la barra de desplazamiento.");
    return static_cast<short>(rounded);
}

}  // namespace

AboutWindow::AboutWindow()
    : Form(L"Vestrel", 4935, 3975, kLightGrey),
      Label4(*this, L"", {1800, 150, 2805, 255}, {.size = 9.75f, .bold = true}),
      lblVersion(*this, L"Versión", {930, 720, 1965, 225}, kBold),
      lblDescription(*this, L"DLL ActiveX...    ", {930, 1020, 2085, 210}, kBold),
      Image1(*this, {3960, 620, 600, 600}, true),
      Label1(*this, L"Creado por: el equipo de Vestrel", {930, 1275, 3105, 375}, kBold),
      Label2(*this, L"e-mail:", {960, 1680, 495, 255}, {.underline = true}),
      Mail(*this, kAddress, {1680, 1680, 2295, 255}, kBold),
      Label3(*this, L"Advertencia:", {960, 2160, 3375, 225}, {.bold = true, .underline = true},
             forms::Alignment::Center),
      Picture1(*this, {840, 2520, 3735, 869}, kLightGrey),
      Text1(*this, {0, 0, 3615, 1100}, {}, 0, {.multiLine = true, .tabStop = false, .visible = false, .container = &Picture1}),
      cmdOK(*this, L"&Aceptar", {3300, 3550, 1140, 285}, kBold),
      VScroll1(*this, {4440, 1200, 255, 855}, false),
      Timer1(*this, 100, true),
      Timer2(*this, 300, true) {
    SetPicture(forms::Picture::FromResource(IDB_ABOUT_BACKGROUND));
    Image1.SetPicture(forms::Picture::FromResource(IDB_ABOUT_IMAGE));
    Label4.SetBackColor(0x808080);
    Label4.SetForeColor(kBlue);
    Label4.SetCursor(IDC_SIZEALL);
    lblVersion.SetForeColor(kBlue);
    Mail.SetForeColor(kGreen);
    Mail.SetCursor(IDC_HAND);
    Mail.SetToolTipText(std::wstring(L" Enviar correo electrónico a: ") + kAddress + L" ");
    Label2.SetWordWrap(false);
    for (forms::Label* label : {&lblVersion, &lblDescription, &Label1, &Label2, &Mail, &Label3})
        label->SetTransparent(true);
    Text1.SetText(kNotice);
    Text1.SetForeColor(kBlue);
    Text1.SetBackColor(kLightGrey);
    Text1.SetLocked(true);
    cmdOK.SetCursor(IDC_HAND);
    cmdOK.SetToolTipText(L" Cerrar la ventana ");
    SetDefaultButton(cmdOK);
    SetTabOrder({&cmdOK});

    // Load.
    chrome::ApplyOutline(*this);
    SetCaption(L" Acerca del " + forms::app::Title());
    lblVersion.SetCaption(L"Versión " + std::to_wstring(forms::app::Major()) + L"." +
                          std::to_wstring(forms::app::Minor()) + L"." + std::to_wstring(forms::app::Revision()));
    marquee_ = std::wstring(10, L' ') + forms::app::Title();
    Timer2.SetInterval(60);
    VScroll1.SetMax(ToShort(Picture1.Height()));
    VScroll1.SetMin(ToShort(-Text1.Height()));
    VScroll1.SetValue(VScroll1.Max());

    cmdOK.Click = [this] { Unload(); };
    Label4.MouseDown = [this](const forms::MouseEvent&) { Mover(); };
    Mail.Click = [this] { forms::shell::OpenMail(Mail.Caption()); };
    Timer1.Tick = [this] { RotateMarquee(); };
    Timer2.Tick = [this] { ScrollNotice(); };
}

void AboutWindow::Mover() { chrome::Mover(*this); }

void AboutWindow::OnDensityChanged() { chrome::ApplyOutline(*this); }

// Centred on the screen each time it becomes active.
void AboutWindow::Centre() {
    const float screenWidth = GetDensity().TwipsX(GetSystemMetrics(SM_CXSCREEN));
    const float screenHeight = GetDensity().TwipsY(GetSystemMetrics(SM_CYSCREEN));
    SetTop(screenHeight / 2 - Height() / 2);
    SetLeft(screenWidth / 2 - Width() / 2);
}

void AboutWindow::RotateMarquee() {
    if (!marquee_.empty()) marquee_ = marquee_.substr(1) + marquee_[0];
    Label4.SetCaption(marquee_);
}

// The notice climbs 20 twips a tick and starts again below the box once it
// has left it. Pending events run on the way, which may unload this window:
// nothing is touched after that.
void AboutWindow::ScrollNotice() {
    const short value = VScroll1.Value();
    if (value < VScroll1.Min() + 20) {
        VScroll1.SetValue(VScroll1.Max());
        forms::DoEvents();
        if (!Loaded()) return;
    } else {
        VScroll1.SetValue(static_cast<short>(value - 20));
    }
    Text1.SetTop(VScroll1.Value());
    Text1.SetVisible(true);
    forms::DoEvents();
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
