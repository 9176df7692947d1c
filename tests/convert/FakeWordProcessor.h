#pragma once

#include "common/FakePrograms.h"
#include "convert/LibreOfficeRtf.h"
#include "convert/WordProfile.h"

#include <QTemporaryDir>

// While it lives, the RTF step runs the fake converter as LibreOffice, with
// cached profiles in a folder of the test's own.
class FakeWordProcessor {
public:
    FakeWordProcessor()
    {
        convert::LibreOfficeRtf::setProgram(FakePrograms::fakeProgram());
        convert::WordProfile::setCacheRoot(m_cache.path());
    }
    ~FakeWordProcessor()
    {
        convert::LibreOfficeRtf::setProgram({});
        convert::WordProfile::setCacheRoot({});
    }

private:
    QTemporaryDir m_cache;
};
