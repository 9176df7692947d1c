#include "widgets/StandardComponents.h"

#include "forms/ComponentRegistry.h"
#include "widgets/TBevel.h"
#include "widgets/TImage.h"
#include "widgets/TLabel.h"

namespace widgets {

void RegisterStandardComponents()
{
    forms::ComponentRegistry::registerType<TLabel>(QStringLiteral("TLabel"));
    forms::ComponentRegistry::registerType<TBevel>(QStringLiteral("TBevel"));
    forms::ComponentRegistry::registerType<TImage>(QStringLiteral("TImage"));
}

} // namespace widgets
