#include "app/StyleMenu.h"

#include "app/WindowLook.h"
#include "runtime/Application.h"
#include "runtime/FileDialogService.h"

#include <QActionGroup>
#include <QFileInfo>
#include <QMetaEnum>

namespace {

const QString ThemeFileItem = QStringLiteral("Theme file...");

} // namespace

StyleMenu::StyleMenu(WindowLook* look, TsuiPopupMenu* windowMenu)
    : TsuiPopupMenu(windowMenu)
    , m_look(look)
    , m_group(new QActionGroup(this))
{
    setTitle(QStringLiteral("Style"));
    const auto addChoice = [this](const QString& text, auto chosen) {
        QAction* action = addAction(text, this, chosen);
        action->setCheckable(true);
        m_group->addAction(action);
    };
    addChoice(WindowLook::Designed, [this] { m_look->applyDesigned(); });
    for (TsuiUIStyle style : BuiltinStyles) {
        const QString key = QString::fromLatin1(QMetaEnum::fromType<TsuiUIStyle>().valueToKey(int(style)));
        addChoice(key, [this, style] { m_look->applyStyle(style); });
    }
    addChoice(ThemeFileItem, [this] { chooseThemeFile(); });
    InstallItemHandlers();

    // The submenu wears what the window menu wears, whatever look is chosen.
    connect(this, &QMenu::aboutToShow, this, [this, windowMenu] {
        setFileTheme(windowMenu->FileTheme());
        setUIStyle(windowMenu->UIStyle());
    });
    connect(m_look, &WindowLook::changed, this, &StyleMenu::showCurrentChoice);
    showCurrentChoice();
}

QAction* StyleMenu::item(const QString& text) const
{
    for (QAction* action : actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void StyleMenu::chooseThemeFile()
{
    runtime::FileDialogRequest request;
    request.kind = runtime::FileDialogKind::OpenFile;
    request.title = QStringLiteral("Theme file");
    request.filter = QStringLiteral("QUARLEX themes|*.theme|All files|*");
    request.options = runtime::ofFileMustExist | runtime::ofPathMustExist;
    if (!m_look->themeFile().isEmpty())
        request.initialDir = QFileInfo(m_look->themeFile()).absolutePath();
    const runtime::FileDialogAnswer answer = runtime::FileDialogService::show(window(), request);
    if (answer.accepted) {
        try {
            m_look->applyThemeFile(answer.path);
        } catch (const std::exception& error) {
            runtime::Application::handleException(error);
        }
    }
    // A cancelled dialog or a refused file leaves the old choice checked.
    showCurrentChoice();
}

void StyleMenu::showCurrentChoice()
{
    const QString choice = m_look->choice();
    if (QAction* current = item(choice == WindowLook::ThemeFile ? ThemeFileItem : choice))
        current->setChecked(true);
}
