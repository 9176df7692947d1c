// Paint time of TsuiButton, TsuiCheckBox, TsuiProgressBar, TsuiToolBar and
// the frame's menu bar against QPushButton, QCheckBox, QProgressBar,
// QToolBar and QMenuBar of the same size, measured in the same run; prints
// the ratio skinned / native (goal: 1.0 or less). An argument measures only
// the controls whose name holds it: ControlsPaintBench "tool bar".

#include "runtime/Application.h"
#include "skin/chrome/FrameMenuBar.h"
#include "skin/chrome/TsuiForm.h"
#include "skin/chrome/TsuiMainMenu.h"
#include "skin/controls/TsuiButton.h"
#include "skin/controls/TsuiCheckBox.h"
#include "skin/controls/TsuiProgressBar.h"
#include "skin/controls/TsuiToolBar.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QImage>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Median time of one paint, in nanoseconds, over several batches.
double timePaint(const std::function<void()>& paintOnce)
{
    constexpr int Batches = 9, PerBatch = 300;
    for (int i = 0; i < 50; ++i)
        paintOnce(); // warm caches and fonts
    std::vector<double> times;
    for (int b = 0; b < Batches; ++b) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < PerBatch; ++i)
            paintOnce();
        times.push_back(double(timer.nsecsElapsed()) / PerBatch);
    }
    std::sort(times.begin(), times.end());
    return times[Batches / 2];
}

void render(QWidget& widget, QImage& target)
{
    widget.render(&target, QPoint(), QRegion(), QWidget::DrawChildren);
}

void hover(QWidget& widget, bool in)
{
    if (in) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(&widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&widget, &leave);
    }
}

void report(const char* what, double skinned, double native)
{
    std::printf("%-34s %9.1f us %9.1f us   ratio %.2f\n", what, skinned / 1000, native / 1000, skinned / native);
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    runtime::Application app(argc, argv);
    // An argument picks the controls whose name contains it, to profile one.
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const auto wanted = [&](const char* name) { return QString::fromLatin1(name).contains(only); };
    std::printf("%-34s %12s %12s\n", "paint", "skinned", "native");

    QWidget host;
    host.resize(600, 200);
    QImage target(600, 200, QImage::Format_RGB32);

    if (wanted("button")) {
        auto* skinned = new TsuiButton(&host);
        skinned->setUIStyle(TsuiUIStyle::BlueGlass);
        skinned->setCaption(QStringLiteral("Start"));
        skinned->resize(80, 35);
        auto* native = new QPushButton(QStringLiteral("Start"), &host);
        native->resize(80, 35);
        native->setAttribute(Qt::WA_Hover);
        report("button 80 x 35 (BlueGlass)", timePaint([&] { render(*skinned, target); }),
               timePaint([&] { render(*native, target); }));
        bool in = false;
        report("button hover repaint", timePaint([&] {
                   hover(*skinned, in = !in);
                   render(*skinned, target);
               }),
               timePaint([&] {
                   hover(*native, in = !in);
                   render(*native, target);
               }));
        skinned->setUIStyle(TsuiUIStyle::DeepBlue);
        report("button 80 x 35 (DeepBlue, opaque)", timePaint([&] { render(*skinned, target); }),
               timePaint([&] { render(*native, target); }));
    }
    if (wanted("check box")) {
        auto* skinned = new TsuiCheckBox(&host);
        skinned->setCaption(QStringLiteral("Merge paragraphs"));
        skinned->setAutoSize(false);
        skinned->resize(185, 17);
        auto* native = new QCheckBox(QStringLiteral("Merge paragraphs"), &host);
        native->resize(185, 17);
        report("check box 185 x 17", timePaint([&] { render(*skinned, target); }),
               timePaint([&] { render(*native, target); }));
    }
    if (wanted("progress bar")) {
        auto* skinned = new TsuiProgressBar(&host);
        skinned->setUIStyle(TsuiUIStyle::BlueGlass);
        skinned->resize(409, 12);
        auto* native = new QProgressBar(&host);
        native->resize(409, 12);
        native->setValue(50);
        int position = 0;
        report("progress bar 409 x 12, stepping", timePaint([&] {
                   skinned->setPosition(position++ % 101);
                   render(*skinned, target);
               }),
               timePaint([&] {
                   native->setValue(position++ % 101);
                   render(*native, target);
               }));
    }
    if (wanted("tool bar")) {
        const QStringList captions = {"Open", "Save", "Export", "Find", "Help"};
        auto* skinned = new TsuiToolBar(&host);
        skinned->setUIStyle(TsuiUIStyle::BlueGlass);
        auto* native = new QToolBar(&host);
        for (QToolBar* bar : {static_cast<QToolBar*>(skinned), native}) {
            bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            for (const QString& caption : captions)
                bar->addAction(caption)->setCheckable(caption == QLatin1String("Find"));
            bar->actions().at(3)->setChecked(true);
            bar->resize(400, 40);
            bar->show();
        }
        report("tool bar 5 buttons, 1 checked", timePaint([&] { render(*skinned, target); }),
               timePaint([&] { render(*native, target); }));
        QWidget* skinnedButton = skinned->widgetForAction(skinned->actions().at(1));
        QWidget* nativeButton = native->widgetForAction(native->actions().at(1));
        bool in = false;
        report("tool button hover repaint", timePaint([&] {
                   hover(*skinnedButton, in = !in);
                   render(*skinned, target);
               }),
               timePaint([&] {
                   hover(*nativeButton, in = !in);
                   render(*native, target);
               }));
    }
    if (wanted("menu bar")) {
        QWidget window;
        window.resize(600, 200);
        auto* frame = new TsuiForm(&window);
        frame->setUIStyle(TsuiUIStyle::BlueGlass);
        auto* menu = new TsuiMainMenu(&window);
        QMenuBar native(&host);
        for (const char* title : {"&File", "&Edit", "&View", "&Help"}) {
            menu->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
            native.addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
        }
        FrameMenuBar* skinned = frame->MenuBar();
        skinned->resize(400, 22);
        native.resize(400, 22);
        report("menu bar 4 menus", timePaint([&] { render(*skinned, target); }),
               timePaint([&] { render(native, target); }));
    }
    return 0;
}
