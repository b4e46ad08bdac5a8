// The appearance object of one of the two command buttons: Check drives
// cmdCheck, cmdClose drives cmdClose. Both share one member list; neither
// keeps anything of its own.
#pragma once
#include "appearance/appearance.h"
#include "vestrel_h.h"

namespace vestrel {

template <typename Interface, typename Color, auto Target>
class CommandButtonStyle final : public appearance::Styled<Interface, Target> {
    using Base = appearance::Styled<Interface, Target>;
    using Window = CheckerWindow;

public:
    STDMETHODIMP get_BackColor(Color* v) noexcept override { return Base::GetBackColor(v); }
    STDMETHODIMP put_BackColor(Color v) noexcept override { return Base::PutBackColor(v); }
    STDMETHODIMP get_Caption(VARIANT* v) noexcept override { return Base::GetCaption(v); }
    STDMETHODIMP put_Caption(VARIANT v) noexcept override { return Base::PutCaption(v); }
    STDMETHODIMP get_Enabled(VARIANT_BOOL* v) noexcept override { return Base::GetEnabled(v); }
    STDMETHODIMP put_Enabled(VARIANT_BOOL v) noexcept override { return Base::PutEnabled(v); }
    STDMETHODIMP get_FontName(VARIANT* v) noexcept override { return Base::GetFontName(v); }
    STDMETHODIMP put_FontName(VARIANT v) noexcept override { return Base::PutFontName(v); }
    STDMETHODIMP get_Height(VARIANT* v) noexcept override { return Base::GetHeight(v); }
    STDMETHODIMP put_Height(VARIANT v) noexcept override { return Base::PutHeight(v); }
    STDMETHODIMP get_Width(VARIANT* v) noexcept override { return Base::GetWidth(v); }
    STDMETHODIMP put_Width(VARIANT v) noexcept override { return Base::PutWidth(v); }
    STDMETHODIMP get_Left(VARIANT* v) noexcept override { return Base::GetLeft(v); }
    STDMETHODIMP put_Left(VARIANT v) noexcept override { return Base::PutLeft(v); }
    STDMETHODIMP get_Top(VARIANT* v) noexcept override { return Base::GetTop(v); }
    STDMETHODIMP put_Top(VARIANT v) noexcept override { return Base::PutTop(v); }
    STDMETHODIMP get_Picture(VARIANT* v) noexcept override {
        return Base::ReadVariant(v, [](Window& w) { return Variant::Object(Target(w).Picture()); });
    }
    STDMETHODIMP put_Picture(VARIANT v) noexcept override {
        return Base::Write([&](Window& w) { Target(w).SetPicture(appearance::ToPicture(v).Get()); });
    }
    STDMETHODIMP get_ToolTipText(VARIANT* v) noexcept override { return Base::GetToolTipText(v); }
    STDMETHODIMP put_ToolTipText(VARIANT v) noexcept override { return Base::PutToolTipText(v); }
    STDMETHODIMP get_Visible(VARIANT_BOOL* v) noexcept override { return Base::GetVisible(v); }
    STDMETHODIMP put_Visible(VARIANT_BOOL v) noexcept override { return Base::PutVisible(v); }
    STDMETHODIMP get_FontBold(VARIANT* v) noexcept override { return Base::template GetFontFlag<&forms::Font::bold>(v); }
    STDMETHODIMP put_FontBold(VARIANT v) noexcept override { return Base::template PutFontFlag<&forms::Font::bold>(v); }
    STDMETHODIMP get_FontItalic(VARIANT* v) noexcept override { return Base::template GetFontFlag<&forms::Font::italic>(v); }
    STDMETHODIMP put_FontItalic(VARIANT v) noexcept override { return Base::template PutFontFlag<&forms::Font::italic>(v); }
    STDMETHODIMP get_FontUnderline(VARIANT* v) noexcept override {
        return Base::template GetFontFlag<&forms::Font::underline>(v);
    }
    STDMETHODIMP put_FontUnderline(VARIANT v) noexcept override {
        return Base::template PutFontFlag<&forms::Font::underline>(v);
    }
};

inline forms::CommandButton& CheckButtonOf(CheckerWindow& window) { return window.cmdCheck; }
inline forms::CommandButton& CloseButtonOf(CheckerWindow& window) { return window.cmdClose; }

using Check = CommandButtonStyle<_Check, BKckColor, &CheckButtonOf>;
using CmdClose = CommandButtonStyle<_cmdClose, BKColor, &CloseButtonOf>;

}  // namespace vestrel
