#pragma once

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// Creates an empty file (or empties an existing one).
inline void TouchFile(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}
