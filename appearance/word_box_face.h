// What the word box's two faces share: txtTWord restyles it for hosts, and
// the object Spelling.SendToForm hands out is the box itself. Both forward
// these members to the same frame over the same control, so the two cannot
// tell a host different things.
#pragma once
#include "appearance/appearance.h"

namespace vestrel {

inline forms::TextBox& WordBoxOf(CheckerWindow& window) { return window.txtWord; }

template <typename Interface>
class WordBoxFace : public appearance::Styled<Interface, &WordBoxOf> {
    using Base = appearance::Styled<Interface, &WordBoxOf>;

protected:
    using Window = CheckerWindow;

public:
    STDMETHODIMP get_Top(VARIANT* v) noexcept override { return Base::GetTop(v); }
    STDMETHODIMP put_Top(VARIANT v) noexcept override { return Base::PutTop(v); }
    STDMETHODIMP get_Left(VARIANT* v) noexcept override { return Base::GetLeft(v); }
    STDMETHODIMP put_Left(VARIANT v) noexcept override { return Base::PutLeft(v); }
    STDMETHODIMP get_Width(VARIANT* v) noexcept override { return Base::GetWidth(v); }
    STDMETHODIMP put_Width(VARIANT v) noexcept override { return Base::PutWidth(v); }
    STDMETHODIMP get_Height(VARIANT* v) noexcept override { return Base::GetHeight(v); }
    STDMETHODIMP put_Height(VARIANT v) noexcept override { return Base::PutHeight(v); }
    STDMETHODIMP get_Enabled(VARIANT_BOOL* v) noexcept override { return Base::GetEnabled(v); }
    STDMETHODIMP put_Enabled(VARIANT_BOOL v) noexcept override { return Base::PutEnabled(v); }
    STDMETHODIMP get_Visible(VARIANT_BOOL* v) noexcept override { return Base::GetVisible(v); }
    STDMETHODIMP put_Visible(VARIANT_BOOL v) noexcept override { return Base::PutVisible(v); }
    STDMETHODIMP get_FontName(VARIANT* v) noexcept override { return Base::GetFontName(v); }
    STDMETHODIMP put_FontName(VARIANT v) noexcept override { return Base::PutFontName(v); }
    STDMETHODIMP get_ToolTipText(VARIANT* v) noexcept override { return Base::GetToolTipText(v); }
    STDMETHODIMP put_ToolTipText(VARIANT v) noexcept override { return Base::PutToolTipText(v); }
    // The word itself, written untrimmed as any change of the box's text.
    STDMETHODIMP get_Text(VARIANT* v) noexcept override { return Base::GetCaption(v); }
    STDMETHODIMP put_Text(VARIANT v) noexcept override { return Base::PutCaption(v); }
    STDMETHODIMP get_Locked(VARIANT_BOOL* v) noexcept override {
        return Base::Read(v, [](Window& w) { return Bool(WordBoxOf(w).Locked()); });
    }
    STDMETHODIMP put_Locked(VARIANT_BOOL v) noexcept override {
        return Base::Write([&](Window& w) { WordBoxOf(w).SetLocked(v != VARIANT_FALSE); });
    }
    // A 32-bit integer: 0 is no limit of the window's own.
    STDMETHODIMP get_MaxLength(VARIANT* v) noexcept override {
        return Base::ReadVariant(v, [](Window& w) { return Variant::Long(WordBoxOf(w).MaxLength()); });
    }
    STDMETHODIMP put_MaxLength(VARIANT v) noexcept override {
        return Base::Write([&](Window& w) { WordBoxOf(w).SetMaxLength(appearance::ToLong(v)); });
    }
};

}  // namespace vestrel
