#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QMenu>
#include <QScrollBar>
#include <QSet>
#include <QTest>

#include "app/MainWindow.h"
#include "app/StatusItem.h"
#include "support/AppFixture.h"
#include "widgets/PRLeftTipButton.h"

namespace {

QString describe(const QWidget* w) {
    const auto* b = qobject_cast<const QAbstractButton*>(w);
    return QStringLiteral("%1 \"%2\" (%3)")
        .arg(w->objectName(), b ? b->text() : QString(), QLatin1String(w->metaObject()->className()));
}

/// Widgets a keyboard user must be able to reach in `window` as it shows now.
QList<QWidget*> reachable(QWidget* window) {
    QList<QWidget*> list;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window) || !w->isEnabled() || w->focusProxy()) continue;
        if (qobject_cast<QScrollBar*>(w)) continue;  // scrolled with the keys of the view they serve
        if (!(w->focusPolicy() & Qt::TabFocus) && !qobject_cast<QAbstractButton*>(w)) continue;
        list << w;
    }
    return list;
}

/// Walks `window` with Tab from its first control and lists what a keyboard user can't do: a
/// control Tab never reaches, a control that keeps Tab, a button with neither text nor name.
QStringList keyboardProblems(QWidget* window) {
    QStringList problems;
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) return {QStringLiteral("window does not activate")};
    const QList<QWidget*> wanted = reachable(window);
    for (QWidget* w : wanted) {
        const auto* b = qobject_cast<QAbstractButton*>(w);
        if (b && b->text().trimmed().isEmpty() && w->accessibleName().trimmed().isEmpty())
            problems << describe(w) + QStringLiteral(": no text and no accessible name");
    }
    if (wanted.isEmpty()) return problems;
    wanted.first()->setFocus(Qt::TabFocusReason);
    QSet<QWidget*> reached;
    QWidget* stuck = nullptr;
    for (int i = 0; i < 3 * wanted.size() + 10; ++i) {
        QWidget* at = QApplication::focusWidget();
        if (!at) break;
        reached.insert(at);
        QTest::keyClick(at, Qt::Key_Tab);
        // With a single control, Tab rightly stays where it is.
        if (QApplication::focusWidget() == at && wanted.size() > 1 && !stuck) stuck = at;
    }
    if (stuck) problems << describe(stuck) + QStringLiteral(": Tab does not leave it");
    for (QWidget* w : wanted)
        if (!reached.contains(w)) problems << describe(w) + QStringLiteral(": not reached by Tab");
    return problems;
}

TEST(Accessibility, EveryWindowAndSectionIsWalkableByTabAndNamesItsImageButtons) {
    AppFixture f;
    auto app = f.launch();
    MainWindow* main = app->window();
    struct View {
        QString name;
        QWidget* window;
        std::function<void()> prepare;
    };
    QList<View> views{{QStringLiteral("main window, start view"), main, [main] { main->showStartView(); }}};
    for (const QString& id : QStringList{"trash", "autoclean", "protect", "desktop", "erase", "cookies"})
        if (main->sectionButton(id))
            views.append({QStringLiteral("section ") + id, main, [main, id] { main->showSection(id); }});
    for (const auto& [name, widget] : app->topLevelWindows())
        if (widget != main) views.append({name, widget, [] {}});
    ASSERT_GT(views.size(), 6);
    for (const View& v : views) {
        v.prepare();
        const QStringList problems = keyboardProblems(v.window);
        EXPECT_TRUE(problems.isEmpty()) << v.name.toStdString() << ":\n"
                                        << problems.join(QLatin1Char('\n')).toStdString();
        if (v.window != main) v.window->hide();
    }

    // Space on a focused section button opens the section, as a click does.
    main->showStartView();
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    PRLeftTipButton* desktop = main->sectionButton(QStringLiteral("desktop"));
    ASSERT_TRUE(desktop);
    desktop->setFocus(Qt::TabFocusReason);
    QTest::keyClick(desktop, Qt::Key_Space);
    EXPECT_EQ(main->currentSection(), QStringLiteral("desktop"));

    // The tray menu takes the keyboard: Down selects its first entry.
    QMenu* menu = app->statusItem() ? app->statusItem()->baMenu() : nullptr;
    ASSERT_TRUE(menu);
    menu->popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::keyClick(menu, Qt::Key_Down);
    ASSERT_TRUE(menu->activeAction());
    EXPECT_FALSE(menu->activeAction()->text().isEmpty());
    menu->hide();
}

}  // namespace
