// txtTWord: the word box of the checker window, restyled by the host. Its
// alignment, appearance and border style are stored styles.
#pragma once
#include "appearance/word_box_face.h"
#include "vestrel_h.h"

namespace vestrel {

class TxtTWord final : public WordBoxFace<_txtTWord> {
public:
    STDMETHODIMP get_BackColor(txtWordColor* value) noexcept override;
    STDMETHODIMP put_BackColor(txtWordColor value) noexcept override;
    STDMETHODIMP get_ForeColor(txtWordColor* value) noexcept override;
    STDMETHODIMP put_ForeColor(txtWordColor value) noexcept override;
    STDMETHODIMP get_Alignment(posTWord* value) noexcept override;
    STDMETHODIMP put_Alignment(posTWord value) noexcept override;
    STDMETHODIMP get_Appearance(txtAppeareance* value) noexcept override;
    STDMETHODIMP put_Appearance(txtAppeareance value) noexcept override;
    STDMETHODIMP get_BorderStyle(txtBorderStyle* value) noexcept override;
    STDMETHODIMP put_BorderStyle(txtBorderStyle value) noexcept override;

private:
    long alignment_ = 0;
    long appearance_ = 0;
    long borderStyle_ = 0;
};

}  // namespace vestrel
