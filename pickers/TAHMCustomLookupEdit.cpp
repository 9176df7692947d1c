#include "pickers/TAHMCustomLookupEdit.h"

#include "forms/FormLoader.h"
#include "pickers/LookupGeometry.h"
#include "widgets/SpeedButton.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// The sunken border of an edit is two pixels wide, the window border one.
constexpr int SunkenBorder = 2;
constexpr int WindowBorderHeight = 1;

Qt::Alignment qtAlignment(TAHMCustomLookupEdit::TAlignment alignment)
{
    switch (alignment) {
    case TAHMCustomLookupEdit::taRightJustify:
        return Qt::AlignRight | Qt::AlignVCenter;
    case TAHMCustomLookupEdit::taCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

widgets::SpeedButton* createButton(QWidget* edit, const char* name)
{
    auto* button = new widgets::SpeedButton(edit);
    button->setObjectName(QLatin1String(name));
    button->setCursor(Qt::ArrowCursor);
    return button;
}

} // namespace

TAHMCustomLookupEdit::TAHMCustomLookupEdit(QWidget* parent)
    : widgets::MaskEdit(parent)
    , m_buttonA(createButton(this, "buttonA"))
    , m_buttonB(createButton(this, "buttonB"))
    , m_editButton2(new TAHMButtonClass(m_buttonA, this))
    , m_editButton1(new TAHMButtonClass(m_buttonB, this))
{
    setAutoSize(false);
    setAlignment(qtAlignment(m_alignment));
    connect(m_buttonA, &QToolButton::clicked, this, &TAHMCustomLookupEdit::DoButton2Click);
    connect(m_buttonB, &QToolButton::clicked, this, &TAHMCustomLookupEdit::DoButton1Click);
    connect(m_editButton1, &TAHMButtonClass::visibilityChanged, this, &TAHMCustomLookupEdit::relayout);
    connect(m_editButton2, &TAHMButtonClass::visibilityChanged, this, &TAHMCustomLookupEdit::relayout);
    PlaceButtons();
}

TAHMCustomLookupEdit::~TAHMCustomLookupEdit()
{
    // No click may reach a half-destroyed edit.
    m_buttonA->disconnect(this);
    m_buttonB->disconnect(this);
}

void TAHMCustomLookupEdit::setEditButton1(TAHMButtonClass* source)
{
    if (source) {
        m_editButton1->assign(*source);
        relayout();
    }
}

void TAHMCustomLookupEdit::setEditButton2(TAHMButtonClass* source)
{
    if (source) {
        m_editButton2->assign(*source);
        relayout();
    }
}

void TAHMCustomLookupEdit::setTextAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    setAlignment(qtAlignment(alignment));
}

int TAHMCustomLookupEdit::borderWidth() const
{
    return hasFrame() ? SunkenBorder : 0;
}

int TAHMCustomLookupEdit::GetMinHeight() const
{
    const int system = QFontMetrics(QApplication::font()).height();
    const int own = fontMetrics().height();
    return LookupEditMinHeight(system, own, WindowBorderHeight);
}

void TAHMCustomLookupEdit::PlaceButtons()
{
    const LookupButtonPlaces places =
        PlaceLookupButtons(size(), m_editButton2->isVisible(), m_editButton1->isVisible());
    // Places are client coordinates; Qt draws the border inside the widget.
    const QPoint client(borderWidth(), borderWidth());
    m_buttonA->setGeometry(places.buttonA.translated(client));
    m_buttonB->setGeometry(places.buttonB.translated(client));
}

void TAHMCustomLookupEdit::SetEditRect()
{
    const QSize client = size() - QSize(2 * borderWidth(), 2 * borderWidth());
    const QRect rect = LookupEditRect(client, m_buttonA->width(), m_editButton2->isVisible(), m_buttonB->width(),
                                      m_editButton1->isVisible());
    setTextMargins(0, 0, client.width() - rect.width(), 0);
}

void TAHMCustomLookupEdit::relayout()
{
    PlaceButtons();
    SetEditRect();
}

void TAHMCustomLookupEdit::DoButton1Click()
{
    emit OnButton1Click(this);
    setFocus();
}

void TAHMCustomLookupEdit::DoButton2Click()
{
    emit OnButton2Click(this);
    setFocus();
}

void TAHMCustomLookupEdit::resizeEvent(QResizeEvent* event)
{
    widgets::MaskEdit::resizeEvent(event);
    // Too low for its font: grow, and let the resize that follows place
    // the buttons. While a form is loaded its font may not be set yet.
    const int minimum = GetMinHeight();
    if (height() < minimum && !forms::IsLoading(this)) {
        resize(width(), minimum);
        return;
    }
    // Buttons first: the text area is measured from their new widths.
    relayout();
}

void TAHMCustomLookupEdit::keyPressEvent(QKeyEvent* event)
{
    // Enter and Escape are left unaccepted by the line edit, so they travel on
    // to the form, whose default and cancel buttons react.
    widgets::MaskEdit::keyPressEvent(event);
    const QKeySequence pressed(event->keyCombination());
    for (auto [wrapper, click] : {std::pair{m_editButton2, &TAHMCustomLookupEdit::DoButton2Click},
                                  std::pair{m_editButton1, &TAHMCustomLookupEdit::DoButton1Click}}) {
        if (!wrapper->shortCutKey().isEmpty() && wrapper->shortCutKey() == pressed) {
            event->accept();
            (this->*click)();
            return;
        }
    }
}

void TAHMCustomLookupEdit::changeEvent(QEvent* event)
{
    widgets::MaskEdit::changeEvent(event);
    // Both buttons follow the edit, even one switched off on its own.
    if (event->type() == QEvent::EnabledChange) {
        m_buttonA->setEnabled(isEnabled());
        m_buttonB->setEnabled(isEnabled());
    }
}
