#pragma once

#include "skin/theme/UIStyle.h"

#include <QWidget>

// Stands in for the skinned form frame: a child whose class is named
// TsuiForm decides, by its UIStyle, the style new controls start with.
class TsuiForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ uiStyle)
public:
    explicit TsuiForm(QWidget* parent, TsuiUIStyle style);
    TsuiUIStyle uiStyle() const { return m_style; }

private:
    TsuiUIStyle m_style;
};
