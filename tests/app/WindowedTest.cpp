#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QAction>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/StatusItem.h"
#include "core/fs/FsName.h"
#include "support/AppFixture.h"
#include "support/EventWait.h"
#include "support/RecordingNotifications.h"

namespace {

struct WindowedFixture : AppFixture {
    bool tray = true;
    std::shared_ptr<RecordingNotifications> notifications = std::make_shared<RecordingNotifications>();

    std::unique_ptr<AppDelegate> start() {
        AppServices s = services();
        s.notifications = notifications;
        s.trayAvailable = [this] { return tray; };
        auto app = std::make_unique<AppDelegate>(s);
        app->awakeFromNib();
        app->applicationDidFinishLaunching();
        return app;
    }
    static QMenu* windowedMenu(AppDelegate& app) {
        return app.window()->findChild<QMenu*>(QStringLiteral("windowedMenu"));
    }
    static bool menuShown(AppDelegate& app) {
        QMenu* m = windowedMenu(app);
        return m && m->menuAction()->isVisible();
    }
};

TEST(Windowed, WithATrayTheIconShowsAndClosingTheWindowPostsNothing) {
    WindowedFixture f;
    auto app = f.start();
    EXPECT_FALSE(app->isWindowed());
    EXPECT_TRUE(app->statusItem()->trayIcon()->isVisible());
    EXPECT_FALSE(WindowedFixture::menuShown(*app));
    app->showMainWindow();
    app->window()->close();
    EXPECT_FALSE(app->window()->isVisible());
    EXPECT_TRUE(f.notifications->posted().isEmpty());
}

TEST(Windowed, WithoutATrayTheWindowCarriesTheMenuAndClosingSaysCorvaneStillRuns) {
    WindowedFixture f;
    f.tray = false;
    // Even a stored "off the task bar" must leave the window reachable.
    f.defaults()->setString("BHideAppInDock", "YES");
    auto app = f.start();
    ASSERT_TRUE(app->isWindowed());
    EXPECT_FALSE(app->statusItem()->trayIcon()->isVisible());
    EXPECT_TRUE(app->window()->isVisible());
    EXPECT_FALSE(app->window()->windowFlags().testFlag(Qt::Tool));
    ASSERT_TRUE(WindowedFixture::menuShown(*app));
    // The very actions of the tray menu, so a command triggered here runs the same code.
    const QList<QAction*> actions = WindowedFixture::windowedMenu(*app)->actions();
    for (QAction* a : app->statusItem()->baMenu()->actions()) EXPECT_TRUE(actions.contains(a));
    EXPECT_EQ(app->window()->menuBar()->actions().first(), WindowedFixture::windowedMenu(*app)->menuAction());

    app->window()->close();
    EXPECT_FALSE(app->window()->isVisible());
    ASSERT_EQ(f.notifications->posted().size(), 1);
    EXPECT_EQ(f.notifications->posted().first().title, QStringLiteral("Corvane is still running"));

    // Launching Corvane again brings the window back and takes the notification away.
    const QString identifier = f.notifications->posted().first().identifier;
    app->handleLaunchRequest(QStringLiteral("show"), {});
    EXPECT_TRUE(app->window()->isVisible());
    EXPECT_EQ(f.notifications->withdrawn(), QStringList{identifier});

    // So does the notification's button.
    app->window()->close();
    ASSERT_EQ(f.notifications->posted().size(), 2);
    ASSERT_EQ(f.notifications->posted().last().actions, QStringList{QStringLiteral("Open Corvane")});
    EXPECT_FALSE(app->window()->isVisible());
    f.notifications->press(identifier, QStringLiteral("Open Corvane"));
    EXPECT_TRUE(app->window()->isVisible());
}

TEST(Windowed, ATrayThatAppearsOrGoesSwitchesTheMode) {
    WindowedFixture f;
    f.tray = false;
    f.defaults()->setString("BHideAppInDock", "YES");
    auto app = f.start();
    ASSERT_TRUE(app->isWindowed());
    QTimer* watch = app->findChild<QTimer*>(QStringLiteral("trayWatchTimer"));
    ASSERT_NE(watch, nullptr);
    EXPECT_TRUE(watch->isActive());

    f.tray = true;
    app->followTrayAvailability();  // what the watch runs on its next tick
    EXPECT_FALSE(app->isWindowed());
    EXPECT_TRUE(app->statusItem()->trayIcon()->isVisible());
    EXPECT_FALSE(WindowedFixture::menuShown(*app));
    EXPECT_TRUE(app->window()->windowFlags().testFlag(Qt::Tool));  // the stored choice applies now
    app->window()->close();
    EXPECT_TRUE(f.notifications->posted().isEmpty());

    // The tray goes while the window is hidden: the window comes back as the only way in.
    f.tray = false;
    app->followTrayAvailability();  // what the watch runs on its next tick
    EXPECT_TRUE(app->isWindowed());
    EXPECT_TRUE(app->window()->isVisible());
    EXPECT_FALSE(app->window()->windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(WindowedFixture::menuShown(*app));
}

TEST(SingleInstanceTest, ALaterLaunchReachesOnlyARunningInstanceOfItsOwn) {
    TempRoot root;
    const QString path = root.file(QStringLiteral("run/corvane"));
    QDir().mkpath(root.file(QStringLiteral("run")));

    // Nobody listens yet: nothing is delivered.
    SingleInstance later(path);
    EXPECT_FALSE(later.sendToRunning(QStringLiteral("show")));

    // A socket left behind by an instance that died is replaced.
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        ASSERT_LT(name.size(), int(sizeof addr.sun_path));
        std::memcpy(addr.sun_path, name.constData(), name.size());
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        ::close(fd);
    }
    EXPECT_FALSE(later.sendToRunning(QStringLiteral("show"), {}, 300));
    SingleInstance running(path);
    ASSERT_TRUE(running.listen());
    QSignalSpy spy(&running, &SingleInstance::requested);

    // Something that is not a request (a length past the limit, then noise) is dropped unanswered:
    // the running instance closes the connection without a byte back.
    std::atomic_bool ended = false, dropped = false;
    QByteArray answer;
    std::thread noise([&] {
        QLocalSocket socket;
        socket.connectToServer(path);
        if (socket.waitForConnected(30000)) {
            socket.write(QByteArray("\x7f\xff\xff\xff garbage"));
            socket.waitForBytesWritten(30000);
            dropped = socket.waitForDisconnected(30000) || socket.state() == QLocalSocket::UnconnectedState;
            answer = socket.readAll();
        }
        ended = true;
    });
    const bool noiseEnded = waitUntil([&] { return bool(ended); }, 60000);
    noise.join();
    ASSERT_TRUE(noiseEnded);
    EXPECT_TRUE(dropped);
    EXPECT_TRUE(answer.isEmpty()) << answer.constData();
    EXPECT_EQ(spy.size(), 0);

    // The request and its files reach the running instance whole, odd names included.
    bool delivered = false;
    const QStringList files{QStringLiteral("/home/me/a b.txt"), QStringLiteral("/home/me/ünï.txt"),
                            QStringLiteral("/home/me/two\nlines.txt"),
                            FsName::fromBytes("/home/me/\xff\xfe.bin")};
    std::thread client([&] { delivered = later.sendToRunning(QStringLiteral("erase"), files); });
    EXPECT_TRUE(spy.wait(5000));
    client.join();
    EXPECT_TRUE(delivered);
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy.first().at(0).toString(), QStringLiteral("erase"));
    EXPECT_EQ(spy.first().at(1).toStringList(), files);
}

TEST(SingleInstanceTest, SomethingElseAtTheSocketPathIsNeitherTalkedToNorRemoved) {
    TempRoot root;
    const QString path = root.file(QStringLiteral("corvane"));
    QFile planted(path);
    ASSERT_TRUE(planted.open(QIODevice::WriteOnly));
    planted.write("not a socket");
    planted.close();
    SingleInstance instance(path);
    EXPECT_FALSE(instance.sendToRunning(QStringLiteral("show"), {}, 300));
    EXPECT_FALSE(instance.listen());
    ASSERT_TRUE(planted.open(QIODevice::ReadOnly));
    EXPECT_EQ(planted.readAll(), QByteArray("not a socket"));
}

TEST(SingleInstanceTest, WhatAnotherAccountPutInTheTemporaryFolderNeverKeepsItFromOneInstance) {
    struct Case {
        const char* what;
        std::function<bool(const QString& planted, const QString& elsewhere)> plant;
    };
    const QByteArray own = "corvane-" + QByteArray::number(::getuid());
    auto mode = [](const QString& path) {
        struct stat st {};
        return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
    };
    const Case cases[] = {
        {"nothing there", [](const QString&, const QString&) { return true; }},
        {"a plain file",
         [](const QString& planted, const QString&) {
             QFile f(planted);
             return f.open(QIODevice::WriteOnly) && f.write("planted") == 7;
         }},
        {"a link to a folder",
         [](const QString& planted, const QString& elsewhere) {
             return QDir().mkpath(elsewhere) &&
                    ::chmod(QFile::encodeName(elsewhere).constData(), 0700) == 0 &&
                    QFile::link(elsewhere, planted);
         }},
        {"a folder others may write",
         [](const QString& planted, const QString&) {
             return QDir().mkpath(planted) && ::chmod(QFile::encodeName(planted).constData(), 0777) == 0;
         }},
        {"another account's folder, and its fallback name too",
         [&](const QString& planted, const QString&) {
             for (const QString& p : {planted, planted + ".0"})
                 if (!QDir().mkpath(p) || ::chmod(QFile::encodeName(p).constData(), 0700) != 0 ||
                     ::chown(QFile::encodeName(p).constData(), 4242, 4242) != 0)
                     return false;
             return true;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempRoot base;
        const QString planted = base.file(QString::fromLatin1(own));
        if (!c.plant(planted, base.file("elsewhere"))) {
            if (QByteArray(c.what).startsWith("another account")) continue;  // needs the right to chown
            FAIL() << "could not plant";
        }
        const QStringList before = sortedEntries(base.path());
        const QString folder = SingleInstance::privateFolderIn(base.path());
        ASSERT_FALSE(folder.isEmpty());
        EXPECT_EQ(SingleInstance::privateFolderIn(base.path()), folder);  // every launch finds the same
        EXPECT_EQ(mode(folder), 0700);
        EXPECT_TRUE(QFileInfo(folder).isDir() && !QFileInfo(folder).isSymLink());
        EXPECT_EQ(QFileInfo(folder).ownerId(), ::getuid());
        if (before.isEmpty()) {
            EXPECT_EQ(folder, planted);
        } else {
            EXPECT_TRUE(folder.startsWith(planted + ".")) << qPrintable(folder);
            EXPECT_TRUE(sortedEntries(base.path()).contains(before.first()));  // left as it was
            EXPECT_TRUE(sortedEntries(base.file("elsewhere")).isEmpty());
        }
        // One instance listens there; a later launch that works the path out again reaches it.
        SingleInstance running(SingleInstance::privateFolderIn(base.path()) + "/socket");
        ASSERT_TRUE(running.listen());
        QSignalSpy spy(&running, &SingleInstance::requested);
        SingleInstance later(SingleInstance::privateFolderIn(base.path()) + "/socket");
        bool delivered = false;
        std::thread client([&] { delivered = later.sendToRunning(QStringLiteral("show")); });
        EXPECT_TRUE(spy.wait(5000));
        client.join();
        EXPECT_TRUE(delivered);
    }
}

TEST(SingleInstanceTest, WithoutARuntimeFolderTheSocketLiesInAPrivateFolder) {
    TempRoot base;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray tmp = qgetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(base.path()));
    const QString socket = SingleInstance::standardSocketPath();
    // A runtime folder another account could write is not one.
    const QString open = base.file("open-runtime");
    QDir().mkpath(open);
    ::chmod(QFile::encodeName(open).constData(), 0777);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(open));
    const QString notInOpen = SingleInstance::standardSocketPath();
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("TMPDIR", tmp);
    if (runtime.isNull()) qunsetenv("XDG_RUNTIME_DIR");
    if (tmp.isNull()) qunsetenv("TMPDIR");
    EXPECT_EQ(QFileInfo(socket).absolutePath(), SingleInstance::privateFolderIn(base.path()));
    EXPECT_EQ(notInOpen, socket);
}

}  // namespace
