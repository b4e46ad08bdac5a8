// The form that carries the checker window's right-button menu. It is never
// shown; one per thread, reached through PopupInstance.
#pragma once
#include <wrl/client.h>
#include "forms/form.h"
#include "forms/instance.h"
#include "forms/menu.h"

namespace vestrel {

class PopupMenuForm final : public forms::Form {
public:
    PopupMenuForm();

    forms::MenuItem mnuVerificar;
    forms::MenuItem mnuRayaUno;
    forms::MenuItem mnuHelp;
    forms::MenuItem mnuRayaDos;
    forms::MenuItem mnuMinimizar;
    forms::MenuItem mnuClose;
    // The menu that pops up; its entries are the ones above.
    forms::MenuItem mnuPopupMenu;

private:
    void Check();
    void Help();
    void Minimise();
    void Close();

    // The engine object of the menu's last check, or of the close while it runs.
    Microsoft::WRL::ComPtr<IDispatch> mLib;
};

using PopupInstance = forms::Instance<PopupMenuForm>;

}  // namespace vestrel
