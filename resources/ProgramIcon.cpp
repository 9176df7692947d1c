#include "resources/ProgramIcon.h"

#include <QIconEngine>
#include <QPainter>

#include <optional>

namespace resources {

namespace {

// The icon's pictures are decoded when a picture is first asked for, not
// when the icon is made: windows take the icon at start-up, yet where
// nothing shows it (an off-screen window, a desktop that draws its own) the
// large picture would be decoded for nothing before the first paint. The
// sizes are known without decoding, so a window system asking which sizes
// there are decodes nothing either.
class DeferredIconEngine : public QIconEngine {
public:
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        if (m_icon)
            return m_icon->availableSizes(mode, state);
        if (mode != QIcon::Normal || state != QIcon::Off)
            return {};
        return {QSize(16, 16), QSize(256, 256)};
    }
    QString key() const override { return QStringLiteral("QUARLEX program icon"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon()
    {
        if (!m_icon) {
            m_icon.emplace();
            m_icon->addFile(QStringLiteral(":/bitmaps/MAINICON.bmp"), QSize(16, 16));
            m_icon->addFile(QStringLiteral(":/icons/quarlex.png"), QSize(256, 256));
        }
        return *m_icon;
    }

    std::optional<QIcon> m_icon;
};

} // namespace

QIcon ProgramIcon()
{
    return QIcon(new DeferredIconEngine);
}

} // namespace resources
