#pragma once

#include "runtime/AutomationObject.h"

#include <functional>
#include <memory>

namespace runtime {

// Class name -> factory of a late-bound object, as automation servers are
// found by their class names. "Word.Application" is served by LibreOffice
// Writer; tests register a fake under the same name.
class AutomationRegistry {
public:
    using Factory = std::function<AutomationObject*()>;

    // Installs a factory and returns the one it replaces (empty if none), so
    // a test can put the old one back.
    static Factory registerClass(const QString& className, Factory factory);

    // Creates an object of the class; RuntimeError "Invalid class string"
    // when no such class is known.
    static std::unique_ptr<AutomationObject> create(const QString& className);
};

} // namespace runtime
