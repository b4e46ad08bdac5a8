#include "forms/menu.h"
#include "com/errors.h"
#include "com/unique_handle.h"

namespace vestrel::forms {

MenuItem::MenuItem(Form& owner, std::wstring caption, std::vector<MenuItem*> items)
    : owner_(owner), caption_(std::move(caption)), items_(std::move(items)) {}

HMENU MenuItem::Build(std::vector<MenuItem*>& commands, const MenuItem* defaultItem) const {
    UniqueHandle<HMENU, DestroyMenu> menu(CreatePopupMenu());
    if (!menu) throw ComError(LastError(), L"No se pudo crear el menú.");
    for (MenuItem* item : items_) {
        if (!item->visible_) continue;
        BOOL added;
        if (item->caption_ == L"-") {
            added = AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        } else if (!item->items_.empty()) {
            UniqueHandle<HMENU, DestroyMenu> sub(item->Build(commands, defaultItem));
            added = AppendMenuW(menu.get(), MF_POPUP | (item->enabled_ ? 0 : MF_GRAYED),
                                reinterpret_cast<UINT_PTR>(sub.get()), item->caption_.c_str());
            if (added) sub.release();  // the menu owns it now
        } else {
            commands.push_back(item);
            const UINT id = static_cast<UINT>(commands.size());
            added = AppendMenuW(menu.get(), MF_STRING | (item->enabled_ ? 0 : MF_GRAYED), id, item->caption_.c_str());
            if (added && item == defaultItem) SetMenuDefaultItem(menu.get(), id, FALSE);
        }
        if (!added) throw ComError(LastError(), L"No se pudo crear el menú.");
    }
    return menu.release();
}

}  // namespace vestrel::forms
