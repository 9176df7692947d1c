#pragma once

namespace app {

// True when Qt has somewhere to show windows: a platform chosen explicitly,
// an X display or a Wayland display. Without one, Qt would abort at start.
bool HasDisplay();

} // namespace app
