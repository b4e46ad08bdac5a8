#include "control.h"
#include <commctrl.h>
#include <olectl.h>
#include <cmath>
#include "core/errors.h"
#include "core/module.h"
#include "form.h"
#include "twips.h"

namespace vestrel::forms {

COLORREF ToRgb(OLE_COLOR color) {
    COLORREF rgb = 0;
    const HRESULT hr = OleTranslateColor(color, nullptr, &rgb);
    if (FAILED(hr)) throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"El valor no es un color válido.");
    return rgb;
}

HBRUSH SolidBrush(OLE_COLOR color) {
    HBRUSH brush = CreateSolidBrush(ToRgb(color));
    if (!brush) throw ComError(E_OUTOFMEMORY, L"No se pudo crear el color de fondo.");
    return brush;
}

Control::Control(Form& form, const wchar_t* windowClass, DWORD style, DWORD exStyle,
                 const Placement& placement, Colors colors, const Font& font)
    : form_(form), id_(form.NextId()), back_(colors.back), fore_(colors.fore) {
    window_ = CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_CLIPSIBLINGS | style,
                              ToPixelsX(placement.left), ToPixelsY(placement.top),
                              ToPixelsX(placement.width), ToPixelsY(placement.height), form.Handle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), module::Instance(), nullptr);
    if (!window_)
        throw ComError(HRESULT_FROM_WIN32(GetLastError()), L"No se pudo crear un control de la ventana de Vestrel.");
    SetWindowSubclass(window_, &Control::SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
    brush_.reset(CreateSolidBrush(ToRgb(back_)));
    SetFont(font);
    form_.Add(this);
}

Control::~Control() {
    form_.Remove(this);
    if (IsWindow(window_)) {
        RemoveWindowSubclass(window_, &Control::SubclassProc, 0);
        DestroyWindow(window_);
    }
}

RECT Control::Rect() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

float Control::Left() const { return ToTwipsX(Rect().left); }
float Control::Top() const { return ToTwipsY(Rect().top); }
float Control::Width() const {
    const RECT r = Rect();
    return ToTwipsX(r.right - r.left);
}
float Control::Height() const {
    const RECT r = Rect();
    return ToTwipsY(r.bottom - r.top);
}

void Control::Place(int left, int top, int width, int height) {
    if (width < 0 || height < 0)
        throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"El ancho y el alto de un control no pueden ser negativos.");
    SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::SetLeft(float twips) {
    const RECT r = Rect();
    Place(ToPixelsX(twips), r.top, r.right - r.left, r.bottom - r.top);
}
void Control::SetTop(float twips) {
    const RECT r = Rect();
    Place(r.left, ToPixelsY(twips), r.right - r.left, r.bottom - r.top);
}
void Control::SetWidth(float twips) {
    const RECT r = Rect();
    Place(r.left, r.top, ToPixelsX(twips), r.bottom - r.top);
}
void Control::SetHeight(float twips) {
    const RECT r = Rect();
    Place(r.left, r.top, r.right - r.left, ToPixelsY(twips));
}
void Control::Move(const Placement& p) {
    Place(ToPixelsX(p.left), ToPixelsY(p.top), ToPixelsX(p.width), ToPixelsY(p.height));
}

// A control counts as visible when its own flag says so, as hosts expect of
// a control on a hidden form.
bool Control::Visible() const { return (GetWindowLongW(window_, GWL_STYLE) & WS_VISIBLE) != 0; }
void Control::SetVisible(bool visible) { ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE); }
bool Control::Enabled() const { return IsWindowEnabled(window_) != FALSE; }
void Control::SetEnabled(bool enabled) { EnableWindow(window_, enabled); }

void Control::SetFocus() {
    // Windows refuses the focus to a control that cannot take it; hosts get
    // the error a form would raise.
    if (!IsWindowVisible(window_) || !IsWindowEnabled(window_))
        throw ComError(CTL_E_ILLEGALFUNCTIONCALL,
                       L"No se puede mover el enfoque a un control invisible o deshabilitado.");
    ::SetFocus(window_);
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

std::wstring Control::Text() const { return WindowText(window_); }

void Control::SetText(const std::wstring& text) {
    if (!SetWindowTextW(window_, text.c_str()))
        throw ComError(HRESULT_FROM_WIN32(GetLastError()), L"No se pudo escribir el texto del control.");
}

void Control::SetFont(const Font& font) {
    if (!(font.size > 0.0f) || font.size > 2048.0f)
        throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"El tamaño de la fuente no es válido.");
    LOGFONTW description{};
    HDC screen = GetDC(nullptr);
    description.lfHeight = -static_cast<LONG>(std::lround(font.size * GetDeviceCaps(screen, LOGPIXELSY) / 72.0f));
    ReleaseDC(nullptr, screen);
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = font.italic;
    description.lfUnderline = font.underline;
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(description.lfFaceName, font.name.c_str(), LF_FACESIZE);
    HFONT handle = CreateFontIndirectW(&description);
    if (!handle) throw ComError(E_FAIL, L"No se pudo crear la fuente " + font.name + L".");
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
    fontHandle_.reset(handle);
    font_ = font;
}

void Control::SetBackColor(OLE_COLOR color) {
    brush_.reset(SolidBrush(color));
    back_ = color;
    InvalidateRect(window_, nullptr, TRUE);
}

void Control::SetForeColor(OLE_COLOR color) {
    ToRgb(color);  // refuses what is not a colour
    fore_ = color;
    InvalidateRect(window_, nullptr, TRUE);
}

HBRUSH Control::Paint(HDC dc) {
    COLORREF back = 0, fore = 0;
    OleTranslateColor(back_, nullptr, &back);
    OleTranslateColor(fore_, nullptr, &fore);
    SetTextColor(dc, fore);
    SetBkColor(dc, back);
    return brush_.get();
}

void Control::ChangeStyle(DWORD remove, DWORD add) {
    const LONG style = GetWindowLongW(window_, GWL_STYLE);
    SetWindowLongW(window_, GWL_STYLE, static_cast<LONG>((style & ~remove) | add));
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(window_, nullptr, TRUE);
}

void Control::Raise(const std::function<void()>& handler) {
    if (!handler) return;
    FormEvent event(form_);
    try {
        handler();
    } catch (...) {
        Form::ReportFailure();
    }
}

LRESULT Control::Message(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

LRESULT Control::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    // An event may have unloaded the form, and the window with it.
    return IsWindow(window_) ? DefSubclassProc(window_, message, wParam, lParam) : 0;
}

LRESULT CALLBACK Control::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data) noexcept {
    auto* control = reinterpret_cast<Control*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &Control::SubclassProc, 0);
        control->window_ = nullptr;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    FormEvent event(control->form_);
    try {
        return control->Message(message, wParam, lParam);
    } catch (...) {
        Form::ReportFailure();
        return 0;
    }
}

}  // namespace vestrel::forms
