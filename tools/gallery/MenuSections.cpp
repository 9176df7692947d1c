#include "GallerySections.h"
#include "GallerySheet.h"

#include "skin/chrome/FrameMenuBar.h"
#include "skin/chrome/MenuBarButton.h"
#include "skin/chrome/TsuiForm.h"
#include "skin/chrome/TsuiMainMenu.h"
#include "skin/controls/TToolButton.h"
#include "skin/controls/TsuiButton.h"
#include "skin/controls/TsuiToolBar.h"

#include <QCoreApplication>
#include <QPainter>
#include <QToolButton>

#include <memory>

namespace {

// A small framed window with a File / Edit / Help main menu.
std::unique_ptr<QWidget> windowWithMenu(GallerySheet& sheet, TsuiForm*& frame)
{
    auto host = std::make_unique<QWidget>();
    host->setWindowTitle(QStringLiteral("History"));
    frame = new TsuiForm(host.get());
    auto* menu = new TsuiMainMenu(host.get());
    QMenu* file = menu->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    QAction* checked = file->addAction(QStringLiteral("&Newest first"));
    checked->setCheckable(true);
    checked->setChecked(true);
    file->addAction(QStringLiteral("&Export"))->setEnabled(false);
    file->addSeparator();
    file->addAction(QStringLiteral("&Close"));
    menu->addMenu(QStringLiteral("&Edit"))->addAction(QStringLiteral("&Copy"));
    menu->addMenu(QStringLiteral("&Help"))->setEnabled(false);
    if (sheet.fileTheme())
        frame->setFileTheme(sheet.fileTheme());
    frame->setUIStyle(sheet.style());
    host->resize(300, 180);
    host->show();
    return host;
}

QImage picture(QWidget* host)
{
    QCoreApplication::processEvents();
    return host->grab().toImage();
}

void mainMenu(GallerySheet& sheet)
{
    TsuiForm* frame = nullptr;
    std::unique_ptr<QWidget> host = windowWithMenu(sheet, frame);
    FrameMenuBar* bar = frame->MenuBar();
    sheet.add(QStringLiteral("menu bar at rest"), picture(host.get()));

    GallerySheet::hover(bar->Buttons().at(1));
    sheet.add(QStringLiteral("hot button"), picture(host.get()));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(bar->Buttons().at(1), &leave);

    // The File menu dropped down, its Open item selected, drawn where it
    // opens.
    bar->OpenMenu(0);
    QMenu* file = bar->Buttons().at(0)->Item()->menu();
    file->setActiveAction(file->actions().at(0));
    QImage open = picture(host.get());
    {
        QPainter painter(&open);
        const QPoint at = host->mapFromGlobal(file->pos());
        painter.drawImage(at, file->grab().toImage());
    }
    file->hide();
    sheet.add(QStringLiteral("File menu open"), open);
}

void toolBar(GallerySheet& sheet)
{
    auto* bar = sheet.make<TsuiToolBar>();
    bar->setIconSize(QSize(16, 16));
    QPixmap glyph(16, 16);
    glyph.fill(QColor(0x31, 0x69, 0xC6));
    auto add = [&](const QString& caption) {
        auto* item = new TToolButton(bar);
        item->setText(caption);
        item->setIcon(QIcon(glyph));
        return item;
    };
    add(QStringLiteral("Rest"));
    add(QStringLiteral("Hot"));
    add(QStringLiteral("Down"));
    TToolButton* checked = add(QStringLiteral("Checked"));
    checked->setStyle(TToolButton::tbsCheck);
    checked->setChecked(true);
    TToolButton* dropDown = add(QStringLiteral("Open"));
    dropDown->setStyle(TToolButton::tbsDropDown);
    auto* button = new TsuiButton(bar);
    button->setCaption(QStringLiteral("Button"));
    bar->addWidget(button);
    bar->resize(bar->sizeHint());
    bar->show();
    QCoreApplication::processEvents();
    auto widget = [&](int index) { return bar->widgetForAction(bar->actions().at(index)); };
    GallerySheet::hover(widget(1));
    GallerySheet::press(widget(2));
    QImage shot = bar->grab().toImage();
    GallerySheet::release(widget(2));
    sheet.add(QStringLiteral("rest, hot, down, checked"), shot);
    for (int i : {1, 2}) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(widget(i), &leave);
    }
    GallerySheet::hover(widget(4));
    sheet.add(QStringLiteral("hot drop-down"), bar);
}

const GallerySection mainMenuSection(62, "Main menu and menu bar", mainMenu);
const GallerySection toolBarSection(64, "Tool bar", toolBar);

} // namespace
