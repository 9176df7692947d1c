#include "forms/FormLoader.h"
#include "forms/ComponentRegistry.h"
#include "runtime/RuntimeError.h"
#include "runtime/TColor.h"

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class LoaderItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Top MEMBER top)
public:
    using QObject::QObject;
    int top = 0;
};

class LoaderItems : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    Q_INVOKABLE QObject* add() { return new LoaderItem(this); }
    Q_INVOKABLE void clear() { qDeleteAll(children()); }
};

class LoaderWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER caption WRITE setCaption)
    Q_PROPERTY(Style UIStyle MEMBER style)
    Q_PROPERTY(QColor Color MEMBER color)
    Q_PROPERTY(runtime::TColor BorderColor MEMBER borderColor)
    Q_PROPERTY(QObject* Buttons READ buttons)
    Q_PROPERTY(LoaderWidget* Partner MEMBER partner)
    Q_PROPERTY(QStringList Items MEMBER items)
public:
    enum Style { MacOS = 1, BlueGlass = 5 };
    Q_ENUM(Style)
    explicit LoaderWidget(QWidget* parent = nullptr) : QWidget(parent)
    {
        m_buttons.add(); // a default item that the stored collection replaces
    }
    QObject* buttons() { return &m_buttons; }
    void fire() { emit clicked(); }
    void setCaption(const QString& text)
    {
        caption = text;
        loadingSeen = forms::IsLoading(this);
    }
    Q_INVOKABLE void Loaded()
    {
        ++loadedCalls;
        loadedAfterEverything = !forms::IsLoading(this) && (objectName() != QLatin1String("First") || partner);
    }
    int loadedCalls = 0;
    bool loadedAfterEverything = false;

    QString caption;
    bool loadingSeen = false;
    Style style = MacOS;
    QColor color;
    runtime::TColor borderColor = 0;
    QPointer<LoaderWidget> partner;
    QStringList items;
    QStringList log;

signals:
    void clicked();

public slots:
    void Button1Click() { log << QStringLiteral("Button1Click"); }

private:
    LoaderItems m_buttons;
};

void registerTestClasses()
{
    forms::ComponentRegistry::registerType<LoaderWidget>(QStringLiteral("TLoaderWidget"));
}

} // namespace

TEST(FormLoader, CreatesChildrenInOrderAndSetsPropertiesByName)
{
    registerTestClasses();
    LoaderWidget form;
    forms::LoadForm(&form, forms::ParseFormDescription(QStringLiteral(R"(
object Form1: TLoaderWidget
  Caption = 'Advanced'
  Width = 632
  Height = 476
  object First: TLoaderWidget
    Left = 8
    Top = 336
    TabOrder = 1
    TabStop = True
    Width = 80
    Height = 35
    UIStyle = BlueGlass
    Color = $00E7E7E7
    BorderColor = clBtnFace
    Font.Name = 'Tahoma'
    Font.Height = -11
    Font.Style = [fsBold]
    Partner = Second
    Items = ('PDF -> HTML (with images, layout)' 'PDF -> HTML')
    OnClick = Button1Click
    Buttons = <
      item
        Top = 6
      end
      item
        Top = 7
      end>
  end
  object Second: TLoaderWidget
    TabOrder = 0
    TabStop = False
  end
  object Third: TLoaderWidget
    TabStop = True
    Visible = False
  end
end)")));
    EXPECT_EQ(form.caption, QStringLiteral("Advanced"));
    EXPECT_TRUE(form.loadingSeen);
    EXPECT_FALSE(forms::IsLoading(&form));
    EXPECT_EQ(form.size(), QSize(632, 476));
    auto* first = form.findChild<LoaderWidget*>(QStringLiteral("First"));
    auto* second = form.findChild<LoaderWidget*>(QStringLiteral("Second"));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(form.children().indexOf(first) < form.children().indexOf(second), true);
    EXPECT_EQ(first->geometry(), QRect(8, 336, 80, 35));
    EXPECT_EQ(second->nextInFocusChain(), first); // stored tab order, not creation order
    EXPECT_EQ(first->style, LoaderWidget::BlueGlass);
    EXPECT_EQ(first->color, QColor(0xE7, 0xE7, 0xE7));
    EXPECT_EQ(first->borderColor, runtime::clBtnFace);
    EXPECT_EQ(first->font().pixelSize(), 11);
    EXPECT_TRUE(first->font().bold());
    EXPECT_EQ(first->font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(first->partner, second); // a forward reference, fixed up at the end
    EXPECT_EQ(first->items.size(), 2);
    const auto items = first->buttons()->children();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(static_cast<LoaderItem*>(items[1])->top, 7);
    EXPECT_EQ(second->focusPolicy(), Qt::ClickFocus);
    EXPECT_TRUE(form.findChild<QWidget*>(QStringLiteral("Third"))->isHidden());
    first->fire();
    EXPECT_EQ(form.log, QStringList{QStringLiteral("Button1Click")});
    // Each created component hears once that the form is complete.
    EXPECT_EQ(first->loadedCalls, 1);
    EXPECT_TRUE(first->loadedAfterEverything);
    EXPECT_EQ(second->loadedCalls, 1);
    EXPECT_EQ(form.loadedCalls, 0); // the form itself is the caller's
}

TEST(FormLoader, BadDescriptionsRaiseNamingWhatIsWrong)
{
    registerTestClasses();
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"object F: TLoaderWidget\n object X: TNoSuchClass\n end\nend", "Class TNoSuchClass not found"},
        {"object F: TLoaderWidget\n Nonsense = 1\nend", "line 2: F.Nonsense: no such property"},
        {"object F: TLoaderWidget\n OnClick = Missing\nend", "handler Missing"},
        {"object F: TLoaderWidget\n Partner = Nobody\nend", "no component named Nobody"},
        {"object F: TLoaderWidget\n UIStyle = Purple\nend", "value not accepted"},
        {"object F: TLoaderWidget\n Font.Color = Purple\nend", "not a colour"},
    };
    for (const auto& c : cases) {
        LoaderWidget form;
        try {
            forms::LoadForm(&form, forms::ParseFormDescription(QString::fromLatin1(c.text)));
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const runtime::RuntimeError& error) {
            EXPECT_TRUE(error.message().contains(QLatin1String(c.message)))
                << error.message().toStdString() << " / expected " << c.message;
        }
    }
}

TEST(FormLoader, AFormFileOnDiskIsReadAfreshEachTime)
{
    // Descriptions compiled into the program are parsed once; one on disk
    // may change between two windows and must not be served stale.
    registerTestClasses();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Form.qxf"));
    for (const char* caption : {"one", "two"}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("object F: TLoaderWidget\n Caption = '") + caption + "'\nend\n");
        file.close();
        LoaderWidget form;
        forms::LoadFormFile(&form, path);
        EXPECT_EQ(form.caption, QLatin1String(caption));
    }
}

#include "FormLoaderTest.moc"
