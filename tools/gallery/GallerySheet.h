#pragma once

#include "skin/theme/TsuiFileTheme.h"
#include "skin/theme/UIStyle.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

// One gallery page: sections of labelled pictures of controls, laid out in
// rows and rendered into one image. Controls are made on a shown host
// window (so focus and hover states are real), put into a state, and their
// picture is taken at once.
class GallerySheet {
public:
    GallerySheet(TsuiUIStyle style, TsuiFileTheme* fileTheme);
    ~GallerySheet();

    TsuiUIStyle style() const { return m_style; }
    TsuiFileTheme* fileTheme() const { return m_fileTheme; }
    // "DeepBlue", or the theme file's name, unless named otherwise.
    QString styleName() const;
    void setStyleName(const QString& name) { m_name = name; }

    // A control of class T on the host window, with the sheet's theme
    // applied through its published FileTheme and UIStyle properties.
    template <class T>
    T* make()
    {
        T* control = new T(host());
        applyTheme(control);
        return control;
    }
    QWidget* host();

    void beginSection(const QString& title);
    // Takes the control's picture now (and hides the control).
    void add(const QString& label, QWidget* control);
    void add(const QString& label, const QImage& picture);

    // Put a control into a look before its picture is taken.
    static void hover(QWidget* control);
    static void press(QWidget* control);
    static void release(QWidget* control);
    static void focus(QWidget* control);

    QImage render() const;

private:
    struct Cell {
        QString label;
        QImage picture;
    };
    struct Section {
        QString title;
        QList<Cell> cells;
    };

    void applyTheme(QWidget* control);

    TsuiUIStyle m_style;
    TsuiFileTheme* m_fileTheme;
    QString m_name;
    std::unique_ptr<QWidget> m_host;
    QList<Section> m_sections;
};
