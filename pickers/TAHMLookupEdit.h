#pragma once

#include "pickers/TAHMCustomLookupEdit.h"

// A lookup edit with both buttons showing their own glyphs; what a click
// does is left to the OnButton1Click and OnButton2Click handlers.
class TAHMLookupEdit : public TAHMCustomLookupEdit {
    Q_OBJECT
public:
    explicit TAHMLookupEdit(QWidget* parent = nullptr);
};
