#include "runtime/FontConfigPreload.h"

#include <fontconfig/fontconfig.h>

namespace runtime {

FontConfigPreload::FontConfigPreload() : m_thread([] { FcInit(); }) {}

FontConfigPreload::~FontConfigPreload()
{
    m_thread.join();
}

} // namespace runtime
