#pragma once

// Makes the skinned controls (TsuiButton, TsuiCheckBox, TsuiEdit,
// TsuiComboBox, TsuiProgressBar, TsuiImagePanel) known to stored form
// descriptions by their class names.
void RegisterControlComponents();
