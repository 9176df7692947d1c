#include "runtime/Application.h"
#include "common/MessageResponder.h"
#include "runtime/RuntimeError.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

class Thrower : public QObject {
protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            throw runtime::RuntimeError(QStringLiteral("'x' is not a valid integer value"));
        return QObject::event(e);
    }
};

} // namespace

TEST(Application, UncaughtErrorShowsDefaultErrorBoxAndLoopGoesOn)
{
    MessageResponder responder;
    Thrower target;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&target, &event);

    ASSERT_EQ(responder.boxes().size(), 1);
    const auto& box = responder.boxes().first();
    EXPECT_EQ(box.text, QStringLiteral("'x' is not a valid integer value"));
    EXPECT_EQ(box.caption, QStringLiteral("QUARLEX"));
    EXPECT_EQ(box.type, runtime::MbOk | runtime::MbIconError);

    // The event loop still delivers events after the error.
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    runtime::Application::processMessages();
    EXPECT_TRUE(fired);
}

TEST(Application, ShowMessageUsesTitleAsCaption)
{
    MessageResponder responder;
    runtime::ShowMessage(QStringLiteral("Invalid Ripper Mode!"));
    ASSERT_EQ(responder.boxes().size(), 1);
    EXPECT_EQ(responder.boxes().first().caption, QStringLiteral("QUARLEX"));
    EXPECT_EQ(responder.boxes().first().type, unsigned(runtime::MbOk));
}
