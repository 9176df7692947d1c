#pragma once

// Registers every class the main window's stored description names: the
// runtime's standard components, the skinned controls, the window chrome and
// the path pickers.
void RegisterFormComponents();
