#include "appearance/border.h"
#include "appearance/command_button.h"

namespace vestrel {

using namespace appearance;

// The window, then Label1 to Label3, each reached anew; Label3's is the answer.
STDMETHODIMP Border::get_BackColor(WBColor* v) noexcept {
    return Read(v, [](Window&) {
        CheckerInstance::Get().BackColor();
        CheckerInstance::Get().Label1.BackColor();
        CheckerInstance::Get().Label2.BackColor();
        return static_cast<WBColor>(CheckerInstance::Get().Label3.BackColor());
    });
}

STDMETHODIMP Border::put_BackColor(WBColor v) noexcept {
    return Write([&](Window& window) {
        const OLE_COLOR colour = static_cast<OLE_COLOR>(v);
        window.SetBackColor(colour);
        CheckerInstance::Get().Label1.SetBackColor(colour);
        CheckerInstance::Get().Label2.SetBackColor(colour);
        CheckerInstance::Get().Label3.SetBackColor(colour);
    });
}

STDMETHODIMP Border::get_Picture(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window& w) { return PictureVariant(w.PictureObject()); });
}

STDMETHODIMP Border::put_Picture(VARIANT v) noexcept {
    return Write([&](Window& w) { w.SetPictureObject(ToPicture(v).Get()); });
}

}  // namespace vestrel
