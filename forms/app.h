// What the toolkit knows of the application it runs in: the component's own
// title, module name and version, all read from its version resource.
#pragma once
#include <string>

namespace vestrel::forms::app {

// The default title of message boxes ("Vestrel").
std::wstring Title();
// The module name without extension, as the component calls itself.
std::wstring ExeName();
int Major();
int Minor();
int Revision();

}  // namespace vestrel::forms::app
