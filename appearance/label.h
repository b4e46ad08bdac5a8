// The appearance objects of the three content labels: Label_Status drives
// the status label, Label_Suggestions and Label_txtWord the two captions.
// Every member but the stored alignment is the label's own.
#pragma once
#include "appearance/appearance.h"
#include "vestrel_h.h"

namespace vestrel {

template <typename Interface, typename Align, typename Color, auto Target>
class LabelBase : public appearance::Styled<Interface, Target> {
    using Base = appearance::Styled<Interface, Target>;

public:
    STDMETHODIMP get_Alignment(Align* v) noexcept override { return Base::ReadStyle(alignment_, v); }
    STDMETHODIMP put_Alignment(Align v) noexcept override { return Base::PutAlignment(alignment_, v); }
    STDMETHODIMP get_FontBold(VARIANT* v) noexcept override { return Base::template GetFontFlag<&forms::Font::bold>(v); }
    STDMETHODIMP put_FontBold(VARIANT v) noexcept override { return Base::template PutFontFlag<&forms::Font::bold>(v); }
    STDMETHODIMP get_FontItalic(VARIANT* v) noexcept override { return Base::template GetFontFlag<&forms::Font::italic>(v); }
    STDMETHODIMP put_FontItalic(VARIANT v) noexcept override { return Base::template PutFontFlag<&forms::Font::italic>(v); }
    STDMETHODIMP get_Top(VARIANT* v) noexcept override { return Base::GetTop(v); }
    STDMETHODIMP put_Top(VARIANT v) noexcept override { return Base::PutTop(v); }
    STDMETHODIMP get_Enabled(VARIANT_BOOL* v) noexcept override { return Base::GetEnabled(v); }
    STDMETHODIMP put_Enabled(VARIANT_BOOL v) noexcept override { return Base::PutEnabled(v); }
    STDMETHODIMP get_Visible(VARIANT_BOOL* v) noexcept override { return Base::GetVisible(v); }
    STDMETHODIMP put_Visible(VARIANT_BOOL v) noexcept override { return Base::PutVisible(v); }
    STDMETHODIMP get_ToolTipText(VARIANT* v) noexcept override { return Base::GetToolTipText(v); }
    STDMETHODIMP put_ToolTipText(VARIANT v) noexcept override { return Base::PutToolTipText(v); }
    STDMETHODIMP get_ForeColor(Color* v) noexcept override { return Base::GetForeColor(v); }
    STDMETHODIMP put_ForeColor(Color v) noexcept override { return Base::PutForeColor(v); }
    STDMETHODIMP get_FontName(VARIANT* v) noexcept override { return Base::GetFontName(v); }
    STDMETHODIMP put_FontName(VARIANT v) noexcept override { return Base::PutFontName(v); }
    STDMETHODIMP get_Left(VARIANT* v) noexcept override { return Base::GetLeft(v); }
    STDMETHODIMP put_Left(VARIANT v) noexcept override { return Base::PutLeft(v); }

private:
    long alignment_ = 0;
};

inline forms::Label& StatusLabelOf(CheckerWindow& window) { return window.Label3; }
inline forms::Label& SuggestionsCaptionOf(CheckerWindow& window) { return window.Label2; }
inline forms::Label& WordCaptionOf(CheckerWindow& window) { return window.Label1; }

// The status label has a size and no caption.
class LabelStatus final : public LabelBase<_Label_Status, Status, FColorStatus, &StatusLabelOf> {
public:
    STDMETHODIMP get_Height(VARIANT* v) noexcept override { return GetHeight(v); }
    STDMETHODIMP put_Height(VARIANT v) noexcept override { return PutHeight(v); }
    STDMETHODIMP get_Width(VARIANT* v) noexcept override { return GetWidth(v); }
    STDMETHODIMP put_Width(VARIANT v) noexcept override { return PutWidth(v); }
};

// The two captions have a caption and no size.
template <typename Interface, typename Align, typename Color, auto Target>
class CaptionLabel final : public LabelBase<Interface, Align, Color, Target> {
    using Base = appearance::Styled<Interface, Target>;

public:
    STDMETHODIMP get_Caption(VARIANT* v) noexcept override { return Base::GetCaption(v); }
    STDMETHODIMP put_Caption(VARIANT v) noexcept override { return Base::PutCaption(v); }
};

using LabelSuggestions = CaptionLabel<_Label_Suggestions, Suggestions, FCSuggestions, &SuggestionsCaptionOf>;
using LabelTxtWord = CaptionLabel<_Label_txtWord, posTxtWord, FCTxtWord, &WordCaptionOf>;

}  // namespace vestrel
