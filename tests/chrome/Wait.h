#pragma once

#include <QTest>
#include <gtest/gtest.h>

// Waits (bounded, processing events) until a condition holds, then checks
// it through GoogleTest, so a timeout is a test failure with the values.
#define WAIT_TRUE(condition) ASSERT_TRUE(QTest::qWaitFor([&] { return bool(condition); })) << #condition

#define WAIT_EQ(actual, expected)                                                                                      \
    do {                                                                                                               \
        (void)QTest::qWaitFor([&] { return (actual) == (expected); });                                                 \
        ASSERT_EQ(actual, expected);                                                                                   \
    } while (false)
