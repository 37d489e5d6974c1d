#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "app/PopoverWindow.h"
#include "autoclean/AutoCleanPolicy.h"
#include "autoclean/AutoTrashWindow.h"
#include "autoclean/PPopoverviewConterller.h"
#include "platform/Alerts.h"
#include "platform/Clock.h"
#include "platform/Defaults.h"
#include "platform/DesktopNotifications.h"
#include "platform/LoginItems.h"
#include "support/EventWait.h"
#include "support/FixedClock.h"
#include "support/RecordingNotifications.h"
#include "support/ScriptedAlerts.h"
#include "support/TempRoot.h"

namespace {

/// A settings file and a login-item folder in a temporary root, and a panel made over them.
struct PanelRig {
    TempRoot root;
    QString file = root.file(QStringLiteral("config/Corvane/Corvane.conf"));
    std::shared_ptr<Defaults> defaults = std::make_shared<Defaults>(file);
    std::shared_ptr<LoginItems> loginItems = std::make_shared<LoginItems>(
        root.file(QStringLiteral("config/autostart")), root.file(QStringLiteral("bin/Corvane")));

    std::unique_ptr<PPopoverviewConterller> panel() {
        return std::make_unique<PPopoverviewConterller>(defaults, loginItems);
    }
    /// What the next start would read from disk.
    Defaults onDisk() const { return Defaults(file); }
};

// A control of the panel's view, found by its name.
template <typename T>
T* control(const PPopoverviewConterller& panel, const char* name) {
    return panel.view()->findChild<T*>(QLatin1String(name));
}

QStringList comboData(const QComboBox* combo) {
    QStringList data;
    for (int i = 0; i < combo->count(); ++i) data << combo->itemData(i).toString();
    return data;
}

TEST(AutoCleanPanel, LoadingWithNoSettingsShowsTheDefaults) {
    PanelRig r;
    auto p = r.panel();
    EXPECT_TRUE(control<QCheckBox>(*p, "cleanTimeCheckBtn")->isChecked());
    EXPECT_EQ(control<QComboBox>(*p, "theTimeBtn")->currentText(), QStringLiteral("Monthly"));
    EXPECT_EQ(comboData(control<QComboBox>(*p, "theTimeBtn")), AutoCleanPolicy::periodTitles());
    EXPECT_FALSE(control<QCheckBox>(*p, "cleanStorageCheckBtn")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(*p, "showwarningCheckBtn")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(*p, "autoLunchBtn")->isChecked());
    EXPECT_TRUE(control<QLabel>(*p, "lastCleanupSizelab")->isHidden());
    EXPECT_TRUE(p->BCheckDate());
    EXPECT_FALSE(p->BCheckStorage());
    EXPECT_EQ(p->getTimeFrequency(), QStringLiteral("Monthly"));
    EXPECT_TRUE(r.onDisk().stringForKey("TrashStorage").isNull());  // loading writes nothing
    // Every control tests can reach by its name.
    for (const char* name : {"cleanTimeCheckBtn", "theTimeBtn", "cleanStorageCheckBtn", "storageSlider",
                             "storagelab", "showwarningCheckBtn", "autoLunchBtn", "lastCleanupInfolab",
                             "lastCleanupSizelab", "lastCleanupDatelab"})
        EXPECT_NE(p->view()->findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
}

TEST(AutoCleanPanel, AStoredThresholdSetsLabelAndSliderOnlyWhileTheSizeConditionIsOn) {
    struct Case {
        QVariant on;
        QVariant threshold;
        bool boxOn;
        const char* label;
        int position;
    };
    const Case cases[] = {
        {"YES", QVariant::fromValue<quint64>(2000000000), true, " 2.0GB", 15},
        {"YES", QVariant::fromValue<quint64>(2999999999), true, " 3.0GB", 15},
        {"YES", QVariant::fromValue<quint64>(3000000000), true, " 3.0GB", 100},
        {"YES", QVariant::fromValue<quint64>(5000000000), true, " 5.0GB", 100},
        {"YES", QVariant::fromValue<quint64>(0), true, " 500.0MB", 5},  // 0: label and slider as built
        {"YES", QVariant(), true, " 500.0MB", 5},
        {"NO", QVariant::fromValue<quint64>(2000000000), false, " 500.0MB", 5},
        {"yes", QVariant::fromValue<quint64>(2000000000), false, " 500.0MB", 5},
    };
    for (const Case& c : cases) {
        PanelRig r;
        r.defaults->setObject("BAutoTrashStorage", c.on);
        if (c.threshold.isValid()) r.defaults->setObject("TrashStorage", c.threshold);
        auto p = r.panel();
        const QString what = c.on.toString() + ' ' + c.threshold.toString();
        EXPECT_EQ(control<QCheckBox>(*p, "cleanStorageCheckBtn")->isChecked(), c.boxOn) << qPrintable(what);
        EXPECT_EQ(control<QLabel>(*p, "storagelab")->text(), QString::fromLatin1(c.label))
            << qPrintable(what);
        EXPECT_EQ(control<QSlider>(*p, "storageSlider")->value(), c.position) << qPrintable(what);
        // Moving the slider into place must not have stored the position's own threshold.
        EXPECT_EQ(r.defaults->objectForKey("TrashStorage"), c.threshold) << qPrintable(what);
    }
}

TEST(AutoCleanPanel, StoredPeriodLoginWarningAndTimeKeysAreReadAsStored) {
    PanelRig r;
    r.defaults->setString("CleanTimeF", "Weekly");
    r.defaults->setString("BAutoLogin", "yes");
    r.defaults->setString("BShowWarning", "no");
    r.defaults->setString("AutoTrashTime", "NO");
    auto p = r.panel();
    EXPECT_EQ(p->getTimeFrequency(), QStringLiteral("Monthly"));
    EXPECT_FALSE(control<QCheckBox>(*p, "autoLunchBtn")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(*p, "showwarningCheckBtn")->isChecked());  // only exact "NO" turns it off
    EXPECT_FALSE(control<QCheckBox>(*p, "cleanTimeCheckBtn")->isChecked());
    EXPECT_FALSE(control<QComboBox>(*p, "theTimeBtn")->isEnabled());

    r.defaults->setString("CleanTimeF", "3 Days");
    r.defaults->setString("BAutoLogin", "YES");
    r.defaults->setString("BShowWarning", "NO");
    p->readConfigfileInfo();
    EXPECT_EQ(p->getTimeFrequency(), QStringLiteral("3 Days"));
    EXPECT_TRUE(control<QCheckBox>(*p, "autoLunchBtn")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(*p, "showwarningCheckBtn")->isChecked());
    // Loading again starts from "Monthly" and drops the last clean until it is shown again.
    p->ShowLastCleanUpInfo("1.00KB", "(2026-12-06)");
    r.defaults->setString("CleanTimeF", "Fortnightly");
    p->viewDidLoad();
    EXPECT_EQ(p->getTimeFrequency(), QStringLiteral("Monthly"));
    EXPECT_TRUE(control<QLabel>(*p, "lastCleanupSizelab")->isHidden());
}

TEST(AutoCleanPanel, SliderPositionsStoreThePiecewiseThresholdAndTheLabelAgrees) {
    struct Case {
        int position;
        quint64 stored;
        const char* label;
    };
    const Case cases[] = {
        {0, 100000000, " 100.0MB"},    {1, 100000000, " 100.0MB"},      {5, 500000000, " 500.0MB"},
        {15, 1500000000, " 1.5GB"},    {26, 5200000000ULL, " 5.2GB"},   {100, 99999997952ULL, " 100.0GB"},
        {25, 2500000000ULL, " 2.5GB"}, {51, 25500000256ULL, " 25.5GB"}, {76, 76000002048ULL, " 76.0GB"},
    };
    PanelRig r;
    auto p = r.panel();
    for (const Case& c : cases) {
        // Start elsewhere, so the move really changes the value.
        {
            const QSignalBlocker block(control<QSlider>(*p, "storageSlider"));
            control<QSlider>(*p, "storageSlider")->setValue(c.position == 50 ? 60 : 50);
        }
        control<QSlider>(*p, "storageSlider")->setValue(c.position);
        EXPECT_EQ(r.onDisk().unsignedForKey("TrashStorage"), c.stored) << c.position;
        EXPECT_EQ(control<QLabel>(*p, "storagelab")->text(), QString::fromLatin1(c.label)) << c.position;
    }
    // By keyboard, as a user moves it.
    control<QCheckBox>(*p, "cleanStorageCheckBtn")->setChecked(true);
    p->CheckTheStorageAction();
    QTest::keyClick(control<QSlider>(*p, "storageSlider"), Qt::Key_End);
    EXPECT_EQ(r.onDisk().unsignedForKey("TrashStorage"), 99999997952ULL);
    QTest::keyClick(control<QSlider>(*p, "storageSlider"), Qt::Key_Home);
    EXPECT_EQ(r.onDisk().unsignedForKey("TrashStorage"), 100000000u);
}

TEST(AutoCleanPanel, TurningTheSizeBoxOnShowsTheStoredThreshold) {
    struct Case {
        QVariant threshold;
        const char* label;
    };
    const Case cases[] = {
        {QVariant::fromValue<quint64>(2000000000), " 2.0GB"},
        {QVariant(), " 500.0MB"},  // nothing stored: the panel as built
        {QVariant::fromValue<quint64>(0), " 500.0MB"},
    };
    for (const Case& c : cases) {
        PanelRig r;
        r.defaults->setString("BAutoTrashStorage", "NO");
        if (c.threshold.isValid()) r.defaults->setObject("TrashStorage", c.threshold);
        auto p = r.panel();
        p->view()->show();
        const QString what = c.threshold.toString();
        ASSERT_EQ(control<QLabel>(*p, "storagelab")->text(), QStringLiteral(" 500.0MB")) << qPrintable(what);
        QTest::mouseClick(control<QCheckBox>(*p, "cleanStorageCheckBtn"), Qt::LeftButton);
        ASSERT_TRUE(p->BCheckStorage());
        EXPECT_EQ(control<QLabel>(*p, "storagelab")->text(), QString::fromLatin1(c.label))
            << qPrintable(what);
        bool present = false;
        const quint64 stored = r.onDisk().unsignedForKey("TrashStorage", &present);
        EXPECT_EQ(present, c.threshold.isValid()) << qPrintable(what);  // showing stores nothing
        EXPECT_EQ(stored, c.threshold.toULongLong()) << qPrintable(what);
    }
}

/// Where the slider draws its knob.
QPoint knobCenter(const QSlider* slider) {
    QStyleOptionSlider opt;
    opt.initFrom(slider);
    opt.subControls = QStyle::SC_All;
    opt.orientation = slider->orientation();
    opt.minimum = slider->minimum();
    opt.maximum = slider->maximum();
    opt.sliderPosition = slider->sliderPosition();
    opt.sliderValue = slider->value();
    opt.singleStep = slider->singleStep();
    opt.pageStep = slider->pageStep();
    opt.upsideDown = slider->invertedAppearance() != (slider->layoutDirection() == Qt::RightToLeft);
    return slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider).center();
}

TEST(AutoCleanPanel, PressingTheKnobWithoutMovingItChangesNothing) {
    PanelRig r;
    r.defaults->setString("BAutoTrashStorage", "YES");
    r.defaults->setUnsigned("TrashStorage", 2000000000);
    ASSERT_TRUE(r.defaults->synchronize());
    auto p = r.panel();
    p->view()->resize(320, p->view()->sizeHint().height());
    p->view()->show();
    QSlider* slider = control<QSlider>(*p, "storageSlider");
    ASSERT_EQ(slider->value(), 15);  // 1,500,000,000 at that position, not what is stored
    ASSERT_EQ(control<QLabel>(*p, "storagelab")->text(), QStringLiteral(" 2.0GB"));

    QSignalSpy pressed(slider, &QSlider::sliderPressed);
    const QPoint knob = knobCenter(slider);
    QTest::mousePress(slider, Qt::LeftButton, {}, knob);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, knob);
    ASSERT_EQ(pressed.size(), 1);  // the press met the knob
    EXPECT_EQ(slider->value(), 15);
    EXPECT_EQ(control<QLabel>(*p, "storagelab")->text(), QStringLiteral(" 2.0GB"));
    EXPECT_EQ(r.onDisk().unsignedForKey("TrashStorage"), 2000000000u);

    // Dragged away and back: the label follows, then shows the stored threshold again.
    slider->setSliderDown(true);
    slider->setSliderPosition(60);
    EXPECT_NE(control<QLabel>(*p, "storagelab")->text(), QStringLiteral(" 2.0GB"));
    slider->setSliderPosition(15);
    slider->setSliderDown(false);
    EXPECT_EQ(control<QLabel>(*p, "storagelab")->text(), QStringLiteral(" 2.0GB"));
    EXPECT_EQ(r.onDisk().unsignedForKey("TrashStorage"), 2000000000u);
}

TEST(AutoCleanPanel, EachControlWritesItsKeyToDiskAndThePolicySeesTheLiveState) {
    PanelRig r;
    auto p = r.panel();
    p->view()->show();

    QTest::mouseClick(control<QCheckBox>(*p, "cleanTimeCheckBtn"), Qt::LeftButton);
    EXPECT_EQ(r.onDisk().stringForKey("AutoTrashTime"), QStringLiteral("NO"));
    EXPECT_FALSE(p->BCheckDate());
    EXPECT_FALSE(control<QComboBox>(*p, "theTimeBtn")->isEnabled());
    QTest::mouseClick(control<QCheckBox>(*p, "cleanTimeCheckBtn"), Qt::LeftButton);
    EXPECT_EQ(r.onDisk().stringForKey("AutoTrashTime"), QStringLiteral("YES"));

    QTest::mouseClick(control<QCheckBox>(*p, "cleanStorageCheckBtn"), Qt::LeftButton);
    EXPECT_EQ(r.onDisk().stringForKey("BAutoTrashStorage"), QStringLiteral("YES"));
    EXPECT_TRUE(p->BCheckStorage());
    EXPECT_TRUE(control<QSlider>(*p, "storageSlider")->isEnabled());

    QTest::mouseClick(control<QCheckBox>(*p, "showwarningCheckBtn"), Qt::LeftButton);
    EXPECT_EQ(r.onDisk().stringForKey("BShowWarning"), QStringLiteral("NO"));

    control<QComboBox>(*p, "theTimeBtn")->setFocus();
    QTest::keyClick(control<QComboBox>(*p, "theTimeBtn"), Qt::Key_Down);  // "Monthly" → "Two Months"
    EXPECT_EQ(r.onDisk().stringForKey("CleanTimeF"), QStringLiteral("Two Months"));
    EXPECT_EQ(p->getTimeFrequency(), QStringLiteral("Two Months"));

    // A mixed state counts as off.
    control<QCheckBox>(*p, "cleanTimeCheckBtn")->setCheckState(Qt::PartiallyChecked);
    EXPECT_FALSE(p->BCheckDate());
}

TEST(AutoCleanPanel, LoginBoxAddsAndRemovesTheLoginItemAndTellsTheMainWindow) {
    PanelRig r;
    auto p = r.panel();
    p->view()->show();
    QSignalSpy changed(p.get(), &PPopoverviewConterller::autoLoginChanged);
    QTest::mouseClick(control<QCheckBox>(*p, "autoLunchBtn"), Qt::LeftButton);
    EXPECT_EQ(r.onDisk().stringForKey("BAutoLogin"), QStringLiteral("YES"));
    EXPECT_EQ(r.loginItems->entriesForProgram().size(), 1);
    QTest::mouseClick(control<QCheckBox>(*p, "autoLunchBtn"), Qt::LeftButton);
    EXPECT_EQ(r.onDisk().stringForKey("BAutoLogin"), QStringLiteral("NO"));
    EXPECT_TRUE(r.loginItems->entriesForProgram().isEmpty());
    ASSERT_EQ(changed.size(), 2);
    EXPECT_EQ(changed.at(0).at(0).toBool(), true);
    EXPECT_EQ(changed.at(1).at(0).toBool(), false);
}

TEST(AutoCleanPanel, ACleanByThePolicyShowsTheSizeBeforeEmptyingAndTheDate) {
    PanelRig r;
    r.defaults->setString("BAutoTrashStorage", "YES");
    r.defaults->setUnsigned("TrashStorage", 1000);
    r.defaults->setString("BShowWarning", "YES");
    auto p = r.panel();
    auto alerts = std::make_shared<ScriptedAlerts>();
    auto clock = std::make_shared<FixedClock>(QDateTime(QDate(2026, 12, 6), QTime(14, 3, 22), Qt::UTC));
    auto notes = std::make_shared<RecordingNotifications>();
    AutoCleanPolicy policy(r.defaults, alerts, clock, notes);
    policy.setConditions(p.get());
    quint64 trash = 12345678;
    policy.setTrashSizeFunction([&] { return trash; });
    policy.setStartEmptying([&] {
        trash = 0;
        return true;
    });
    policy.setShowLastClean([&](const QString& s, const QString& d) { p->ShowLastCleanUpInfo(s, d); });

    policy.CleanUpTimer_hander();
    EXPECT_EQ(alerts->asked().size(), 1);
    EXPECT_FALSE(control<QLabel>(*p, "lastCleanupSizelab")->isHidden());
    EXPECT_EQ(control<QLabel>(*p, "lastCleanupSizelab")->text(), QStringLiteral("12.35MB"));
    EXPECT_EQ(control<QLabel>(*p, "lastCleanupDatelab")->text(), QStringLiteral("(2026-12-06)"));
    EXPECT_EQ(notes->posted().size(), 1);

    // The size box switched off in the panel: the next tick leaves the Trash alone.
    trash = 5000;
    QTest::mouseClick(control<QCheckBox>(*p, "cleanStorageCheckBtn"), Qt::LeftButton);
    policy.CleanUpTimer_hander();
    EXPECT_EQ(alerts->asked().size(), 1);
    // A null text leaves its label as it was.
    p->ShowLastCleanUpInfo(QString(), QStringLiteral("(2027-01-01)"));
    EXPECT_EQ(control<QLabel>(*p, "lastCleanupSizelab")->text(), QStringLiteral("12.35MB"));
    EXPECT_EQ(control<QLabel>(*p, "lastCleanupDatelab")->text(), QStringLiteral("(2027-01-01)"));
}

TEST(AutoTrashWindow, HostsTheViewWhileThePopoverDoesNotAndTakesItBack) {
    PanelRig r;
    auto p = r.panel();
    AutoTrashWindow window(p->view());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Auto Clean"));
    EXPECT_EQ(window.objectName(), QStringLiteral("autoTrashWindow"));

    // Hidden: the view stays free, as the popover expects it after closing.
    window.reclaim();
    EXPECT_EQ(p->view()->parentWidget(), nullptr);

    window.toggle();
    ASSERT_TRUE(window.isVisible());
    EXPECT_TRUE(window.hostsView());
    EXPECT_TRUE(window.findChild<QLabel*>("borrowedNote")->isHidden());
    EXPECT_TRUE(p->view()->isVisible());

    // The popover borrows it: the window says where the settings are.
    QPointer<PopoverWindow> popover = new PopoverWindow(p->view());
    popover->showRelativeTo(QRect());
    EXPECT_EQ(p->view()->parentWidget(), popover.data());
    EXPECT_FALSE(window.hostsView());
    EXPECT_FALSE(window.findChild<QLabel*>("borrowedNote")->isHidden());
    // The panel fits the popover's width.
    EXPECT_LE(popover->width(), 340);
    EXPECT_LE(p->view()->minimumSizeHint().width(), 340 - 28);

    popover->close();
    ASSERT_TRUE(waitUntil([&] { return popover.isNull(); }));
    EXPECT_EQ(p->view()->parentWidget(), nullptr);
    window.reclaim();
    EXPECT_TRUE(window.hostsView());
    EXPECT_TRUE(window.findChild<QLabel*>("borrowedNote")->isHidden());

    window.toggle();
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
