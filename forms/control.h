// A control of a form: a real Win32 child window with the properties that
// hosts read and write, in twips and OLE colours.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <functional>
#include <string>
#include "com/unique_handle.h"
#include "forms/accessible.h"
#include "forms/density.h"

namespace vestrel::forms {

class Form;

// Left, top, width and height in twips of the form's client area.
struct Placement {
    float left, top, width, height;
};

// A mouse press or release: the button (1 left, 2 right, 4 middle), the
// shift keys (1 Shift, 2 Ctrl, 4 Alt) and the point in twips of the window
// that received it.
struct MouseEvent {
    int button;
    int shift;
    float x, y;
};
using MouseHandler = std::function<void(const MouseEvent&)>;

// Reads a button message of a window laid out at density; false when the
// message is none.
bool ReadMouse(UINT message, WPARAM wParam, LPARAM lParam, const Density& density, MouseEvent& event,
               bool& pressed) noexcept;
// The window that took a press keeps the mouse until every button is up,
// so the release comes back to it wherever the pointer is.
void KeepMouse(HWND window, bool pressed, WPARAM keys) noexcept;

struct Font {
    std::wstring name = L"MS Sans Serif";
    float size = 8.25f;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
};

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND Handle() const noexcept { return window_; }
    int Id() const noexcept { return id_; }

    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    void SetLeft(float twips);
    void SetTop(float twips);
    void SetWidth(float twips);
    void SetHeight(float twips);

    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetFocus();
    // Whether Tab stops at the control.
    bool TabStop() const;
    void SetTabStop(bool stops);
    // The control's place in its form's tab order, from 0.
    int TabIndex() const;
    void SetTabIndex(int index);
    // Repaints the control at once.
    void Refresh();
    // Lays the control out anew at its form's density: the place it was
    // given in twips, its font in points.
    void Rescale();

    // The window text: a caption, a button's label, a text box's contents.
    std::wstring Text() const;
    void SetText(const std::wstring& text);
    // Counts the changes of the window text, whoever made them (the
    // toolkit, a host's WM_SETTEXT, the user's typing): whoever shows the
    // text elsewhere compares counts instead of reading the whole text.
    unsigned TextRevision() const noexcept { return textRevision_; }

    const Font& GetFont() const noexcept { return font_; }
    HFONT FontHandle() const noexcept { return fontHandle_.get(); }
    void SetFont(const Font& font);

    OLE_COLOR BackColor() const noexcept { return back_; }
    OLE_COLOR ForeColor() const noexcept { return fore_; }
    void SetBackColor(OLE_COLOR color);
    void SetForeColor(OLE_COLOR color);

    // A string the host or the form keeps with the control.
    const std::wstring& Tag() const noexcept { return tag_; }
    void SetTag(const std::wstring& tag) { tag_ = tag; }
    // Shown when the pointer rests on the control; empty for none.
    const std::wstring& ToolTipText() const noexcept { return toolTip_; }
    void SetToolTipText(const std::wstring& text);
    // A system cursor (IDC_HAND, IDC_SIZEALL) over the control; nullptr
    // for the class's own.
    void SetCursor(const wchar_t* systemCursor);
    // What assistive technology is told the control is called (and is).
    AccessibleFace accessible;

    std::function<void()> Click;
    std::function<void()> DblClick;
    // Press and release. A control that takes the mouse on a press gets the
    // release too, wherever the pointer is by then.
    MouseHandler MouseDown;
    MouseHandler MouseUp;

protected:
    struct Colors {
        OLE_COLOR back, fore;
    };
    Control(Form& form, const wchar_t* windowClass, DWORD style, DWORD exStyle,
            const Placement& placement, Colors colors, const Font& font, Control* container = nullptr);

    // Messages of the control's own window, before its class sees them.
    virtual LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification the control sent its form (WM_COMMAND code).
    virtual void Notified(WORD) {}
    // Runs a host-facing event handler; its failure is reported to the user.
    void Raise(const std::function<void()>& handler);
    void ChangeStyle(DWORD remove, DWORD add);
    // Makes the window anew with other styles, for styles Windows reads
    // only at creation: text, font, position, stacking, tool tip and focus
    // carry over, and CarryOver moves what the subclass keeps in its window.
    void Recreate(DWORD removeStyle, DWORD addStyle);
    virtual void CarryOver(HWND, HWND) {}
    // The control's own window changed its text without a WM_SETTEXT.
    void TextChanged() noexcept { ++textRevision_; }
    // Controls drawn by the toolkit (labels, images) take the mouse on a
    // press themselves; Windows controls do it their own way.
    void TakeMouseOnPress() noexcept { takesMouse_ = true; }
    // Paints what lies behind the control: the form's background, aligned.
    void PaintFormBackground(HDC dc, const RECT& area) const;
    // Controls the toolkit draws itself (images, shapes): Draw paints the
    // whole client area, with no background erased first.
    virtual void Draw(HDC, const RECT&) {}
    // Handles WM_PAINT and WM_ERASEBKGND through Draw; false for other messages.
    bool Painted(UINT message, LRESULT& result);

    Form& form_;

    // WM_CTLCOLOR*: the colours and brush the form hands back to Windows.
    virtual HBRUSH Paint(HDC dc);

private:
    friend class Form;
    void Place(const Placement& twips);
    void Mouse(UINT message, WPARAM wParam, LPARAM lParam);
    RECT Rect() const;
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR) noexcept;

    HWND window_ = nullptr;
    // The position as last set in twips: read back unchanged while the
    // window still has the pixels it gave, so design sizes survive rounding.
    Placement twips_;
    int id_;
    Font font_;
    OLE_COLOR back_, fore_;
    std::wstring tag_;
    std::wstring toolTip_;
    HCURSOR cursor_ = nullptr;
    bool takesMouse_ = false;
    unsigned textRevision_ = 0;
    UniqueHandle<HFONT, DeleteObject> fontHandle_;
    UniqueHandle<HBRUSH, DeleteObject> brush_;
};

// The text of any window.
std::wstring WindowText(HWND window);
// An OLE colour (possibly a system colour index) as a plain RGB value.
COLORREF ToRgb(OLE_COLOR color);
// A solid brush of an OLE colour; throws when the colour is not one.
HBRUSH SolidBrush(OLE_COLOR color);
// MS Sans Serif 8.25 point, bold: the face of the words and suggestions.
inline const Font kBoldFont{.bold = true};

}  // namespace vestrel::forms
