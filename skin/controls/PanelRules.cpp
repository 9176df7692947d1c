#include "skin/controls/PanelRules.h"

QSize PanelAutoSize(QSize current, QSize picture, TAlign align)
{
    QSize size = current;
    if (align != alTop && align != alBottom && align != alClient)
        size.setWidth(picture.width());
    if (align != alLeft && align != alRight && align != alClient)
        size.setHeight(picture.height());
    return size;
}
