#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

// GoogleTest prints Qt strings as their text instead of raw bytes.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}
