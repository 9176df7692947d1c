#include "app/StartUp.h"

#include "app/FormComponents.h"
#include "app/TForm1.h"
#include "resources/ProgramIcon.h"
#include "skin/controls/ComboListStyle.h"

StartUp::StartUp(int& argc, char** argv) : m_application(argc, argv)
{
    m_fonts.applicationMade();
    ComboListStyle::installForApplication();
    runtime::Application::setTitle(QStringLiteral("QUARLEX"));
    runtime::Application::setWindowIcon(resources::ProgramIcon());
    RegisterFormComponents();
}

StartUp::~StartUp()
{
    // The font thread uses the application; it ends before the application does.
    m_fonts.join();
}

void StartUp::waitForFonts()
{
    m_fonts.finish();
}

void StartUp::prepareMainWindow()
{
    TForm1::prepare();
    m_fonts.finish();
}
