#pragma once

#include "widgets/SpeedButton.h"

#include <QImage>
#include <QKeySequence>
#include <QObject>
#include <QPointer>

// The published face of one embedded button of a lookup edit: most
// properties go straight to the button; the shortcut is kept here. The
// lookup edit owns both the wrapper and the button.
class TAHMButtonClass : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(QString Hint READ hint WRITE setHint)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(int NumGlyphs READ numGlyphs WRITE setNumGlyphs)
    Q_PROPERTY(QImage Glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(QKeySequence ShortCutKey READ shortCutKey WRITE setShortCutKey)
public:
    TAHMButtonClass(widgets::SpeedButton* button, QObject* parent);

    widgets::SpeedButton* button() const { return m_button; }

    QString caption() const;
    void setCaption(const QString& caption);
    // Whether the button is shown whenever its edit is.
    bool isVisible() const;
    void setVisible(bool visible);
    bool isEnabled() const;
    void setEnabled(bool enabled);
    QString hint() const { return m_hint; }
    void setHint(const QString& hint);
    bool showHint() const { return m_showHint; }
    void setShowHint(bool on);
    int numGlyphs() const;
    void setNumGlyphs(int count);
    QImage glyph() const;
    void setGlyph(const QImage& glyph);
    // Empty means no shortcut.
    QKeySequence shortCutKey() const { return m_shortCutKey; }
    void setShortCutKey(const QKeySequence& key) { m_shortCutKey = key; }

    // Copies every published value of another wrapper into this one; the
    // button stays this wrapper's own.
    void assign(const TAHMButtonClass& other);

signals:
    // The button was shown or hidden: its edit places the buttons and its
    // text area anew.
    void visibilityChanged();

private:
    void applyHint();

    QPointer<widgets::SpeedButton> m_button;
    QString m_hint;
    bool m_showHint = false;
    QKeySequence m_shortCutKey;
};
