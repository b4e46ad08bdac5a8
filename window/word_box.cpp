#include "word_box.h"
#include "core/variant.h"
#include "checker_window.h"

namespace vestrel {
namespace {

VARIANT_BOOL Bool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

BSTR NewBstr(const std::wstring& text) { return Bstr(text).Detach(); }

}  // namespace

HRESULT WordBox::With(const std::function<void(forms::TextBox&)>& body) noexcept {
    return Guarded([&] { body(CheckerInstance::Get().txtWord); });
}

STDMETHODIMP WordBox::get_Text(BSTR* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return NewBstr(box.Text()); });
}
STDMETHODIMP WordBox::put_Text(BSTR value) noexcept {
    return With([&](forms::TextBox& box) { box.SetText(FromBstr(value)); });
}
STDMETHODIMP WordBox::get_SelStart(long* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return static_cast<long>(box.SelStart()); });
}
STDMETHODIMP WordBox::put_SelStart(long value) noexcept {
    return With([&](forms::TextBox& box) { box.SetSelStart(value); });
}
STDMETHODIMP WordBox::get_SelLength(long* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return static_cast<long>(box.SelLength()); });
}
STDMETHODIMP WordBox::put_SelLength(long value) noexcept {
    return With([&](forms::TextBox& box) { box.SetSelLength(value); });
}
STDMETHODIMP WordBox::get_SelText(BSTR* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return NewBstr(box.SelText()); });
}
STDMETHODIMP WordBox::put_SelText(BSTR value) noexcept {
    return With([&](forms::TextBox& box) { box.SetSelText(FromBstr(value)); });
}
STDMETHODIMP WordBox::get_MaxLength(long* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return static_cast<long>(box.MaxLength()); });
}
STDMETHODIMP WordBox::put_MaxLength(long value) noexcept {
    return With([&](forms::TextBox& box) { box.SetMaxLength(value); });
}
STDMETHODIMP WordBox::get_Locked(VARIANT_BOOL* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return Bool(box.Locked()); });
}
STDMETHODIMP WordBox::put_Locked(VARIANT_BOOL value) noexcept {
    return With([&](forms::TextBox& box) { box.SetLocked(value != VARIANT_FALSE); });
}
STDMETHODIMP WordBox::get_Enabled(VARIANT_BOOL* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return Bool(box.Enabled()); });
}
STDMETHODIMP WordBox::put_Enabled(VARIANT_BOOL value) noexcept {
    return With([&](forms::TextBox& box) { box.SetEnabled(value != VARIANT_FALSE); });
}
STDMETHODIMP WordBox::get_Visible(VARIANT_BOOL* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return Bool(box.Visible()); });
}
STDMETHODIMP WordBox::put_Visible(VARIANT_BOOL value) noexcept {
    return With([&](forms::TextBox& box) { box.SetVisible(value != VARIANT_FALSE); });
}
STDMETHODIMP WordBox::get_Left(float* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return box.Left(); });
}
STDMETHODIMP WordBox::put_Left(float value) noexcept {
    return With([&](forms::TextBox& box) { box.SetLeft(value); });
}
STDMETHODIMP WordBox::get_Top(float* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return box.Top(); });
}
STDMETHODIMP WordBox::put_Top(float value) noexcept {
    return With([&](forms::TextBox& box) { box.SetTop(value); });
}
STDMETHODIMP WordBox::get_Width(float* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return box.Width(); });
}
STDMETHODIMP WordBox::put_Width(float value) noexcept {
    return With([&](forms::TextBox& box) { box.SetWidth(value); });
}
STDMETHODIMP WordBox::get_Height(float* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return box.Height(); });
}
STDMETHODIMP WordBox::put_Height(float value) noexcept {
    return With([&](forms::TextBox& box) { box.SetHeight(value); });
}
STDMETHODIMP WordBox::get_BackColor(OLE_COLOR* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return box.BackColor(); });
}
STDMETHODIMP WordBox::put_BackColor(OLE_COLOR value) noexcept {
    return With([&](forms::TextBox& box) { box.SetBackColor(value); });
}
STDMETHODIMP WordBox::get_ForeColor(OLE_COLOR* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return box.ForeColor(); });
}
STDMETHODIMP WordBox::put_ForeColor(OLE_COLOR value) noexcept {
    return With([&](forms::TextBox& box) { box.SetForeColor(value); });
}
STDMETHODIMP WordBox::get_FontName(BSTR* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return NewBstr(box.GetFont().name); });
}
STDMETHODIMP WordBox::put_FontName(BSTR value) noexcept {
    return With([&](forms::TextBox& box) {
        forms::Font font = box.GetFont();
        font.name = FromBstr(value);
        box.SetFont(font);
    });
}
STDMETHODIMP WordBox::get_FontSize(float* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return box.GetFont().size; });
}
STDMETHODIMP WordBox::put_FontSize(float value) noexcept {
    return With([&](forms::TextBox& box) {
        forms::Font font = box.GetFont();
        font.size = value;
        box.SetFont(font);
    });
}
STDMETHODIMP WordBox::get_FontBold(VARIANT_BOOL* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return Bool(box.GetFont().bold); });
}
STDMETHODIMP WordBox::put_FontBold(VARIANT_BOOL value) noexcept {
    return With([&](forms::TextBox& box) {
        forms::Font font = box.GetFont();
        font.bold = value != VARIANT_FALSE;
        box.SetFont(font);
    });
}
STDMETHODIMP WordBox::get_hWnd(long* value) noexcept {
    return Get(value, [](forms::TextBox& box) { return static_cast<long>(reinterpret_cast<INT_PTR>(box.Handle())); });
}
STDMETHODIMP WordBox::SetFocus() noexcept {
    return With([](forms::TextBox& box) { box.SetFocus(); });
}

}  // namespace vestrel
