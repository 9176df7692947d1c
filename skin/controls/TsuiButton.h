#pragma once

#include "skin/controls/ControlEnums.h"
#include "skin/controls/SkinCache.h"
#include "skin/controls/TsuiCustomButton.h"

#include <QImage>

// The published push button: the style's three-frame skin stretched to the
// button with its corners kept, an optional glyph placed beside the caption,
// and the focus mark of its style (a bold caption in MacOS and BlueGlass
// where that shows, a dotted rectangle elsewhere).
class TsuiButton : public TsuiCustomButton {
    Q_OBJECT
    Q_PROPERTY(QImage Glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(SuiControls::TButtonLayout Layout READ layout WRITE setLayout)
    Q_PROPERTY(int Spacing READ spacing WRITE setSpacing)
    Q_PROPERTY(uint ResHandle READ resHandle WRITE setResHandle)

public:
    explicit TsuiButton(QWidget* parent = nullptr);
    ~TsuiButton() override;

    QImage glyph() const { return m_glyph; }
    void setGlyph(const QImage& glyph);
    TButtonLayout layout() const { return m_layout; }
    void setLayout(TButtonLayout layout);
    int spacing() const { return m_spacing; }
    void setSpacing(int spacing);
    // Kept so stored forms that carry it still load; always reads 0.
    uint resHandle() const { return 0; }
    void setResHandle(uint) {}

    void initStyleOption(ButtonOption* option) const override;

protected:
    void uiStyleChanged() override;
    void paintPic(runtime::Canvas& canvas, const ButtonOption& option, const QImage& picture) const override;
    void paintText(runtime::Canvas& canvas, const ButtonOption& option) const override;

private:
    QImage m_glyph;
    TButtonLayout m_layout = blGlyphLeft;
    int m_spacing = 4;
    mutable SkinCache m_skinCache;
};
