#include "skin/chrome/TsuiTitleBarSection.h"

#include "runtime/Application.h"
#include "runtime/MessageService.h"

TsuiTitleBarSection::TsuiTitleBarSection(TitleBarCollection<TsuiTitleBarSection>* collection) : m_collection(collection)
{
}

void TsuiTitleBarSection::setWidth(int width)
{
    m_width = width;
    changed();
}

void TsuiTitleBarSection::setAlign(TsuiTitleBarAlign align)
{
    if (align == suiClient) {
        for (int i = 0; i < m_collection->Count(); ++i) {
            if (m_collection->Items(i)->Align() == suiClient) {
                runtime::MessageBox(nullptr,
                                    QStringLiteral("Sorry, only one section's Align property can be \"suiClient\""),
                                    runtime::Application::title(), runtime::MbOk | runtime::MbIconError);
                return;
            }
        }
        m_stretch = true;
    }
    m_align = align;
    changed();
}

void TsuiTitleBarSection::setPicture(const QImage* picture)
{
    m_picture = picture ? *picture : QImage();
    if (picture && m_autoSize)
        m_width = m_picture.width();
    changed();
}

void TsuiTitleBarSection::setStretch(bool stretch)
{
    // The client piece always fills the gap, so it cannot be unstretched.
    m_stretch = stretch || m_align == suiClient;
    changed();
}

void TsuiTitleBarSection::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    // The width follows the picture whatever was written.
    if (!m_picture.isNull())
        m_width = m_picture.width();
    changed();
}

void TsuiTitleBarSection::Assign(const TsuiTitleBarSection& source)
{
    setWidth(source.Width());
    setAlign(source.Align());
    setPicture(&source.Picture());
    setStretch(source.Stretch());
    setAutoSize(source.AutoSize());
}
