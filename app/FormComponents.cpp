#include "app/FormComponents.h"

#include "pickers/PickersComponents.h"
#include "runtime/StandardComponents.h"
#include "skin/chrome/ChromeComponents.h"
#include "skin/controls/ControlComponents.h"

void RegisterFormComponents()
{
    runtime::RegisterStandardComponents();
    RegisterControlComponents();
    RegisterChromeComponents();
    RegisterPickersComponents();
}
