#include "GuiTest.h"
#include "gui/QtDesktopServices.h"
#include "platform/system/Workspace.h"

#include <QDBusConnection>
#include <QDesktopServices>
#include <QObject>
#include <QUrl>

namespace {

// What QDesktopServices hands to the handler of a scheme instead of the desktop.
class OpenedURLs : public QObject {
    Q_OBJECT

public:
    std::vector<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

class DesktopServicesTest : public guitest::GuiTest {
protected:
    DesktopServicesTest() {
        for (const char* scheme : {"sealscribe-test", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &opened, "open");
    }
    ~DesktopServicesTest() override {
        for (const char* scheme : {"sealscribe-test", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    OpenedURLs opened;
};

TEST_F(DesktopServicesTest, TheRenderedApplicationsWorkspaceOpensThroughQt) {
    const auto workspace = platform::Workspace::sharedWorkspace();
    EXPECT_TRUE(
        workspace->openURL(platform::URL::URLWithString(u"sealscribe-test:notes?a=1%20b&c=$(x)")));
    EXPECT_TRUE(workspace->openFile(u"/tmp/My Notes; rm -rf ~.sealscribe"));
    EXPECT_EQ(opened.urls,
              (std::vector<QUrl>{
                  QUrl::fromEncoded("sealscribe-test:notes?a=1%20b&c=$(x)"),
                  QUrl::fromLocalFile(QStringLiteral("/tmp/My Notes; rm -rf ~.sealscribe")),
              }));

    renderer.reset();
    EXPECT_NE(platform::Workspace::sharedWorkspace(), workspace)
        << "the default comes back with the renderer gone";
}

TEST_F(DesktopServicesTest, WithoutAFileManagerOnTheBusTheFolderOpens) {
    gui::QtDesktopServices desktop(QDBusConnection(QStringLiteral("not connected")));
    desktop.revealFile(u"/home/u/Dr. O'Neil, notes/a b.sealscribe");
    desktop.revealFile(u"/home/u/Documents/");
    EXPECT_EQ(opened.urls,
              (std::vector<QUrl>{QUrl::fromLocalFile(QStringLiteral("/home/u/Dr. O'Neil, notes")),
                                 QUrl::fromLocalFile(QStringLiteral("/home/u"))}));
}

TEST(QtDesktopServices, ShowItemsNamesTheFileManagerAndTakesAnArrayOfURIs) {
    const QStringList uris{QStringLiteral("file:///home/u/Dr.%20O'Neil,%20notes/a%20b.sealscribe")};
    const QDBusMessage message = gui::QtDesktopServices::showItemsMessage(uris);
    EXPECT_EQ(message.type(), QDBusMessage::MethodCallMessage);
    EXPECT_EQ(message.service(), QStringLiteral("org.freedesktop.FileManager1"));
    EXPECT_EQ(message.path(), QStringLiteral("/org/freedesktop/FileManager1"));
    EXPECT_EQ(message.interface(), QStringLiteral("org.freedesktop.FileManager1"));
    EXPECT_EQ(message.member(), QStringLiteral("ShowItems"));
    // Qt sends a string list as "as" and a string as "s": ShowItems(as uris, s startupId).
    ASSERT_EQ(message.arguments().size(), 2);
    EXPECT_EQ(message.arguments()[0].metaType(), QMetaType::fromType<QStringList>());
    EXPECT_EQ(message.arguments()[0].toStringList(), uris);
    EXPECT_EQ(message.arguments()[1].metaType(), QMetaType::fromType<QString>());
    EXPECT_EQ(message.arguments()[1].toString(), QString());
}

} // namespace

#include "DesktopServicesTest.moc"
