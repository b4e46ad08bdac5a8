#include "forms/list_box.h"
#include <olectl.h>
#include "com/errors.h"

namespace vestrel::forms {

ListBox::ListBox(Form& form, const Placement& placement, const Font& font)
    : Control(form, L"LISTBOX", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, placement,
              {COLOR_WINDOW | 0x80000000u, COLOR_WINDOWTEXT | 0x80000000u}, font) {}

void ListBox::AddItem(const std::wstring& entry) {
    const LRESULT index = SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    if (index == LB_ERR || index == LB_ERRSPACE)
        throw ComError(E_OUTOFMEMORY, L"No se pudo añadir la entrada a la lista.");
}

ListBox::HeldDrawing::HeldDrawing(HWND list) noexcept : list_(list) { SendMessageW(list_, WM_SETREDRAW, FALSE, 0); }

// The window may have gone meanwhile (a check lets events run); messages to
// a destroyed window are refused harmlessly.
ListBox::HeldDrawing::~HeldDrawing() {
    if (!IsWindow(list_)) return;
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void ListBox::Clear() { SendMessageW(Handle(), LB_RESETCONTENT, 0, 0); }

int ListBox::ListCount() const {
    const LRESULT count = SendMessageW(Handle(), LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::wstring ListBox::List(int index) const {
    const LRESULT length = SendMessageW(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (index < 0 || length == LB_ERR) return {};
    std::wstring entry(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
    return entry;
}

int ListBox::ListIndex() const {
    const LRESULT index = SendMessageW(Handle(), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

std::wstring ListBox::Text() const { return List(ListIndex()); }

void ListBox::SetText(const std::wstring& text) {
    const LRESULT found = SendMessageW(Handle(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    if (found != LB_ERR && List(static_cast<int>(found)) == text) SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

void ListBox::SetAppearance(int appearance) {
    if (appearance != 0 && appearance != 1)
        throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"La apariencia de la lista no es válida.");
    LONG exStyle = GetWindowLongW(Handle(), GWL_EXSTYLE);
    exStyle = appearance == 1 ? (exStyle | WS_EX_CLIENTEDGE) : (exStyle & ~WS_EX_CLIENTEDGE);
    SetWindowLongW(Handle(), GWL_EXSTYLE, exStyle);
    ChangeStyle(WS_BORDER, appearance == 0 ? WS_BORDER : 0);
    appearance_ = appearance;
}

void ListBox::Notified(WORD code) {
    if (code == LBN_SELCHANGE) Raise(Click);
    else if (code == LBN_DBLCLK) Raise(DblClick);
}

}  // namespace vestrel::forms
