// BarTitle: the title label of the checker window and, for colour, tool
// tip and visibility, the band behind it.
#pragma once
#include "appearance/appearance.h"
#include "vestrel_h.h"

namespace vestrel {

inline forms::Label& TitleOf(CheckerWindow& window) { return window.Label4; }

class BarTitle final : public appearance::Styled<_BarTitle, &TitleOf> {
public:
    STDMETHODIMP get_FontSize(BTitleSize* v) noexcept override { return ReadStyle(fontSize_, v); }
    STDMETHODIMP put_FontSize(BTitleSize v) noexcept override;
    STDMETHODIMP get_Caption(VARIANT* v) noexcept override { return GetCaption(v); }
    STDMETHODIMP put_Caption(VARIANT v) noexcept override { return PutCaption(v); }
    STDMETHODIMP get_ForeColor(ConsColor* v) noexcept override { return GetForeColor(v); }
    STDMETHODIMP put_ForeColor(ConsColor v) noexcept override { return PutForeColor(v); }
    STDMETHODIMP get_FontBold(VARIANT_BOOL* v) noexcept override { return GetFlag<&forms::Font::bold>(v); }
    STDMETHODIMP put_FontBold(VARIANT_BOOL v) noexcept override { return PutFlag<&forms::Font::bold>(v); }
    STDMETHODIMP get_FontItalic(VARIANT_BOOL* v) noexcept override { return GetFlag<&forms::Font::italic>(v); }
    STDMETHODIMP put_FontItalic(VARIANT_BOOL v) noexcept override { return PutFlag<&forms::Font::italic>(v); }
    STDMETHODIMP get_FontUnderline(VARIANT_BOOL* v) noexcept override { return GetFlag<&forms::Font::underline>(v); }
    STDMETHODIMP put_FontUnderline(VARIANT_BOOL v) noexcept override { return PutFlag<&forms::Font::underline>(v); }
    STDMETHODIMP get_Alignment(Title* v) noexcept override { return ReadStyle(alignment_, v); }
    STDMETHODIMP put_Alignment(Title v) noexcept override { return PutAlignment(alignment_, v); }
    STDMETHODIMP get_BackColor(ConsColor* v) noexcept override;
    STDMETHODIMP put_BackColor(ConsColor v) noexcept override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL* v) noexcept override { return GetEnabled(v); }
    STDMETHODIMP put_Enabled(VARIANT_BOOL v) noexcept override { return PutEnabled(v); }
    STDMETHODIMP get_ToolTipText(VARIANT* v) noexcept override;
    STDMETHODIMP put_ToolTipText(VARIANT v) noexcept override;
    STDMETHODIMP get_Visible(VARIANT_BOOL* v) noexcept override;
    STDMETHODIMP put_Visible(VARIANT_BOOL v) noexcept override;
    STDMETHODIMP get_FontName(VARIANT* v) noexcept override { return GetFontName(v); }
    STDMETHODIMP put_FontName(VARIANT v) noexcept override { return PutFontName(v); }

private:
    // The font flags of the title are plain Booleans, not variants.
    template <bool forms::Font::*Flag>
    HRESULT GetFlag(VARIANT_BOOL* v) noexcept {
        return Read(v, [](Window& w) { return Bool(TitleOf(w).GetFont().*Flag); });
    }
    template <bool forms::Font::*Flag>
    HRESULT PutFlag(VARIANT_BOOL v) noexcept {
        return Write([&](Window& w) {
            forms::Font font = TitleOf(w).GetFont();
            font.*Flag = v != VARIANT_FALSE;
            TitleOf(w).SetFont(font);
        });
    }

    long fontSize_ = 0;
    long alignment_ = 0;
};

}  // namespace vestrel
