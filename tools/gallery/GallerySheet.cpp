#include "GallerySheet.h"

#include "skin/theme/Look.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMetaEnum>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int SheetWidth = 820;
constexpr int Margin = 16;
constexpr int CellGap = 18;

QFont sheetFont(int points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

QColor formBackground(TsuiUIStyle style, const TsuiFileTheme* theme)
{
    return runtime::ColorFromTColor(ResolveLook(theme, style).formBackground);
}

void sendMouse(QWidget* control, QEvent::Type type, QPoint at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, control->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &event);
}

} // namespace

GallerySheet::GallerySheet(TsuiUIStyle style, TsuiFileTheme* fileTheme) : m_style(style), m_fileTheme(fileTheme)
{
}

GallerySheet::~GallerySheet() = default;

QString GallerySheet::styleName() const
{
    if (!m_name.isEmpty())
        return m_name;
    if (m_style == TsuiUIStyle::FromThemeFile && m_fileTheme)
        return QStringLiteral("theme file %1").arg(QFileInfo(m_fileTheme->ThemeFile()).fileName());
    return QString::fromLatin1(QMetaEnum::fromType<TsuiUIStyle>().valueToKey(int(m_style)));
}

QWidget* GallerySheet::host()
{
    if (!m_host) {
        m_host = std::make_unique<QWidget>();
        m_host->resize(640, 400);
        QPalette p = m_host->palette();
        p.setColor(QPalette::Window, formBackground(m_style, m_fileTheme));
        m_host->setPalette(p);
        m_host->setAutoFillBackground(true);
        m_host->show();
        m_host->activateWindow();
        // Focus looks need an active window; the off-screen platform
        // activates at once, a real one within a few event passes.
        QElapsedTimer waited;
        waited.start();
        while (!m_host->isActiveWindow() && waited.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return m_host.get();
}

void GallerySheet::applyTheme(QWidget* control)
{
    control->move(Margin, Margin);
    if (m_fileTheme)
        control->setProperty("FileTheme", QVariant::fromValue(m_fileTheme));
    control->setProperty("UIStyle", QVariant::fromValue(m_style));
    control->show();
}

void GallerySheet::beginSection(const QString& title)
{
    m_sections.append({title, {}});
}

void GallerySheet::add(const QString& label, QWidget* control)
{
    QCoreApplication::processEvents();
    add(label, control->grab().toImage());
    control->hide();
}

void GallerySheet::add(const QString& label, const QImage& picture)
{
    if (m_sections.isEmpty())
        beginSection(QString());
    m_sections.last().cells.append({label, picture});
}

void GallerySheet::hover(QWidget* control)
{
    const QPoint at(control->width() / 2, control->height() / 2);
    QEnterEvent enter(at, control->mapTo(control->window(), at), control->mapToGlobal(at));
    QCoreApplication::sendEvent(control, &enter);
}

void GallerySheet::press(QWidget* control)
{
    hover(control);
    sendMouse(control, QEvent::MouseButtonPress, QPoint(control->width() / 2, control->height() / 2));
}

void GallerySheet::release(QWidget* control)
{
    sendMouse(control, QEvent::MouseButtonRelease, QPoint(-10, -10));
}

void GallerySheet::focus(QWidget* control)
{
    control->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

QImage GallerySheet::render() const
{
    const QFont titleFont = sheetFont(11, true), labelFont = sheetFont(8), headFont = sheetFont(14, true);
    const QFontMetrics titleMetrics(titleFont), labelMetrics(labelFont), headMetrics(headFont);

    // First pass places every cell; the second paints them.
    struct Placed {
        QPoint at;
        const Cell* cell;
        int width;
    };
    QList<Placed> placed;
    QList<QPair<int, QString>> titles;
    int y = Margin + headMetrics.height() + Margin;
    for (const Section& section : m_sections) {
        titles.append({y, section.title});
        y += titleMetrics.height() + 10;
        int x = Margin, rowHeight = 0;
        for (const Cell& cell : section.cells) {
            const int width = std::max(cell.picture.width(), labelMetrics.horizontalAdvance(cell.label));
            if (x > Margin && x + width > SheetWidth - Margin) {
                x = Margin;
                y += rowHeight + CellGap;
                rowHeight = 0;
            }
            placed.append({QPoint(x, y), &cell, width});
            rowHeight = std::max(rowHeight, cell.picture.height() + 4 + labelMetrics.height());
            x += width + CellGap;
        }
        y += rowHeight + Margin + 6;
    }

    QImage sheet(SheetWidth, y, QImage::Format_RGB32);
    sheet.fill(formBackground(m_style, m_fileTheme));
    QPainter p(&sheet);
    p.setFont(headFont);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.drawText(QRect(Margin, Margin, SheetWidth - 2 * Margin, headMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("QUARLEX skinned controls \u2014 %1").arg(styleName()));
    for (const auto& [top, title] : titles) {
        p.setFont(titleFont);
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.drawText(Margin, top + titleMetrics.ascent(), title);
        p.setPen(QColor(0, 0, 0, 60));
        p.drawLine(Margin, top + titleMetrics.height() + 3, SheetWidth - Margin, top + titleMetrics.height() + 3);
    }
    p.setFont(labelFont);
    for (const Placed& c : placed) {
        const int left = c.at.x() + (c.width - c.cell->picture.width()) / 2;
        p.drawImage(left, c.at.y(), c.cell->picture);
        p.setPen(QColor(0x50, 0x50, 0x50));
        p.drawText(QRect(c.at.x(), c.at.y() + c.cell->picture.height() + 4, c.width, labelMetrics.height()),
                   Qt::AlignHCenter | Qt::AlignTop, c.cell->label);
    }
    return sheet;
}
