// Lets the window events waiting on this thread run, as a long handler
// does to keep its windows alive. Any handler may run meanwhile, one that
// unloads the caller's own form too.
#pragma once

namespace vestrel::forms {

void DoEvents();

}  // namespace vestrel::forms
