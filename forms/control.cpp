#include "forms/control.h"
#include <commctrl.h>
#include <olectl.h>
#include <cmath>
#include "com/errors.h"
#include "com/module.h"
#include "forms/form.h"

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
                 const Placement& placement, Colors colors, const Font& font, Control* container)
    : form_(form), twips_(placement), id_(form.NextId()), back_(colors.back), fore_(colors.fore) {
    const Density& d = form.GetDensity();
    // The window stays in the guard's hands until the object is whole: a
    // step that throws takes it down, and the subclass, which points at this
    // object, is set only once nothing else can fail.
    UniqueWindow window(CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_CLIPSIBLINGS | style,
                                        d.PixelsX(placement.left), d.PixelsY(placement.top),
                                        d.PixelsX(placement.width), d.PixelsY(placement.height),
                                        container ? container->Handle() : form.Handle(),
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), module::Instance(), nullptr));
    if (!window) throw ComError(LastError(), L"No se pudo crear un control de la ventana de Vestrel.");
    window_ = window.get();
    brush_.reset(SolidBrush(back_));
    SetFont(font);
    form_.Add(this);
    if (!SetWindowSubclass(window_, &Control::SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this))) {
        form_.Remove(this);
        throw ComError(E_OUTOFMEMORY, L"No se pudo crear un control de la ventana de Vestrel.");
    }
    window.release();
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

float Control::Left() const {
    const RECT r = Rect();
    const Density& d = form_.GetDensity();
    return d.PixelsX(twips_.left) == r.left ? twips_.left : d.TwipsX(r.left);
}
float Control::Top() const {
    const RECT r = Rect();
    const Density& d = form_.GetDensity();
    return d.PixelsY(twips_.top) == r.top ? twips_.top : d.TwipsY(r.top);
}
float Control::Width() const {
    const RECT r = Rect();
    const Density& d = form_.GetDensity();
    return d.PixelsX(twips_.width) == r.right - r.left ? twips_.width : d.TwipsX(r.right - r.left);
}
float Control::Height() const {
    const RECT r = Rect();
    const Density& d = form_.GetDensity();
    return d.PixelsY(twips_.height) == r.bottom - r.top ? twips_.height : d.TwipsY(r.bottom - r.top);
}

void Control::Place(const Placement& p) {
    const Density& d = form_.GetDensity();
    const int width = d.PixelsX(p.width), height = d.PixelsY(p.height);
    if (p.width < 0 || p.height < 0 || width < 0 || height < 0)
        throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"El ancho y el alto de un control no pueden ser negativos.");
    SetWindowPos(window_, nullptr, d.PixelsX(p.left), d.PixelsY(p.top), width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    twips_ = p;
}

void Control::Rescale() {
    Place(twips_);
    SetFont(font_);
}

void Control::SetLeft(float twips) { Place({twips, Top(), Width(), Height()}); }
void Control::SetTop(float twips) { Place({Left(), twips, Width(), Height()}); }
void Control::SetWidth(float twips) { Place({Left(), Top(), twips, Height()}); }
void Control::SetHeight(float twips) { Place({Left(), Top(), Width(), twips}); }

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

bool Control::TabStop() const { return (GetWindowLongW(window_, GWL_STYLE) & WS_TABSTOP) != 0; }
void Control::SetTabStop(bool stops) { ChangeStyle(stops ? 0 : WS_TABSTOP, stops ? WS_TABSTOP : 0); }

int Control::TabIndex() const { return form_.TabIndexOf(this); }

void Control::SetTabIndex(int index) {
    if (index < 0) throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"TabIndex no puede ser negativo.");
    form_.MoveInTabOrder(this, index);
}

void Control::Refresh() { RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

std::wstring Control::Text() const { return WindowText(window_); }

void Control::SetText(const std::wstring& text) {
    if (!SetWindowTextW(window_, text.c_str()))
        throw ComError(LastError(), L"No se pudo escribir el texto del control.");
}

void Control::SetFont(const Font& font) {
    if (!(font.size > 0.0f) || font.size > 2048.0f)
        throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"El tamaño de la fuente no es válido.");
    LOGFONTW description{};
    description.lfHeight =
        -static_cast<LONG>(std::lround(font.size * static_cast<float>(form_.GetDensity().Y()) / 72.0f));
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = font.italic;
    description.lfUnderline = font.underline;
    description.lfStrikeOut = font.strikethrough;
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

void Control::SetToolTipText(const std::wstring& text) {
    form_.SetToolTip(window_, text);
    toolTip_ = text;
}

void Control::SetCursor(const wchar_t* systemCursor) {
    cursor_ = systemCursor ? LoadCursorW(nullptr, systemCursor) : nullptr;
}

void Control::PaintFormBackground(HDC dc, const RECT& area) const {
    POINT origin{0, 0};
    MapWindowPoints(window_, form_.Handle(), &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    FillRect(dc, &area, form_.BackgroundBrush());
}

bool Control::Painted(UINT message, LRESULT& result) {
    if (message == WM_ERASEBKGND) {
        result = 1;
        return true;
    }
    if (message != WM_PAINT) return false;
    PaintDC paint(window_);
    RECT client;
    GetClientRect(window_, &client);
    Draw(paint.get(), client);
    result = 0;
    return true;
}

bool ReadMouse(UINT message, WPARAM wParam, LPARAM lParam, const Density& density, MouseEvent& event,
               bool& pressed) noexcept {
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: event.button = 1; pressed = true; break;
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: event.button = 2; pressed = true; break;
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: event.button = 4; pressed = true; break;
    case WM_LBUTTONUP: event.button = 1; pressed = false; break;
    case WM_RBUTTONUP: event.button = 2; pressed = false; break;
    case WM_MBUTTONUP: event.button = 4; pressed = false; break;
    default: return false;
    }
    event.shift = ((wParam & MK_SHIFT) ? 1 : 0) | ((wParam & MK_CONTROL) ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
    event.x = density.TwipsX(static_cast<short>(LOWORD(lParam)));
    event.y = density.TwipsY(static_cast<short>(HIWORD(lParam)));
    return true;
}

void KeepMouse(HWND window, bool pressed, WPARAM keys) noexcept {
    if (pressed) {
        if (GetCapture() != window) ::SetCapture(window);
    } else if (GetCapture() == window && !(keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
        ReleaseCapture();
    }
}

void Control::Mouse(UINT message, WPARAM wParam, LPARAM lParam) {
    MouseEvent event{};
    bool pressed = false;
    if (!ReadMouse(message, wParam, lParam, form_.GetDensity(), event, pressed)) return;
    if (takesMouse_) KeepMouse(window_, pressed, wParam);
    Raise([&] {
        const MouseHandler& handler = pressed ? MouseDown : MouseUp;
        if (handler) handler(event);
    });
}

void Control::ChangeStyle(DWORD remove, DWORD add) {
    const LONG style = GetWindowLongW(window_, GWL_STYLE);
    SetWindowLongW(window_, GWL_STYLE, static_cast<LONG>((style & ~remove) | add));
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(window_, nullptr, TRUE);
}

void Control::Recreate(DWORD removeStyle, DWORD addStyle) {
    const HWND old = window_;
    wchar_t type[64] = {};
    GetClassNameW(old, type, 64);
    const RECT r = Rect();
    const DWORD style = (static_cast<DWORD>(GetWindowLongW(old, GWL_STYLE)) & ~removeStyle) | addStyle;
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(old, GWL_EXSTYLE));
    const bool focused = GetFocus() == old;
    UniqueWindow made(CreateWindowExW(exStyle, type, Text().c_str(), style, r.left, r.top, r.right - r.left,
                                      r.bottom - r.top, GetParent(old),
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), module::Instance(), nullptr));
    if (!made) throw ComError(LastError(), L"No se pudo cambiar el estilo del control.");
    const HWND fresh = made.get();
    SetWindowPos(fresh, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(fresh, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle_.get()), FALSE);
    CarryOver(old, fresh);
    if (!SetWindowSubclass(fresh, &Control::SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this)))
        throw ComError(E_OUTOFMEMORY, L"No se pudo cambiar el estilo del control.");
    made.release();
    RemoveWindowSubclass(old, &Control::SubclassProc, 0);
    window_ = fresh;
    if (focused) ::SetFocus(fresh);
    // The tool tip control keeps a tool, and its text, for every window given
    // one until it is taken back: the old window's goes with it.
    if (!toolTip_.empty()) form_.SetToolTip(old, L"");
    DestroyWindow(old);
    if (!toolTip_.empty()) form_.SetToolTip(fresh, toolTip_);
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
        if (message == WM_SETCURSOR && control->cursor_ && LOWORD(lParam) == HTCLIENT) {
            ::SetCursor(control->cursor_);
            return TRUE;
        }
        if (message == WM_GETOBJECT)
            if (const LRESULT answer = AccessibleAnswer(window, wParam, lParam, control->accessible)) return answer;
        if (message == WM_SETTEXT) control->TextChanged();
        control->Mouse(message, wParam, lParam);
        // A handler may have unloaded the form, and this window with it.
        if (!IsWindow(window)) return 0;
        return control->Message(message, wParam, lParam);
    } catch (...) {
        Form::ReportFailure();
        return 0;
    }
}

}  // namespace vestrel::forms
