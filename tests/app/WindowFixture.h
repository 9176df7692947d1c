#pragma once

#include "FakeWordProcessor.h"
#include "app/FormComponents.h"
#include "app/TForm1.h"
#include "common/FakePrograms.h"
#include "common/FileDialogResponder.h"
#include "common/MessageResponder.h"
#include "common/PrivateQtSettings.h"
#include "common/ProgressHistory.h"
#include "pickers/TAHMButtonClass.h"
#include "skin/controls/TsuiButton.h"
#include "widgets/SpeedButton.h"

#include <QDir>
#include <QTest>
#include <gtest/gtest.h>

// The main window that also keeps every value it shows on its progress bars
// and status line, in order.
using RecordingForm = ProgressHistory<TForm1>;

// A shown main window with fake converters, a fake word processor and every
// box and dialog answered by the test.
class WindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterFormComponents(); }

    WindowTest()
    {
        m_previousDirectory = QDir::currentPath();
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    ~WindowTest() override { QDir::setCurrent(m_previousDirectory); }

    QString folderWith(const QStringList& names)
    {
        return fakes.makeFolderWith(QStringLiteral("pdf folder %1").arg(++m_folders), names);
    }
    void clickStart() { QTest::mouseClick(form.suiButton1, Qt::LeftButton); }
    void clickCancel() { QTest::mouseClick(form.suiButton3, Qt::LeftButton); }

    FakePrograms fakes;
    FakeWordProcessor word;
    MessageResponder boxes;
    FileDialogResponder dialogs;
    PrivateQtSettings settings; // the window reads and writes its remembered choices
    RecordingForm form;
    QString destination = fakes.makeFolder(QStringLiteral("out dir"));

private:
    QString m_previousDirectory;
    int m_folders = 0;
};
