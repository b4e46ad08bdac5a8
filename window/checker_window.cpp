#include "checker_window.h"
#include "about/about_window.h"
#include "chrome.h"
#include "common_dialog.h"
#include "core/engine_adapter.h"
#include "core/errors.h"
#include "core/late_bound.h"
#include "core/spelling.h"
#include "forms/help.h"
#include "forms/message_box.h"
#include "popup_menu.h"

namespace vestrel {
namespace {

constexpr OLE_COLOR kBandGrey = 0x808080;
// Bitmap resources: the caption images at rest and pressed, the background.
enum Bitmap { kCloseUp = 1, kCloseDown, kMinimiseUp, kMinimiseDown, kHelpUp, kHelpDown, kMaximiseGrey };
constexpr int kCheckerBackground = 101;

void ShowPicture(forms::Image& image, int bitmap) { image.SetPicture(forms::Picture::FromResource(bitmap)); }

forms::Font TitleFont() { return {.size = 9.75f, .bold = true}; }

}  // namespace

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
        SetIconResource(1);
    } catch (...) {
    }
    SetPicture(forms::Picture::FromResource(kCheckerBackground));
    Label4.SetBackColor(kBandGrey);
    Label5.SetBackColor(kBandGrey);
    Label4.SetCursor(IDC_SIZEALL);
    for (forms::Image* image : {&BtnHelp, &BtnMinimizar, &BtnCerrar}) image->SetCursor(IDC_HAND);
    // The captions lie on the window's background.
    for (forms::Label* label : {&Label1, &Label2, &Label3}) label->SetTransparent(true);
    SetTabOrder({&lstSuggestions, &cmdCheck, &txtWord, &cmdClose});
    SetDefaultButton(cmdCheck);
    // The bands lie under what they carry.
    SetWindowPos(Label5.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(Label6.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The maximise image overlaps the minimise one by a pixel; its edge is
    // the one to show.
    SetWindowPos(BtnMaximizar.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CD = MakeObject<CommonDialog>(Handle());

    // Load: the outline, then the caption images at rest.
    region_ = chrome::ApplyOutline(*this);
    ShowPicture(BtnCerrar, kCloseUp);
    ShowPicture(BtnMinimizar, kMinimiseUp);
    ShowPicture(BtnHelp, kHelpUp);
    ShowPicture(BtnMaximizar, kMaximiseGrey);

    BtnCerrar.MouseDown = [this](const forms::MouseEvent& e) { PressedLook(BtnCerrar, kCloseDown, e); };
    BtnCerrar.MouseUp = [this](const forms::MouseEvent&) { CloseReleased(); };
    BtnHelp.MouseDown = [this](const forms::MouseEvent& e) { PressedLook(BtnHelp, kHelpDown, e); };
    BtnHelp.MouseUp = [this](const forms::MouseEvent&) { HelpReleased(); };
    BtnMinimizar.MouseDown = [this](const forms::MouseEvent& e) { PressedLook(BtnMinimizar, kMinimiseDown, e); };
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
    engine_adapter::CreateAndQuit(mLib);
    Unload();
    AboutInstance::Unload();
    PopupInstance::Unload();
}

void CheckerWindow::PressedLook(forms::Image& image, int picture, const forms::MouseEvent& press) {
    if (press.button == 1) ShowPicture(image, picture);
}

// A release acts wherever the pointer is, as the image took the mouse.
void CheckerWindow::CloseReleased() {
    forms::FormEvent keep(*this);
    engine_adapter::CreateAndQuit(mLib);
    ShowPicture(BtnCerrar, kCloseUp);
    Unload();
}

void CheckerWindow::HelpReleased() {
    const std::wstring path = CheckerInstance::Get().BtnHelp.Tag();
    ShowPicture(BtnHelp, kHelpUp);
    AskForHelp(path);
}

void CheckerWindow::AskForHelp(const std::wstring& path) {
    Microsoft::WRL::ComPtr<IDispatch> dialog = CD;
    late_bound::PutId(dialog.Get(), 19, L"HelpFile", Variant::String(path));
    late_bound::PutId(dialog.Get(), 20, L"HelpCommand", Variant::Short(forms::help::kKeywordCommand));
    late_bound::CallId(dialog.Get(), 35, L"ShowHelp", DISPATCH_METHOD);
}

void CheckerWindow::MinimiseReleased() {
    ShowPicture(BtnMinimizar, kMinimiseUp);
    CheckerInstance::Get().SetWindowState(forms::WindowState::Minimized);
}

void CheckerWindow::Mover() { chrome::Mover(*this); }

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
