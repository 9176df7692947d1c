#include "widgets/MaskEdit.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QValidator>

namespace widgets {

namespace {

// Qt's own limit stands for "no limit".
constexpr int UnlimitedLength = 32767;

// Converts typed letters; it accepts everything, so an input mask still
// decides what may be typed.
class CaseValidator : public QValidator {
public:
    CaseValidator(MaskEdit::TEditCharCase charCase, QObject* parent) : QValidator(parent), m_charCase(charCase) {}
    State validate(QString& input, int&) const override
    {
        input = m_charCase == MaskEdit::ecUpperCase ? input.toUpper() : input.toLower();
        return Acceptable;
    }

private:
    MaskEdit::TEditCharCase m_charCase;
};

} // namespace

MaskEdit::MaskEdit(QWidget* parent) : QLineEdit(parent)
{
}

int MaskEdit::maxLengthLimit() const
{
    return maxLength() >= UnlimitedLength ? 0 : maxLength();
}

void MaskEdit::setMaxLengthLimit(int length)
{
    setMaxLength(length <= 0 ? UnlimitedLength : length);
}

void MaskEdit::setPasswordChar(const QString& c)
{
    m_passwordChar = c.left(1);
    setEchoMode(m_passwordChar.isEmpty() ? QLineEdit::Normal : QLineEdit::Password);
}

void MaskEdit::setCharCase(TEditCharCase value)
{
    if (value == m_charCase)
        return;
    m_charCase = value;
    delete dynamic_cast<const CaseValidator*>(validator());
    setValidator(value == ecNormal ? nullptr : new CaseValidator(value, this));
}

void MaskEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Entering by a left click keeps the caret where the user clicked.
    if (m_autoSelect && !(QGuiApplication::mouseButtons() & Qt::LeftButton))
        selectAll();
}

} // namespace widgets
