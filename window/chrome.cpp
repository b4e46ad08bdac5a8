#include "window/chrome.h"
#include "window/outline.h"

namespace vestrel::chrome {

void ApplyOutline(forms::Form& form) {
    const forms::Density& density = form.GetDensity();
    form.SetRegion(outline::BuildRegion(1.0f, 1.0f, 0, 0, density.TwipsPerPixelX(), density.TwipsPerPixelY()), true);
}

void Mover(forms::Form& form) {
    ReleaseCapture();
    const HWND window = form.Handle();
    forms::MoveLoop moving(form);
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace vestrel::chrome
