#pragma once

#include "skin/chrome/TitleBarCollection.h"
#include "skin/chrome/TitleBarTypes.h"
#include <QImage>

#include <QObject>

// One picture strip of the title bar's background: a left or right piece,
// or the client piece stretched between them.
class TsuiTitleBarSection : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(SuiChrome::TsuiTitleBarAlign Align READ Align WRITE setAlign)
    Q_PROPERTY(QImage Picture READ Picture WRITE setPictureImage)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)

public:
    explicit TsuiTitleBarSection(TitleBarCollection<TsuiTitleBarSection>* collection);

    int Width() const { return m_width; }
    void setWidth(int width);
    TsuiTitleBarAlign Align() const { return m_align; }
    void setAlign(TsuiTitleBarAlign align);
    const QImage& Picture() const { return m_picture; }
    // A null pointer stands for "no picture object given": the picture is
    // cleared and the width stays.
    void setPicture(const QImage* picture);
    void setPictureImage(const QImage& picture) { setPicture(&picture); }
    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    void Assign(const TsuiTitleBarSection& source);

private:
    void changed() { m_collection->Changed(); }

    TitleBarCollection<TsuiTitleBarSection>* m_collection;
    int m_width = 10;
    TsuiTitleBarAlign m_align = suiLeft;
    QImage m_picture;
    bool m_stretch = false;
    bool m_autoSize = false;
};

class TsuiTitleBarSections : public TitleBarCollection<TsuiTitleBarSection> {
public:
    using TitleBarCollection::TitleBarCollection;
};
