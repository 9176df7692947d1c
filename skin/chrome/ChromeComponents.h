#pragma once

// Makes the window chrome (TsuiForm, TsuiPopupMenu) known to stored form
// descriptions by their class names.
void RegisterChromeComponents();
