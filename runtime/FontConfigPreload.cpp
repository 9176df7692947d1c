#include "runtime/FontConfigPreload.h"

#include <fontconfig/fontconfig.h>

namespace runtime {

FontConfigPreload::FontConfigPreload() : m_thread([] { FcInit(); }) {}

FontConfigPreload::~FontConfigPreload()
{
    finish();
}

void FontConfigPreload::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace runtime
