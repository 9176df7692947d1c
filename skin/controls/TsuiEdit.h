#pragma once

#include "skin/theme/LookSource.h"

#include <QColor>
#include <QLineEdit>

class TsuiFileTheme;

// The platform's single-line edit with a flat skin frame: after every native
// paint a one-pixel frame in BorderColor on the outer edge and a one-pixel
// frame of the edit's colour just inside it cover the 2-pixel band around
// the text area.
class TsuiEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(sui::TsuiUIStyle UIStyle READ uiStyle WRITE setUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ fileTheme WRITE setFileTheme)
    Q_PROPERTY(QColor BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)
    Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(QString PasswordChar READ passwordChar WRITE setPasswordChar)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)

public:
    explicit TsuiEdit(QWidget* parent = nullptr);

    TsuiUIStyle uiStyle() const { return m_look.style(); }
    void setUIStyle(TsuiUIStyle style);
    TsuiFileTheme* fileTheme() const { return m_look.fileTheme(); }
    void setFileTheme(TsuiFileTheme* theme);
    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& color);
    QColor color() const;
    void setColor(const QColor& color);
    // 0 (no limit) maps to the native edit's own maximum.
    int maxLength() const { return QLineEdit::maxLength() == 32767 ? 0 : QLineEdit::maxLength(); }
    void setMaxLength(int length) { QLineEdit::setMaxLength(length > 0 ? length : 32767); }
    // One character shown for each typed one; empty shows the text.
    QString passwordChar() const { return m_passwordChar; }
    void setPasswordChar(const QString& passwordChar);
    bool tabStop() const { return focusPolicy() != Qt::NoFocus && focusPolicy() != Qt::ClickFocus; }
    void setTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus); }

signals:
    // Focus moved to another control of the window (not to another window
    // or a popup menu): the moment a form checks what was typed.
    void exited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyStyle();
    LookSource m_look;
    QColor m_borderColor = Qt::black;
    QString m_passwordChar;
};
