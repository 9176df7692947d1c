#pragma once

#include "ThemeFileWriter.h"
#include "skin/theme/UIStyle.h"

#include <QString>
#include <QTextStream>
#include <optional>

// The three jobs of the quarlex-theme tool as functions. Each raises
// runtime::RuntimeError with a message for the user when it cannot do its job.

// Every element of a built-in style as theme-file entries: integers and
// colours as Integer records, flags as Boolean records, images as the
// bitmap resources' own BMP bytes.
std::vector<themefile::WriterEntry> ExportBuiltinStyle(TsuiUIStyle style);

// The entries of a folder: a text file "values.txt" of Name=Value lines
// (decimal or 0x hexadecimal numbers, True or False; for an element name
// the element's kind decides the record, other names take a number as an
// Integer, True/False as a Boolean and anything else as a String), then
// every NAME.bmp file in name order as the bitmap entry NAME.
std::vector<themefile::WriterEntry> PackThemeFolder(const QString& folder);

// Lists every entry the reader loads: name, kind and value or bitmap size.
void DumpThemeFile(const QString& fileName, QTextStream& out);

// A built-in style by name, letter case ignored.
std::optional<TsuiUIStyle> BuiltinStyleNamed(const QString& name);

void SaveThemeFile(const QString& fileName, const std::vector<themefile::WriterEntry>& entries);
