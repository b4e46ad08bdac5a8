#include "forms/form.h"
#include <algorithm>
#include <commctrl.h>
#include "com/errors.h"
#include "com/module.h"
#include "forms/command_button.h"
#include "forms/control.h"
#include "forms/menu.h"
#include "forms/message_box.h"
#include "forms/timer.h"

namespace vestrel::forms {
namespace {

constexpr wchar_t kFormClass[] = L"VestrelForm";

ATOM RegisterFormClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof(type);
        type.style = CS_DBLCLKS;
        type.lpfnWndProc = procedure;
        type.hInstance = module::Instance();
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.lpszClassName = kFormClass;
        const ATOM registered = RegisterClassExW(&type);
        if (!registered && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            throw ComError(LastError(), L"No se pudo registrar la clase de ventana de Vestrel.");
        return registered;
    }();
    return atom;
}

// No system frame: the forms draw their own chrome.
constexpr DWORD kFormStyle = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kFormExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
}  // namespace

Form::Form(const std::wstring& caption, float clientWidth, float clientHeight, OLE_COLOR back)
    : density_(Density::Screen()), clientWidth_(clientWidth), clientHeight_(clientHeight), background_(back) {
    RegisterFormClass(&Form::WindowProc);
    SIZE frame = FrameSize();
    // The window stays in the guard's hands until the form is whole; the
    // module lock, which the destructor gives back, is taken last.
    UniqueWindow window(CreateWindowExW(kFormExStyle, kFormClass, caption.c_str(), kFormStyle, CW_USEDEFAULT,
                                        CW_USEDEFAULT, frame.cx, frame.cy, nullptr, nullptr, module::Instance(), this));
    if (!window) throw ComError(LastError(), L"No se pudo crear la ventana de Vestrel.");
    // A host aware of each monitor's density: the window's own monitor.
    if (const Density own = Density::Of(window.get()); !(own == density_)) {
        density_ = own;
        frame = FrameSize();
        SetWindowPos(window.get(), nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    window.release();  // window_ holds it since WM_NCCREATE
    module::Lock();
}

// Windows destroys the windows of a thread that ends without sending them
// a message, and would leave their objects, GDI objects and module lock
// behind: the thread's forms are unloaded while it can still run them.
void Form::UnloadThreadForms() noexcept {
    while (Form* form = ThreadForms::NewestOfThisThread()) {
        // The per-thread instance is not told: its storage may already be
        // gone, and nothing on this thread asks for the form again.
        form->detach_ = nullptr;
        // An idle loaded form goes with its unload; one that an event holds
        // (the thread ends inside it) or whose unload step failed goes now.
        const bool idle = form->depth_ == 0, loaded = !form->unloaded_;
        bool gone = false;
        try {
            if (loaded) form->Unload();
            gone = idle && loaded;
        } catch (...) {
        }
        if (!gone) delete form;
    }
}

SIZE Form::FrameSize() const {
    RECT frame{0, 0, density_.PixelsX(clientWidth_), density_.PixelsY(clientHeight_)};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, kFormExStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void Form::ChangeDensity(const Density& density, POINT at) {
    density_ = density;
    const SIZE frame = FrameSize();
    SetWindowPos(window_, nullptr, at.x, at.y, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    for (Control* control : controls_) control->Rescale();
    background_.Compose(window_, density_);
    OnDensityChanged();
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

Form::~Form() {
    // A form that fails to load goes here too: its window is not one
    // destroyed from outside.
    unloaded_ = true;
    if (window_) DestroyWindow(window_);
    module::Unlock();
}

Form* Form::FromHandle(HWND window) noexcept {
    if (!window) return nullptr;
    wchar_t name[32] = {};
    if (!GetClassNameW(window, name, 32) || wcscmp(name, kFormClass) != 0) return nullptr;
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Form::Show() {
    if (unloaded_) return;
    // A form already shown and active is left as it is: asking the window
    // system again costs a round trip to the display for nothing.
    if (!IsWindowVisible(window_) || IsIconic(window_)) ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
    if (GetForegroundWindow() != window_) SetForegroundWindow(window_);
    if (GetActiveWindow() != window_) SetActiveWindow(window_);
    const HWND focus = GetFocus();
    if (!focus || focus == window_ || GetAncestor(focus, GA_ROOT) != window_) tabOrder_.FocusFirst();
}

void Form::Hide() {
    if (!unloaded_) ShowWindow(window_, SW_HIDE);
}

bool Form::Visible() const { return !unloaded_ && IsWindowVisible(window_); }

void Form::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    {
        FormEvent event(*this);
        OnUnload();
    }
    if (detach_) detach_();
    EndMoveLoop();
    // Timers and controls die with the window; their objects with the form.
    DestroyWindow(window_);
    if (depth_ == 0) delete this;
    else deletePending_ = true;
}

// A window unloaded while the user drags it would leave the window
// system's move loop waiting for a release that no longer comes to this
// thread: the loop is cancelled, and an Esc ends it where it began.
void Form::EndMoveLoop() noexcept {
    if (moving_ == 0) return;
    SendMessageW(window_, WM_CANCELMODE, 0, 0);
    PostThreadMessageW(GetCurrentThreadId(), WM_KEYDOWN, VK_ESCAPE, 0);
}

// Something outside the component destroyed the window (a host tidying
// its windows, an add-in at shutdown): the form counts as unloaded. The
// unload step runs while the controls still exist, the per-thread instance
// forgets the form so that the next access loads a fresh one, and the
// object goes with its window.
void Form::DestroyedFromOutside() noexcept {
    unloaded_ = true;
    orphaned_ = true;
    try {
        FormEvent event(*this);
        OnUnload();
    } catch (...) {
        ReportFailure();
    }
    if (detach_) detach_();
    EndMoveLoop();
}

void Form::Leave() noexcept {
    if (--depth_ == 0 && deletePending_) {
        deletePending_ = false;
        delete this;
    }
}

std::wstring Form::Caption() const { return WindowText(window_); }

void Form::SetCaption(const std::wstring& caption) { SetWindowTextW(window_, caption.c_str()); }

void Form::SetBackColor(OLE_COLOR color) { background_.SetBackColor(color, window_, density_); }
void Form::SetPicture(Picture picture) { background_.SetPicture(std::move(picture), window_, density_); }
IPictureDisp* Form::PictureObject() { return background_.PictureObject(density_); }
void Form::SetPictureObject(IPictureDisp* picture) { background_.SetPictureObject(picture, window_, density_); }

void Form::SetWindowState(WindowState state) {
    if (unloaded_) return;
    switch (state) {
    case WindowState::Minimized: ShowWindow(window_, SW_MINIMIZE); break;
    case WindowState::Maximized: ShowWindow(window_, SW_MAXIMIZE); break;
    case WindowState::Normal: ShowWindow(window_, SW_RESTORE); break;
    default: throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"El estado de ventana no es válido.");
    }
}

void Form::SetRegion(HRGN region, bool redraw) {
    UniqueHandle<HRGN, DeleteObject> owned(region);
    if (!SetWindowRgn(window_, region, redraw))
        throw ComError(LastError(HRESULT_FROM_WIN32(ERROR_INVALID_PARAMETER)), L"No se pudo dar su contorno a la ventana.");
    owned.release();  // the window system owns it now
}

void Form::SetToolTip(HWND control, const std::wstring& text) {
    if (!toolTips_) {
        toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                    module::Instance(), nullptr);
        if (!toolTips_) throw ComError(LastError(), L"No se pudo crear la información sobre herramientas.");
    }
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(toolTips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (!text.empty() && !SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
        throw ComError(E_FAIL, L"No se pudo poner la información sobre herramientas.");
}

void Form::PopupMenu(MenuItem& menu, int flags, float x, float y, MenuItem* defaultItem) {
    if (unloaded_) return;
    // The menu loop lets any handler run, one that closes either form too.
    FormEvent keepOwner(*this);
    FormEvent keepMenu(menu.Owner());
    std::vector<MenuItem*> commands;
    UniqueHandle<HMENU, DestroyMenu> popup(menu.Build(commands, defaultItem));
    POINT at{density_.PixelsX(x), density_.PixelsY(y)};
    ClientToScreen(window_, &at);
    // A menu of a window that is not in front would not close on a click
    // elsewhere.
    SetForegroundWindow(window_);
    const UINT alignment = static_cast<UINT>(flags) & (TPM_CENTERALIGN | TPM_RIGHTALIGN);
    const UINT button = (flags & kPopupRightButton) ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON;
    const int chosen = static_cast<int>(TrackPopupMenuEx(popup.get(), alignment | button | TPM_RETURNCMD | TPM_NONOTIFY,
                                                         at.x, at.y, window_, nullptr));
    if (window_) PostMessageW(window_, WM_NULL, 0, 0);
    if (chosen <= 0 || static_cast<size_t>(chosen) > commands.size()) return;
    // Nothing runs for a menu whose form went while it was open.
    if (unloaded_ || !menu.Owner().Loaded()) return;
    MenuItem* item = commands[static_cast<size_t>(chosen) - 1];
    if (item->Click) item->Click();
}

namespace {
RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}
}  // namespace

float Form::Left() const { return density_.TwipsX(WindowRect(window_).left); }
float Form::Top() const { return density_.TwipsY(WindowRect(window_).top); }
float Form::Width() const {
    const RECT r = WindowRect(window_);
    return density_.TwipsX(r.right - r.left);
}
float Form::Height() const {
    const RECT r = WindowRect(window_);
    return density_.TwipsY(r.bottom - r.top);
}
void Form::SetLeft(float twips) {
    SetWindowPos(window_, nullptr, density_.PixelsX(twips), WindowRect(window_).top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
void Form::SetTop(float twips) {
    SetWindowPos(window_, nullptr, WindowRect(window_).left, density_.PixelsY(twips), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The icon is loaded once for the process (shared: the system keeps it
// while the module is loaded): an icon of its own for each window grew the
// process by about a hundred bytes a window under Wine, whose display
// driver keeps what it made for each icon a window was given.
void Form::SetIconResource(int id) {
    const HICON icon = static_cast<HICON>(
        LoadImageW(module::Instance(), MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    if (!icon) throw ComError(LastError(), L"No se encontró el icono de Vestrel.");
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void Form::SetDefaultButton(Control& button) {
    defaultId_ = button.Id();
    SendMessageW(button.Handle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

void Form::Remove(Control* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    tabOrder_.Remove(control);
}

void Form::Remove(Timer* timer) { timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end()); }

Control* Form::ControlOf(HWND window) const noexcept {
    for (Control* control : controls_)
        if (control->Handle() == window) return control;
    return nullptr;
}

LRESULT Form::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT Form::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    MouseEvent mouse{};
    bool pressed = false;
    if (ReadMouse(message, wParam, lParam, density_, mouse, pressed)) {
        KeepMouse(window_, pressed, wParam);
        const MouseHandler& handler = pressed ? MouseDown : MouseUp;
        if (handler) handler(mouse);
        return 0;
    }
    switch (message) {
    case WM_GETOBJECT:
        if (const LRESULT answer = AccessibleAnswer(window_, wParam, lParam, accessible)) return answer;
        break;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window_, &client);
        SetBrushOrgEx(reinterpret_cast<HDC>(wParam), 0, 0, nullptr);
        FillRect(reinterpret_cast<HDC>(wParam), &client, background_.Brush());
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (Control* control = ControlOf(reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(control->Paint(reinterpret_cast<HDC>(wParam)));
        break;
    case WM_COMMAND: {
        HWND from = reinterpret_cast<HWND>(lParam);
        if (!from) from = GetDlgItem(window_, LOWORD(wParam));
        if (Control* control = ControlOf(from)) {
            control->Notified(HIWORD(wParam));
            return 0;
        }
        break;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (auto* button = dynamic_cast<CommandButton*>(ControlOf(item->hwndItem))) {
            button->DrawItem(*item);
            return TRUE;
        }
        break;
    }
    case DM_GETDEFID:
        return defaultId_ ? MAKELRESULT(defaultId_, DC_HASDEFID) : 0;
    case WM_TIMER:
        for (Timer* timer : timers_) {
            if (timer->id_ == wParam) {
                timer->Fire();
                return 0;
            }
        }
        break;
    case WM_ACTIVATE:
        // Keep the focus where the user left it, as a dialog does.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(window_, focus)) lastFocus_ = focus;
        } else {
            if (lastFocus_ && IsWindow(lastFocus_) && IsChild(window_, lastFocus_)) ::SetFocus(lastFocus_);
            else tabOrder_.FocusFirst();
            return 0;
        }
        break;
    case WM_CLOSE:
        Unload();
        return 0;
    case WM_DPICHANGED: {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        ChangeDensity({LOWORD(wParam), HIWORD(wParam)}, {suggested.left, suggested.top});
        return 0;
    }
    }
    return Default(message, wParam, lParam);
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form || form->window_ != window) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_DESTROY && !form->unloaded_) form->DestroyedFromOutside();
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->window_ = nullptr;
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        if (form->orphaned_) {
            if (form->depth_ == 0) delete form;
            else form->deletePending_ = true;
        }
        return result;
    }
    FormEvent event(*form);
    try {
        return form->Message(message, wParam, lParam);
    } catch (...) {
        ReportFailure();
        return 0;
    }
}

void Form::ReportFailure() noexcept {
    try {
        Failure failure = CurrentFailure();
        if (failure.text.empty()) failure.text = TakeErrorDescription();
        if (failure.text.empty()) failure.text = L"Error " + HexCode(failure.hr);
        ShowMessage(failure.text, MessageIcon::Warning);
    } catch (...) {
    }
}

}  // namespace vestrel::forms
