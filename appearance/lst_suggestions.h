// lst_Suggestions: the suggestion list of the checker window.
#pragma once
#include "appearance/appearance.h"
#include "vestrel_h.h"

namespace vestrel {

inline forms::ListBox& SuggestionListOf(CheckerWindow& window) { return window.lstSuggestions; }

class LstSuggestions final : public appearance::Styled<_lst_Suggestions, &SuggestionListOf> {
public:
    STDMETHODIMP get_Top(VARIANT* v) noexcept override { return GetTop(v); }
    STDMETHODIMP put_Top(VARIANT v) noexcept override { return PutTop(v); }
    STDMETHODIMP get_Left(VARIANT* v) noexcept override { return GetLeft(v); }
    STDMETHODIMP put_Left(VARIANT v) noexcept override { return PutLeft(v); }
    STDMETHODIMP get_Width(VARIANT* v) noexcept override { return GetWidth(v); }
    STDMETHODIMP put_Width(VARIANT v) noexcept override { return PutWidth(v); }
    STDMETHODIMP get_Height(VARIANT* v) noexcept override { return GetHeight(v); }
    STDMETHODIMP put_Height(VARIANT v) noexcept override { return PutHeight(v); }
    STDMETHODIMP get_BackColor(lstSuggestionsColor* v) noexcept override { return GetBackColor(v); }
    STDMETHODIMP put_BackColor(lstSuggestionsColor v) noexcept override { return PutBackColor(v); }
    STDMETHODIMP get_ForeColor(lstSuggestionsColor* v) noexcept override { return GetForeColor(v); }
    STDMETHODIMP put_ForeColor(lstSuggestionsColor v) noexcept override { return PutForeColor(v); }
    STDMETHODIMP get_Appearance(lstAppeareance* v) noexcept override { return ReadStyle(appearance_, v); }
    STDMETHODIMP put_Appearance(lstAppeareance v) noexcept override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL* v) noexcept override { return GetEnabled(v); }
    STDMETHODIMP put_Enabled(VARIANT_BOOL v) noexcept override { return PutEnabled(v); }
    STDMETHODIMP get_FontName(VARIANT* v) noexcept override { return GetFontName(v); }
    STDMETHODIMP put_FontName(VARIANT v) noexcept override { return PutFontName(v); }
    STDMETHODIMP get_Text(VARIANT* v) noexcept override;
    STDMETHODIMP put_Text(VARIANT v) noexcept override;
    STDMETHODIMP get_ToolTipText(VARIANT* v) noexcept override { return GetToolTipText(v); }
    STDMETHODIMP put_ToolTipText(VARIANT v) noexcept override { return PutToolTipText(v); }
    STDMETHODIMP get_Visible(VARIANT_BOOL* v) noexcept override { return GetVisible(v); }
    STDMETHODIMP put_Visible(VARIANT_BOOL v) noexcept override { return PutVisible(v); }
    // Copies the list's first entry into the word box; never fails.
    STDMETHODIMP Send() noexcept override;

private:
    long appearance_ = 0;
};

}  // namespace vestrel
