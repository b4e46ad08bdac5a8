// A menu entry of a form: its caption ("-" for a separator line), its
// state, its command and its own entries. The entries of a menu that pops
// up are its children.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace vestrel::forms {

class Form;

class MenuItem {
public:
    MenuItem(Form& owner, std::wstring caption, std::vector<MenuItem*> items = {});
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    Form& Owner() const noexcept { return owner_; }
    const std::wstring& Caption() const noexcept { return caption_; }
    bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled) noexcept { enabled_ = enabled; }
    bool Visible() const noexcept { return visible_; }
    void SetVisible(bool visible) noexcept { visible_ = visible; }

    std::function<void()> Click;

    // A Windows popup menu of the entries; commands gets each command entry
    // at the index of its identifier less one. The caller destroys it.
    HMENU Build(std::vector<MenuItem*>& commands, const MenuItem* defaultItem) const;

private:
    Form& owner_;
    std::wstring caption_;
    std::vector<MenuItem*> items_;
    bool enabled_ = true;
    bool visible_ = true;
};

}  // namespace vestrel::forms
