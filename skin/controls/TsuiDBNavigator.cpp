#include "skin/controls/TsuiDBNavigator.h"

#include "runtime/Application.h"
#include "runtime/BitmapResource.h"
#include "runtime/MessageService.h"
#include "skin/controls/TsuiNavButton.h"
#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/SkinBitmaps.h"
#include "skin/theme/TsuiFileTheme.h"

#include <QKeyEvent>
#include <QMetaEnum>

using namespace SuiNavigator;

namespace {

const QString DeleteQuestion = QStringLiteral("Delete record?");

} // namespace

TsuiDBNavigator::TsuiDBNavigator(QWidget* parent) : QWidget(parent), m_look(this, [this] { applyStyle(); })
{
    setTabStop(false);
    const QImage strip = runtime::LoadBitmapResource(QStringLiteral("DBNAV_BUTTON"));
    for (int i = 0; i < ButtonCount; ++i) {
        auto* b = new TsuiNavButton(Button(i), this);
        b->setObjectName(QString::fromLatin1(QMetaEnum::fromType<Button>().valueToKey(i)));
        b->setSpacing(-1);
        b->setGeometry(MinButtonWidth * i, 0, MinButtonWidth, MinButtonHeight);
        QImage glyph;
        ExtractBitmapFrame(strip, glyph, ButtonCount, i + 1);
        b->setGlyph(glyph);
        connect(b, &TsuiNavButton::clicked, this, [this, i] { BtnClick(Button(i)); });
        m_buttons[i] = b;
    }
    applyHints();
    resize(250, 30);
    setUIStyle(GetOwnerFormUIStyle(parent ? parent->window() : nullptr));
    updateButtons();
}

void TsuiDBNavigator::setUIStyle(TsuiUIStyle style)
{
    m_look.setStyle(style);
}

void TsuiDBNavigator::setFileTheme(TsuiFileTheme* theme)
{
    m_look.setFileTheme(theme);
}

void TsuiDBNavigator::applyStyle()
{
    for (TsuiNavButton* b : m_buttons) {
        b->setFileTheme(fileTheme());
        b->setUIStyle(uiStyle());
    }
    update();
}

void TsuiDBNavigator::setDataSource(data::SqlDataSet* dataSet)
{
    if (dataSet == m_dataSet)
        return;
    disconnect(m_dataWatch);
    disconnect(m_dataGone);
    m_dataSet = dataSet;
    if (dataSet) {
        m_dataWatch = connect(dataSet, &data::SqlDataSet::changed, this, &TsuiDBNavigator::updateButtons);
        m_dataGone = connect(dataSet, &QObject::destroyed, this, [this] { setDataSource(nullptr); });
    }
    updateButtons();
}

void TsuiDBNavigator::setVisibleButtons(TButtonSet buttons)
{
    m_visible = buttons;
    layOut();
    update();
}

QStringList TsuiDBNavigator::hints() const
{
    return m_customHints.isEmpty() ? DefaultHints() : m_customHints;
}

void TsuiDBNavigator::setHints(const QStringList& hints)
{
    m_customHints = hints == DefaultHints() ? QStringList() : hints;
    applyHints();
}

void TsuiDBNavigator::applyHints()
{
    const QStringList texts = ButtonHints(m_customHints);
    for (int i = 0; i < ButtonCount; ++i) {
        m_buttons[i]->setToolTip(texts[i]);
        m_buttons[i]->setAccessibleName(texts[i]);
    }
}

void TsuiDBNavigator::setAlign(TAlign align)
{
    m_align = align;
    layOut();
}

void TsuiDBNavigator::layOut()
{
    const ButtonSet visible(uint(m_visible.toInt()));
    const Layout layout = LayOut(size(), visible, m_align == alNone);
    m_buttonWidth = layout.buttonWidth;
    for (int i = 0; i < ButtonCount; ++i) {
        m_buttons[i]->setGeometry(layout.buttons[i]);
        m_buttons[i]->setVisible(visible.test(i));
    }
    setMinimumSize(MinimumSize({0, 0}, visible, false));
    if (layout.size != size())
        resize(layout.size);
}

void TsuiDBNavigator::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void TsuiDBNavigator::updateButtons()
{
    DataState state;
    state.enabled = isEnabled();
    if (m_dataSet) {
        state.active = m_dataSet->isActive();
        state.atBeginning = m_dataSet->atBeginning();
        state.atEnd = m_dataSet->atEnd();
        state.canModify = m_dataSet->canModify();
        state.editing = m_dataSet->isEditing();
    }
    const auto enabled = EnabledButtons(state);
    for (int i = 0; i < ButtonCount; ++i)
        m_buttons[i]->setEnabled(enabled[i]);
}

void TsuiDBNavigator::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        updateButtons();
}

void TsuiDBNavigator::BtnClick(Button b)
{
    if (m_dataSet && m_dataSet->isActive()) {
        emit beforeAction(b);
        data::SqlDataSet& set = *m_dataSet;
        switch (b) {
        case SuiNavigator::nbFirst:
            set.first();
            break;
        case SuiNavigator::nbPrior:
            set.prior();
            break;
        case SuiNavigator::nbNext:
            set.next();
            break;
        case SuiNavigator::nbLast:
            set.last();
            break;
        case SuiNavigator::nbInsert:
            set.insert();
            break;
        case SuiNavigator::nbDelete:
            if (!m_confirmDelete
                || runtime::MessageBox(this, DeleteQuestion, runtime::Application::title(),
                                       runtime::MbOkCancel | runtime::MbIconQuestion)
                    == runtime::IdOk)
                set.remove();
            break;
        case SuiNavigator::nbEdit:
            set.edit();
            break;
        case SuiNavigator::nbPost:
            set.post();
            break;
        case SuiNavigator::nbCancel:
            set.cancel();
            break;
        case SuiNavigator::nbRefresh:
            set.refresh();
            break;
        }
    }
    emit clicked(b);
}

void TsuiDBNavigator::setFocusedButton(Button b)
{
    if (b == m_focused)
        return;
    const Button old = m_focused;
    m_focused = b;
    if (hasFocus()) {
        m_buttons[old]->update();
        m_buttons[b]->update();
    }
}

void TsuiDBNavigator::buttonPressed(Button b)
{
    setFocusedButton(b);
    if (tabStop() && !hasFocus() && isEnabled() && isVisible())
        setFocus(Qt::MouseFocusReason);
}

void TsuiDBNavigator::keyPressEvent(QKeyEvent* event)
{
    const ButtonSet visible(uint(m_visible.toInt()));
    switch (event->key()) {
    case Qt::Key_Right:
        setFocusedButton(MoveFocus(m_focused, +1, visible));
        break;
    case Qt::Key_Left:
        setFocusedButton(MoveFocus(m_focused, -1, visible));
        break;
    case Qt::Key_Space:
        if (m_buttons[m_focused]->isEnabled())
            m_buttons[m_focused]->click();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TsuiDBNavigator::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    m_buttons[m_focused]->update();
}

void TsuiDBNavigator::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    m_buttons[m_focused]->update();
}
