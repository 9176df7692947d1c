#pragma once

#include <QLineEdit>

namespace widgets {

// The runtime's one-line edit with an input mask, publishing the edit
// properties stored forms set by name. AutoSelect selects the whole text when
// the edit is entered other than by a left click; CharCase converts what
// the user types.
class MaskEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(QString EditMask READ inputMask WRITE setInputMask)
    Q_PROPERTY(int MaxLength READ maxLengthLimit WRITE setMaxLengthLimit)
    Q_PROPERTY(QString PasswordChar READ passwordChar WRITE setPasswordChar)
    Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(bool AutoSelect READ autoSelect WRITE setAutoSelect)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(TEditCharCase CharCase READ charCase WRITE setCharCase)
public:
    enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
    Q_ENUM(TEditCharCase)

    explicit MaskEdit(QWidget* parent = nullptr);

    // 0 means no limit.
    int maxLengthLimit() const;
    void setMaxLengthLimit(int length);
    // Empty shows the text; any character hides it.
    QString passwordChar() const { return m_passwordChar; }
    void setPasswordChar(const QString& c);
    bool autoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool on) { m_autoSelect = on; }
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on) { m_autoSize = on; }
    TEditCharCase charCase() const { return m_charCase; }
    void setCharCase(TEditCharCase value);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    QString m_passwordChar;
    bool m_autoSelect = true;
    bool m_autoSize = true;
    TEditCharCase m_charCase = ecNormal;
};

} // namespace widgets
