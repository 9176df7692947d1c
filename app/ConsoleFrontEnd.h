#pragma once

#include "convert/ConversionFrontEnd.h"

namespace app {

// The conversion driver's front end on the console: every message the
// window would show goes to standard error, one per line, and so does the
// status line. The result prompt is answered Yes only when asked to open
// results.
class ConsoleFrontEnd : public convert::ConversionFrontEnd {
public:
    explicit ConsoleFrontEnd(bool openResults);

    void showMessage(const QString& text) override;
    bool askToViewResult() override;
    void setStatus(const QString& text) override;
    void setDocumentProgress(int) override {}
    void setBatchProgress(int) override {}

private:
    bool m_openResults;
};

} // namespace app
