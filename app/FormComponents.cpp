#include "app/FormComponents.h"

#include "pickers/PickersComponents.h"
#include "skin/chrome/ChromeComponents.h"
#include "skin/controls/ControlComponents.h"
#include "widgets/StandardComponents.h"

void RegisterFormComponents()
{
    widgets::RegisterStandardComponents();
    RegisterControlComponents();
    RegisterChromeComponents();
    RegisterPickersComponents();
}
