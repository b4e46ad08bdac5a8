#include "forms/command_button.h"
#include "com/errors.h"
#include "forms/form.h"

namespace vestrel::forms {

CommandButton::CommandButton(Form& form, const std::wstring& caption, const Placement& placement, const Font& font)
    : Control(form, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0, placement,
              {0xC0C0C0, COLOR_BTNTEXT | 0x80000000u}, font) {
    SetText(caption);
}

void CommandButton::SetPicture(IPictureDisp* picture) {
    picture_ = picture;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CommandButton::Notified(WORD code) {
    if (code == BN_CLICKED) Raise(Click);
}

LRESULT CommandButton::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    // The dialog manager moves the default look between buttons with
    // BM_SETSTYLE, which would turn a drawn button into a plain one.
    // A button with the focus takes Enter itself, as push buttons do.
    case WM_GETDLGCODE:
        return DLGC_BUTTON | (ShowsDefault() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The default frame moves with the focus between buttons.
        for (HWND sibling = GetWindow(GetParent(Handle()), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT))
            if (GetWindowLongW(sibling, GWL_STYLE) & BS_OWNERDRAW) InvalidateRect(sibling, nullptr, FALSE);
        break;
    case BM_SETSTYLE:
        defaultLook_ = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        if (lParam) InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    }
    return Default(message, wParam, lParam);
}

// The focused button, or the default one while no other button has the focus.
bool CommandButton::ShowsDefault() const {
    const HWND focus = GetFocus();
    if (focus == Handle()) return true;
    wchar_t type[16] = {};
    const bool otherButton = focus && GetParent(focus) == GetParent(Handle()) && GetClassNameW(focus, type, 16) &&
                             _wcsicmp(type, L"Button") == 0;
    return defaultLook_ && !otherButton;
}

void CommandButton::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    if (ShowsDefault()) {
        FrameRect(dc, &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&face, -1, -1);
    }
    UniqueHandle<HBRUSH, DeleteObject> back(SolidBrush(BackColor()));
    FillRect(dc, &face, back.get());
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT content = face;
    InflateRect(&content, -3, -3);
    if (pressed) OffsetRect(&content, 1, 1);
    if (picture_) {
        Microsoft::WRL::ComPtr<IPicture> picture;
        OLE_XSIZE_HIMETRIC width = 0;
        OLE_YSIZE_HIMETRIC height = 0;
        if (SUCCEEDED(picture_.As(&picture)) && SUCCEEDED(picture->get_Width(&width)) &&
            SUCCEEDED(picture->get_Height(&height)) && width > 0 && height > 0) {
            // HIMETRIC to pixels of the screen, centred above the caption.
            const int w = MulDiv(width, form_.GetDensity().X(), 2540);
            const int h = MulDiv(height, form_.GetDensity().Y(), 2540);
            const int x = (content.left + content.right - w) / 2;
            const int y = content.top;
            picture->Render(dc, x, y, w, h, 0, height, width, -height, nullptr);
            content.top += h;
        }
    }
    SetBkMode(dc, TRANSPARENT);
    const Selected font(dc, FontHandle());
    SetTextColor(dc, (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : ToRgb(ForeColor()));
    const std::wstring caption = Text();
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &content,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = face;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace vestrel::forms
