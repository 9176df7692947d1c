#include "skin/controls/ComboListStyle.h"

#include "skin/controls/TsuiCustomComboBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>

ComboListStyle* ComboListStyle::shared()
{
    // A test program may make one application after another; each gets its own.
    static QPointer<ComboListStyle> style;
    if (!style) {
        style = new ComboListStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

void ComboListStyle::installForApplication()
{
    if (!isApplicationStyle())
        QApplication::setStyle(new ComboListStyle);
}

bool ComboListStyle::isApplicationStyle()
{
    return qobject_cast<const ComboListStyle*>(QApplication::style()) != nullptr;
}

int ComboListStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                              QStyleHintReturn* returnData) const
{
    // Only skinned boxes: the boxes of the program's dialogs keep the lists
    // of the desktop's style.
    if (hint == SH_ComboBox_Popup && qobject_cast<const TsuiCustomComboBox*>(widget))
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
