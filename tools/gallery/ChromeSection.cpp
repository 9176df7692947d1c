#include "GallerySections.h"
#include "GallerySheet.h"

#include "skin/chrome/TsuiForm.h"
#include "skin/chrome/TsuiTitleBarPopupMenu.h"

#include <QCoreApplication>
#include <QPainter>

#include <memory>

namespace {

// A small skinned window as the screen shows it: the host with its border
// and panel, cut to the window's outline (outside the rounded corners the
// desktop would show; here the sheet's white).
QImage windowPicture(QWidget* host)
{
    QCoreApplication::processEvents();
    QImage picture(host->size(), QImage::Format_ARGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const QRegion outline = host->mask().isEmpty() ? QRegion(host->rect()) : host->mask();
    painter.setClipRegion(outline);
    painter.drawImage(0, 0, host->grab().toImage());
    return picture;
}

std::unique_ptr<QWidget> skinnedWindow(GallerySheet& sheet, const QString& caption)
{
    auto host = std::make_unique<QWidget>();
    host->setWindowTitle(caption);
    auto* frame = new TsuiForm(host.get());
    if (sheet.fileTheme())
        frame->setFileTheme(sheet.fileTheme());
    frame->setUIStyle(sheet.style());
    host->resize(300, 150);
    host->show();
    return host;
}

void windowChrome(GallerySheet& sheet)
{
    std::unique_ptr<QWidget> host = skinnedWindow(sheet, QStringLiteral("Advanced QUARLEX (PDF to HTML)"));
    auto* frame = host->findChild<TsuiForm*>();
    TsuiTitleBar* bar = frame->TitleBar();
    sheet.add(QStringLiteral("active window"), windowPicture(host.get()));

    bar->setFormActive(false);
    sheet.add(QStringLiteral("inactive, caption cut"), [&] {
        host->resize(220, 150);
        return windowPicture(host.get());
    }());
    bar->setFormActive(true);
    host->resize(300, 150);

    // The system menu open under the control box, its second item selected.
    TsuiTitleBarPopupMenu* menu = bar->SystemMenu();
    bar->PopupSystemMenu(bar->mapToGlobal(QPoint(0, bar->height())));
    QCoreApplication::processEvents();
    menu->setActiveAction(menu->MaximizeItem());
    QImage withMenu = windowPicture(host.get());
    {
        QPainter painter(&withMenu);
        painter.drawImage(frame->x(), bar->height(), menu->Compose());
    }
    menu->hide();
    sheet.add(QStringLiteral("system menu"), withMenu);

    frame->setTitleBarVisible(false);
    sheet.add(QStringLiteral("title bar hidden"), windowPicture(host.get()));
}

const GallerySection chromeSection(60, "Window chrome", windowChrome);

} // namespace
