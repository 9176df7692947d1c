#pragma once

#include "pickers/TAHMButtonClass.h"
#include "widgets/MaskEdit.h"

// A one-line masked edit with up to two small picture buttons inside its
// right edge. A click on a button (or its shortcut) raises OnButton1Click or
// OnButton2Click, on which the file and folder lookups open their dialogs.
// The text is kept clear of the buttons, and the edit never gets lower than
// its font needs.
class TAHMCustomLookupEdit : public widgets::MaskEdit {
    Q_OBJECT
    Q_PROPERTY(QString About READ about WRITE setAbout)
    Q_PROPERTY(TAlignment Alignment READ textAlignment WRITE setTextAlignment)
    Q_PROPERTY(TAHMButtonClass* EditButton1 READ editButton1 WRITE setEditButton1)
    Q_PROPERTY(TAHMButtonClass* EditButton2 READ editButton2 WRITE setEditButton2)
public:
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)

    explicit TAHMCustomLookupEdit(QWidget* parent = nullptr);
    ~TAHMCustomLookupEdit() override;

    // Button B, left of button A.
    TAHMButtonClass* editButton1() const { return m_editButton1; }
    void setEditButton1(TAHMButtonClass* source);
    // Button A, at the right edge.
    TAHMButtonClass* editButton2() const { return m_editButton2; }
    void setEditButton2(TAHMButtonClass* source);

    QString about() const { return m_about; }
    void setAbout(const QString& about) { m_about = about; }
    TAlignment textAlignment() const { return m_alignment; }
    void setTextAlignment(TAlignment alignment);

    // The lowest height showing a line of the current font.
    int GetMinHeight() const;
    // Places the buttons by the control's size.
    void PlaceButtons();
    // Narrows the text area by the visible buttons.
    void SetEditRect();

    // Pixels between the control's edge and its client area: the sunken
    // border that button places are measured from.
    int borderWidth() const;

signals:
    void OnButton1Click(QObject* sender);
    void OnButton2Click(QObject* sender);

protected:
    void DoButton1Click();
    void DoButton2Click();

    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void relayout();

    widgets::SpeedButton* m_buttonA = nullptr;
    widgets::SpeedButton* m_buttonB = nullptr;
    TAHMButtonClass* m_editButton2 = nullptr;
    TAHMButtonClass* m_editButton1 = nullptr;
    QString m_about;
    TAlignment m_alignment = taLeftJustify;
};
