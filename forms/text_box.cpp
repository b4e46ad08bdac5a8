#include "forms/text_box.h"
#include <olectl.h>
#include "com/errors.h"

namespace vestrel::forms {

namespace {

DWORD EditStyle(const TextBoxStyle& style) {
    return ES_LEFT | (style.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL) |
           (style.tabStop ? WS_TABSTOP : 0) | (style.visible ? WS_VISIBLE : 0);
}

}  // namespace

TextBox::TextBox(Form& form, const Placement& placement, const Font& font, int maxLength, const TextBoxStyle& style)
    : Control(form, L"EDIT", EditStyle(style), style.multiLine ? 0 : WS_EX_CLIENTEDGE, placement,
              {COLOR_WINDOW | 0x80000000u, COLOR_WINDOWTEXT | 0x80000000u}, font, style.container),
      maxLength_(0),
      borderStyle_(style.multiLine ? 0 : 1) {
    SetMaxLength(maxLength);
}

void TextBox::SetMaxLength(int characters) {
    if (characters < 0)
        throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"La longitud máxima no puede ser negativa.");
    // An edit control's own limit when none is set is 32767 characters;
    // 0 asks for the largest it has.
    SendMessageW(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(characters), 0);
    maxLength_ = characters;
}

bool TextBox::Locked() const { return (GetWindowLongW(Handle(), GWL_STYLE) & ES_READONLY) != 0; }
void TextBox::SetLocked(bool locked) { SendMessageW(Handle(), EM_SETREADONLY, locked, 0); }

std::pair<int, int> TextBox::Selection() const {
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

int TextBox::SelStart() const { return Selection().first; }
int TextBox::SelLength() const {
    const auto [start, end] = Selection();
    return end - start;
}

void TextBox::SetSelStart(int start) {
    if (start < 0) throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"SelStart no puede ser negativo.");
    // Moving the start collapses the selection there, as text boxes do.
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start);
    SendMessageW(Handle(), EM_SCROLLCARET, 0, 0);
}

void TextBox::SetSelLength(int length) {
    if (length < 0) throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"SelLength no puede ser negativo.");
    const int start = SelStart();
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start + length);
}

std::wstring TextBox::SelText() const {
    const auto [start, end] = Selection();
    return Text().substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
}

void TextBox::SetSelText(const std::wstring& text) {
    SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void TextBox::SetAlignment(Alignment alignment) {
    const DWORD style = alignment == Alignment::Right ? ES_RIGHT : alignment == Alignment::Center ? ES_CENTER : ES_LEFT;
    // An edit control takes its alignment at creation only.
    Recreate(ES_LEFT | ES_CENTER | ES_RIGHT, style);
    alignment_ = alignment;
}

void TextBox::SetAppearance(int appearance) {
    if (appearance != 0 && appearance != 1)
        throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"La apariencia del cuadro de texto no es válida.");
    appearance_ = appearance;
    ApplyFrame();
}

void TextBox::SetBorderStyle(int style) {
    if (style != 0 && style != 1)
        throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"El estilo de borde del cuadro de texto no es válido.");
    borderStyle_ = style;
    ApplyFrame();
}

void TextBox::ApplyFrame() {
    const bool sunken = borderStyle_ == 1 && appearance_ == 1, line = borderStyle_ == 1 && appearance_ == 0;
    LONG exStyle = GetWindowLongW(Handle(), GWL_EXSTYLE);
    exStyle = sunken ? (exStyle | WS_EX_CLIENTEDGE) : (exStyle & ~WS_EX_CLIENTEDGE);
    SetWindowLongW(Handle(), GWL_EXSTYLE, exStyle);
    ChangeStyle(WS_BORDER, line ? WS_BORDER : 0);
}

void TextBox::CarryOver(HWND from, HWND to) {
    DWORD start = 0, end = 0;
    SendMessageW(from, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    SendMessageW(to, EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    SendMessageW(to, EM_SETSEL, start, end);
}

LRESULT TextBox::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR && KeyPress) {
        wchar_t key = static_cast<wchar_t>(wParam);
        Raise([&] { KeyPress(key); });
        if (key == 0) return 0;
        wParam = key;
    }
    return Default(message, wParam, lParam);
}

void TextBox::Notified(WORD code) {
    if (code != EN_CHANGE) return;
    // Typing, pasting and undoing change the text without a WM_SETTEXT.
    TextChanged();
    Raise(Change);
}

}  // namespace vestrel::forms
