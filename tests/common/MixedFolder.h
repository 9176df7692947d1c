#pragma once

#include "common/TouchFile.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A folder of mixed-case PDF names, other files, folders and a hidden file.
class MixedFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        for (const char* name : {"a.pdf", "B.Pdf", "C.PDF", "notes.txt", "My Report.pdf", "zeta.PDF",
                                 "\xc3\x9c"
                                 "bersicht.pdf",
                                 "archive.pdf.gz", ".hidden.pdf", "bar"})
            TouchFile(path(QString::fromUtf8(name)));
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.pdf")));
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Sub")));
    }
    void TearDown() override { QDir::setCurrent(m_savedCwd); }

    QString path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }

    QTemporaryDir m_dir;
    QString m_savedCwd = QDir::currentPath();
};

// The PDF files of MixedFolder, as a case-blind sorted listing gives them.
inline const QStringList AllPdfs = {QStringLiteral("a.pdf"),
                                    QStringLiteral("B.Pdf"),
                                    QStringLiteral("C.PDF"),
                                    QStringLiteral("My Report.pdf"),
                                    QStringLiteral("zeta.PDF"),
                                    QString::fromUtf8("\xc3\x9c"
                                                      "bersicht.pdf")};
