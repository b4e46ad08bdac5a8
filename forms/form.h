// A form: a top-level window holding controls. A form object is one load of
// the window: its constructor creates the window hidden with its design-time
// contents, Unload destroys it, and the object goes once no event of the
// form is still running.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>
#include <wrl/client.h>
#include "com/unique_handle.h"
#include "forms/control.h"
#include "forms/form_background.h"
#include "forms/picture.h"
#include "forms/tab_order.h"
#include "forms/thread_forms.h"

namespace vestrel::forms {

class MenuItem;
class Timer;

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// Flags of PopupMenu, as Windows' own for TrackPopupMenu.
constexpr int kPopupRightButton = 2, kPopupCenterAlign = 4;

class Form {
public:
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND Handle() const noexcept { return window_; }
    // False once Unload has run.
    bool Loaded() const noexcept { return !unloaded_; }

    // Shows the form modeless, without an owner window, and activates it.
    void Show();
    void Hide();
    bool Visible() const;
    // Runs the unload step, destroys the window and lets the object go.
    void Unload();

    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);
    OLE_COLOR BackColor() const noexcept { return background_.BackColor(); }
    // What the form's background is painted with: its back colour with its
    // picture at the top left, as a brush aligned with the client area.
    HBRUSH BackgroundBrush() const noexcept { return background_.Brush(); }
    void SetBackColor(OLE_COLOR color);
    void SetPicture(Picture picture);
    // The background picture as an OLE picture object (one made from the
    // design picture on first request, so it keeps its identity), or
    // nullptr. Setting one replaces the picture; nullptr removes it.
    IPictureDisp* PictureObject();
    void SetPictureObject(IPictureDisp* picture);
    void SetWindowState(WindowState state);
    // Hands the window its visible region; the window system owns it from
    // then on. The region is deleted when Windows refuses it.
    void SetRegion(HRGN region, bool redraw);
    // The density the form is laid out at: the screen's, or its monitor's
    // for a host aware of each monitor's density, which Windows tells of a
    // move to another with WM_DPICHANGED. The form then lays itself out
    // anew: its size, its controls' places and fonts, its pictures.
    const Density& GetDensity() const noexcept { return density_; }

    // Pops up menu's entries at x, y (twips of the client area) and runs the
    // chosen entry's Click before it returns; a dismissed menu runs nothing.
    void PopupMenu(MenuItem& menu, int flags, float x, float y, MenuItem* defaultItem);

    // What assistive technology is told the window is called.
    AccessibleFace accessible;
    // Press and release on the form's own background.
    MouseHandler MouseDown;
    MouseHandler MouseUp;
    // Screen position and outer size in twips.
    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    void SetLeft(float twips);
    void SetTop(float twips);
    // Sets the window's icon from an icon resource of the component.
    void SetIconResource(int id);

    // The form that owns a window, or nullptr.
    static Form* FromHandle(HWND window) noexcept;
    // Unloads and destroys the calling thread's forms, as its end must.
    static void UnloadThreadForms() noexcept;
    // Shows the user the failure of an event handler in flight (called from
    // a catch block); events have no caller to return it to.
    static void ReportFailure() noexcept;

protected:
    // Creates the hidden window with the client area given in twips.
    Form(const std::wstring& caption, float clientWidth, float clientHeight, OLE_COLOR back);
    virtual ~Form();

    // The unload step, run before the window goes.
    virtual void OnUnload() {}
    // After the form has laid itself out at another density: what the form
    // draws of its own there (its outline).
    virtual void OnDensityChanged() {}
    virtual LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // The tab order: the first control gets the focus when the form is shown.
    void SetTabOrder(std::initializer_list<Control*> order) { tabOrder_.Set(order); }
    // The button that Enter presses wherever the focus is (another button
    // with the focus takes Enter itself).
    void SetDefaultButton(Control& button);

private:
    friend class Control;
    friend class Timer;
    friend class FormEvent;
    friend class MoveLoop;
    template <typename F> friend class Instance;

    void Add(Control* control) { controls_.push_back(control); }
    void SetToolTip(HWND control, const std::wstring& text);
    // Lays the window and its controls out at density, at the place given
    // in pixels of the screen.
    void ChangeDensity(const Density& density, POINT at);
    SIZE FrameSize() const;
    void Remove(Control* control);
    Control* ControlOf(HWND window) const noexcept;
    int NextId() noexcept { return nextId_++; }
    void Add(Timer* timer) { timers_.push_back(timer); }
    void Remove(Timer* timer);
    int TabIndexOf(const Control* control) const noexcept { return tabOrder_.IndexOf(control); }
    void MoveInTabOrder(Control* control, int index) { tabOrder_.Move(control, index, window_); }
    void EndMoveLoop() noexcept;
    void DestroyedFromOutside() noexcept;
    void Enter() noexcept { ++depth_; }
    void Leave() noexcept;

    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM) noexcept;

    HWND window_ = nullptr;
    Density density_;
    // The client area's design size in twips.
    float clientWidth_, clientHeight_;
    FormBackground background_;
    HWND toolTips_ = nullptr;
    std::vector<Control*> controls_;
    std::vector<Timer*> timers_;
    TabOrder tabOrder_;
    HWND lastFocus_ = nullptr;
    int defaultId_ = 0;
    int nextId_ = 100;
    int depth_ = 0;
    int moving_ = 0;
    bool unloaded_ = false;
    bool deletePending_ = false;
    // Destroyed from outside: the object goes with its window.
    bool orphaned_ = false;
    ThreadForms thread_{*this};
    // Set by the per-thread instance: forgets the form when it unloads.
    std::function<void()> detach_;
};

// Keeps a form alive across an event that may unload it.
class FormEvent {
public:
    explicit FormEvent(Form& form) noexcept : form_(form) { form_.Enter(); }
    ~FormEvent() { form_.Leave(); }
    FormEvent(const FormEvent&) = delete;
    FormEvent& operator=(const FormEvent&) = delete;

private:
    Form& form_;
};

// Marks the form as moved by the window system's move loop while it lives.
class MoveLoop {
public:
    explicit MoveLoop(Form& form) noexcept : form_(form) { ++form_.moving_; }
    ~MoveLoop() { --form_.moving_; }
    MoveLoop(const MoveLoop&) = delete;
    MoveLoop& operator=(const MoveLoop&) = delete;

private:
    Form& form_;
};

}  // namespace vestrel::forms
