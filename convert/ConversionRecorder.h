#pragma once

#include "convert/DocumentRecord.h"

namespace convert {

// Hears of every document a run finished with, in the order they finished;
// the conversion history keeps them. Called on the driver's thread, between
// the driver's own steps, so it must not start or cancel a run.
class ConversionRecorder {
public:
    virtual ~ConversionRecorder() = default;
    virtual void documentFinished(const DocumentRecord& record) = 0;
};

} // namespace convert
