#pragma once

#include "skin/controls/TsuiCustomPanel.h"

// The published image panel; the skinned form frame takes one as its client
// panel.
class TsuiImagePanel : public TsuiCustomPanel {
    Q_OBJECT
public:
    explicit TsuiImagePanel(QWidget* parent = nullptr) : TsuiCustomPanel(parent) {}
};
