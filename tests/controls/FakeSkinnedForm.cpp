#include "FakeSkinnedForm.h"

TsuiForm::TsuiForm(QWidget* parent, TsuiUIStyle style) : QWidget(parent), m_style(style)
{
}
