#include "skin/controls/ComboListStyle.h"

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

int ComboListStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                              QStyleHintReturn* returnData) const
{
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
