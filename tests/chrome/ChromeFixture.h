#pragma once

#include "skin/chrome/TsuiForm.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

// A host form with a frame on it, sized so the frame's panel and title bar
// get known widths: host 602 wide gives a 600-pixel panel with a 1-pixel
// border.
class ChromeFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->setWindowTitle(QStringLiteral("Advanced QUARLEX (PDF to HTML)"));
        host->resize(602, 400);
        frame = new TsuiForm(host.get());
        // Hidden widgets get their resize events only when shown.
        host->show();
    }

    void TearDown() override { host.reset(); }

    TsuiTitleBar* bar() const { return frame->TitleBar(); }

    std::unique_ptr<QWidget> host;
    TsuiForm* frame = nullptr;
};

// The same frame, shown, in BlueGlass.
class BlueGlassFixture : public ChromeFixture {
protected:
    void SetUp() override
    {
        ChromeFixture::SetUp();
        frame->setUIStyle(TsuiUIStyle::BlueGlass);
        host->resize(602, 400);
    }
};
