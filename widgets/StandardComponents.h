#pragma once

namespace widgets {

// Makes the runtime's own controls (TLabel, TBevel, TImage) known to stored
// form descriptions by their class names.
void RegisterStandardComponents();

} // namespace widgets
