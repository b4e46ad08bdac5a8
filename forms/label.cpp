#include "forms/label.h"
#include "forms/form.h"

namespace vestrel::forms {
namespace {

DWORD AlignmentStyle(Alignment alignment, bool wordWrap = true) {
    switch (alignment) {
    case Alignment::Right: return SS_RIGHT;
    case Alignment::Center: return SS_CENTER;
    default: return wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
    }
}

}  // namespace

Label::Label(Form& form, const std::wstring& caption, const Placement& placement, const Font& font,
             Alignment alignment, bool visible)
    : Control(form, L"STATIC", SS_NOTIFY | AlignmentStyle(alignment) | (visible ? WS_VISIBLE : 0), 0, placement,
              {0xC0C0C0, COLOR_BTNTEXT | 0x80000000u}, font),
      alignment_(alignment) {
    TakeMouseOnPress();
    SetText(caption);
}

void Label::SetCaption(const std::wstring& caption) {
    if (Text() != caption) SetText(caption);
}

void Label::SetAlignment(Alignment alignment) {
    ChangeStyle(SS_TYPEMASK, AlignmentStyle(alignment, wordWrap_));
    alignment_ = alignment;
}

void Label::SetWordWrap(bool wrap) {
    ChangeStyle(SS_TYPEMASK, AlignmentStyle(alignment_, wrap));
    wordWrap_ = wrap;
}

void Label::SetBackColor(OLE_COLOR color) {
    Control::SetBackColor(color);
    transparent_ = false;
}

void Label::SetTransparent(bool transparent) {
    transparent_ = transparent;
    InvalidateRect(Handle(), nullptr, TRUE);
}

HBRUSH Label::Paint(HDC dc) {
    HBRUSH own = Control::Paint(dc);
    if (!transparent_) return own;
    // The form's own brush, aligned with the form, paints behind the text.
    SetBkMode(dc, TRANSPARENT);
    POINT origin{0, 0};
    MapWindowPoints(Handle(), form_.Handle(), &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    return form_.BackgroundBrush();
}

void Label::Notified(WORD code) {
    if (code == STN_CLICKED) Raise(Click);
    else if (code == STN_DBLCLK) Raise(DblClick);
}

}  // namespace vestrel::forms
