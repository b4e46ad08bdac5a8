#include "window/checker_window.h"
#include <oleacc.h>
#include "com/errors.h"
#include "com/late_bound.h"
#include "engine/engine_adapter.h"
#include "forms/help.h"
#include "forms/message_box.h"
#include "resources/resource.h"
#include "window/about_window.h"
#include "window/check.h"
#include "window/chrome.h"
#include "window/common_dialog.h"
#include "window/popup_menu.h"

namespace vestrel {
namespace {

constexpr OLE_COLOR kBandGrey = 0x808080;
void ShowPicture(forms::Image& image, int bitmap) { image.SetPicture(forms::Picture::FromResource(bitmap)); }

forms::Font TitleFont() { return {.size = 9.75f, .bold = true}; }

}  // namespace

std::wstring Trimmed(const std::wstring& text) {
    const size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

CheckerWindow::CheckerWindow()
    : Form(L"Vestrel", 4845, 3945, 0xC0C0C0),
      Label1(*this, L"Escriba la palabra ", {240, 600, 2655, 375}),
      txtWord(*this, {240, 840, 2655, 375}, forms::kBoldFont, 24),
      cmdCheck(*this, L"&Verificar", {3120, 840, 1455, 375}),
      Label2(*this, L"Sugerencias", {240, 1320, 2655, 255}),
      cmdClose(*this, L"&Cerrar", {3120, 1320, 1455, 375}),
      lstSuggestions(*this, {240, 1560, 2655, 1200}, forms::kBoldFont),
      Label3(*this, L"", {240, 3100, 2565, 630}, forms::kBoldFont, forms::Alignment::Center, false),
      Timer1(*this, 10, true),
      Label4(*this, L"Vestrel", {1800, 150, 2895, 255}, TitleFont(), forms::Alignment::Center),
      Label5(*this, L"", {1560, 80, 3300, 375}),
      BtnHelp(*this, {3100, 3620, 255, 255}),
      BtnMinimizar(*this, {3900, 3620, 255, 255}),
      BtnMaximizar(*this, {4140, 3620, 255, 255}),
      BtnCerrar(*this, {4410, 3615, 255, 255}),
      Label6(*this, {2910, 3500, 1970, 450}, kBandGrey, 1, 0) {
    // The window works without its icon; a failure to set it is ignored.
    try {
        SetIconResource(IDI_VESTREL);
    } catch (...) {
    }
    SetPicture(forms::Picture::FromResource(IDB_CHECKER_BACKGROUND));
    Label4.SetBackColor(kBandGrey);
    Label5.SetBackColor(kBandGrey);
    Label4.SetCursor(IDC_SIZEALL);
    for (forms::Image* image : {&BtnHelp, &BtnMinimizar, &BtnCerrar}) image->SetCursor(IDC_HAND);
    // The captions lie on the window's background.
    for (forms::Label* label : {&Label1, &Label2, &Label3}) label->SetTransparent(true);
    SetTabOrder({&lstSuggestions, &cmdCheck, &txtWord, &cmdClose});
    NameForAssistiveTechnology();
    SetDefaultButton(cmdCheck);
    // The bands lie under what they carry.
    SetWindowPos(Label5.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(Label6.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The maximise image overlaps the minimise one by a pixel; its edge is
    // the one to show.
    SetWindowPos(BtnMaximizar.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CD = MakeObject<CommonDialog>(Handle());

    // Load: the outline, then the caption images at rest.
    chrome::ApplyOutline(*this);
    ShowPicture(BtnCerrar, IDB_CLOSE_UP);
    ShowPicture(BtnMinimizar, IDB_MINIMISE_UP);
    ShowPicture(BtnHelp, IDB_HELP_UP);
    ShowPicture(BtnMaximizar, IDB_MAXIMISE_GREY);

    BtnCerrar.MouseDown = [this](const forms::MouseEvent& e) { PressedLook(BtnCerrar, IDB_CLOSE_DOWN, e); };
    BtnCerrar.MouseUp = [this](const forms::MouseEvent&) { CloseReleased(); };
    BtnHelp.MouseDown = [this](const forms::MouseEvent& e) { PressedLook(BtnHelp, IDB_HELP_DOWN, e); };
    BtnHelp.MouseUp = [this](const forms::MouseEvent&) { HelpReleased(); };
    BtnMinimizar.MouseDown = [this](const forms::MouseEvent& e) { PressedLook(BtnMinimizar, IDB_MINIMISE_DOWN, e); };
    BtnMinimizar.MouseUp = [this](const forms::MouseEvent&) { MinimiseReleased(); };
    Label4.MouseDown = [this](const forms::MouseEvent&) { Mover(); };
    Label5.MouseDown = [this](const forms::MouseEvent&) { Mover(); };
    MouseDown = [this](const forms::MouseEvent& e) { OfferMenu(e); };
    for (forms::Label* label : {&Label1, &Label2, &Label3})
        label->MouseDown = [this](const forms::MouseEvent& e) { OfferMenu(e); };

    cmdCheck.Click = [this] { CheckClicked(); };
    cmdClose.Click = [this] { CloseSpelling(); };
    Timer1.Tick = [this] { RefreshStatus(); };
    txtWord.KeyPress = [this](wchar_t& key) { RefuseSpace(key); };
    lstSuggestions.DblClick = [this] { txtWord.SetText(lstSuggestions.Text()); };
}

// The check of a host's Spelling call, with an engine of its own.
void CheckerWindow::CheckClicked() {
    AboutInstance::Get().Show();
    Microsoft::WRL::ComPtr<IDispatch> engine;
    if (check::Run(engine, check::Origin::Call)) engine_adapter::Quit(engine.Get());
}

// A screen reader names the window by its title, the word box and the list
// by the labels above them, and the caption images as the buttons they are:
// by their tool tips where the host set them.
void CheckerWindow::NameForAssistiveTechnology() {
    accessible.name = [this] { return Trimmed(Label4.Caption()); };
    txtWord.accessible.name = [this] { return Trimmed(Label1.Caption()); };
    lstSuggestions.accessible.name = [this] { return Trimmed(Label2.Caption()); };
    const std::pair<forms::Image*, const wchar_t*> buttons[] = {
        {&BtnHelp, L"Ayuda"}, {&BtnMinimizar, L"Minimizar"}, {&BtnMaximizar, L"Maximizar"}, {&BtnCerrar, L"Cerrar"}};
    for (const auto& [image, name] : buttons) {
        image->accessible.name = [image, name] {
            return image->ToolTipText().empty() ? std::wstring(name) : image->ToolTipText();
        };
        image->accessible.role = ROLE_SYSTEM_PUSHBUTTON;
    }
}

void CheckerWindow::RefreshStatus() {
    const StatusSource now{lstSuggestions.ListCount(), txtWord.TextRevision(), Label3.TextRevision()};
    if (now == statusShown_) return;
    Label3.SetCaption(L"Se hallaron " + std::to_wstring(now.count) + L" coincidencias para la palabra '" +
                      txtWord.Text() + L"'");
    statusShown_ = {now.count, now.word, Label3.TextRevision()};
}

// One word at a time: a typed space never reaches the box.
void CheckerWindow::RefuseSpace(wchar_t& key) {
    if (key != L' ') return;
    key = 0;
    forms::ShowMessage(L"Solo se puede verificar una palabra a la vez...", forms::MessageIcon::Information,
                      L"Vestrel...");
}

void CheckerWindow::Close(Microsoft::WRL::ComPtr<IDispatch>& holder, Closing what,
                          const std::function<void()>& ownStep) {
    engine_adapter::CreateAndQuit(holder);
    if (ownStep) ownStep();
    CheckerInstance::Unload();
    if (what == Closing::Checker) return;
    AboutInstance::Unload();
    PopupInstance::Unload();
}

void CheckerWindow::CloseSpelling() {
    forms::FormEvent keep(*this);
    Close(mLib, Closing::Everything);
}

void CheckerWindow::PressedLook(forms::Image& image, int picture, const forms::MouseEvent& press) {
    if (press.button == 1) ShowPicture(image, picture);
}

// A release acts wherever the pointer is, as the image took the mouse.
void CheckerWindow::CloseReleased() {
    forms::FormEvent keep(*this);
    Close(mLib, Closing::Checker, [this] { ShowPicture(BtnCerrar, IDB_CLOSE_UP); });
}

void CheckerWindow::HelpReleased() {
    const std::wstring path = CheckerInstance::Get().BtnHelp.Tag();
    ShowPicture(BtnHelp, IDB_HELP_UP);
    AskForHelp(path);
}

void CheckerWindow::AskForHelp(const std::wstring& path) {
    Microsoft::WRL::ComPtr<IDispatch> dialog = CD;
    const late_bound::Callee common(L"el cuadro de diálogo común");
    common.PutId(dialog.Get(), DISPID_HELP_FILE, L"HelpFile", Variant::String(path));
    common.PutId(dialog.Get(), DISPID_HELP_COMMAND, L"HelpCommand", Variant::Short(forms::help::kKeywordCommand));
    common.CallId(dialog.Get(), DISPID_SHOW_HELP, L"ShowHelp", DISPATCH_METHOD);
}

void CheckerWindow::MinimiseReleased() {
    ShowPicture(BtnMinimizar, IDB_MINIMISE_UP);
    CheckerInstance::Get().SetWindowState(forms::WindowState::Minimized);
}

void CheckerWindow::Mover() { chrome::Mover(*this); }

void CheckerWindow::OnDensityChanged() { chrome::ApplyOutline(*this); }

// The right button opens the menu, always at the same point of the window.
void CheckerWindow::OfferMenu(const forms::MouseEvent& press) {
    if (press.button != 2) return;
    PopupMenuForm& popup = PopupInstance::Get();
    PopupMenu(popup.mnuPopupMenu, forms::kPopupCenterAlign, 1100, 450, &popup.mnuHelp);
}

void CheckerWindow::OnUnload() {
    wordBoxObject.Reset();
    AboutInstance::Unload();
}

}  // namespace vestrel
