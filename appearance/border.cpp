#include "appearance/border.h"

namespace vestrel {

using namespace appearance;

// The window, then Label1 to Label3; Label3's is the answer.
using Labels = Several<&CheckerWindow::Label1, &CheckerWindow::Label2, &CheckerWindow::Label3>;

STDMETHODIMP Border::get_BackColor(WBColor* v) noexcept {
    return Read(v, [](Window& w) {
        w.BackColor();
        return static_cast<WBColor>(Labels::ReadLast([](auto& label) { return label.BackColor(); }));
    });
}

STDMETHODIMP Border::put_BackColor(WBColor v) noexcept {
    return Write([&](Window& w) {
        const OLE_COLOR colour = static_cast<OLE_COLOR>(v);
        w.SetBackColor(colour);
        Labels::WriteEach([&](auto& label) { label.SetBackColor(colour); });
    });
}

STDMETHODIMP Border::get_Picture(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window& w) { return Variant::Object(w.PictureObject()); });
}

STDMETHODIMP Border::put_Picture(VARIANT v) noexcept {
    return Write([&](Window& w) { w.SetPictureObject(ToPicture(v).Get()); });
}

}  // namespace vestrel
