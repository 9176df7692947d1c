#include "runtime/StandardComponents.h"

#include "runtime/ComponentRegistry.h"
#include "runtime/TBevel.h"
#include "runtime/TImage.h"
#include "runtime/TLabel.h"

namespace runtime {

void RegisterStandardComponents()
{
    ComponentRegistry::registerType<TLabel>(QStringLiteral("TLabel"));
    ComponentRegistry::registerType<TBevel>(QStringLiteral("TBevel"));
    ComponentRegistry::registerType<TImage>(QStringLiteral("TImage"));
}

} // namespace runtime
