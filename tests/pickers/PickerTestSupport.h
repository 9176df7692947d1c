#pragma once

#include "common/TouchFile.h"
#include "runtime/BitmapResource.h"

#include <gtest/gtest.h>

// The lookups load their glyphs in their constructors; a test program
// without the bitmap resources cannot build one.
#define SKIP_WITHOUT_GLYPH(name)                                                                                       \
    if (!runtime::HasBitmapResource(QStringLiteral(name)))                                                             \
    GTEST_SKIP() << "bitmap resource " name " is not linked into this test program yet"
