#include "chrome.h"
#include "forms/twips.h"
#include "outline.h"

namespace vestrel::chrome {

HRGN ApplyOutline(forms::Form& form) {
    HRGN region = outline::BuildRegion(1.0f, 1.0f, 0, 0, forms::TwipsPerPixelX(), forms::TwipsPerPixelY());
    form.SetRegion(region, true);
    return region;
}

void Mover(forms::Form& form) {
    ReleaseCapture();
    const HWND window = form.Handle();
    forms::MoveLoop moving(form);
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace vestrel::chrome
