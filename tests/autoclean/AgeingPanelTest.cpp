// The ageing rules in the auto-clean panel: loaded from the settings, stored by the real controls,
// and handed to the policy's check.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "autoclean/AgeingRules.h"
#include "autoclean/AutoCleanPolicy.h"
#include "autoclean/AutoTrashWindow.h"
#include "autoclean/PPopoverviewConterller.h"
#include "platform/Defaults.h"
#include "support/EventWait.h"
#include "support/FixedClock.h"
#include "support/TempRoot.h"

namespace {

struct AgeingRig {
    TempRoot root;
    QString file = root.file("config/Corvane/Corvane.conf");
    std::shared_ptr<Defaults> defaults = std::make_shared<Defaults>(file);
    AgeingRules onDisk() const { return AgeingRules::stored(Defaults(file)); }
};

struct Control {
    const char* box;
    const char* spin;
    AgeingRules::Rule AgeingRules::*rule;
    int high;
};
const Control kControls[] = {
    {"ageCheckBtn", "ageDaysSpin", &AgeingRules::olderThanDays, AgeingRules::MaxDays},
    {"shareCheckBtn", "sharePercentSpin", &AgeingRules::maxSharePercent, AgeingRules::MaxShare},
    {"keepFreeCheckBtn", "keepFreeSpin", &AgeingRules::keepFreeGB, AgeingRules::MaxFreeGB},
};

TEST(AgeingPanel, EachRulesBoxAndNumberLoadFromTheSettingsAndAreStoredWhenChanged) {
    AgeingRig r;
    AgeingRules stored;
    stored.olderThanDays = {true, 45};
    stored.maxSharePercent = {false, 12};
    stored.keepFreeGB = {true, 8};
    stored.store(*r.defaults);
    r.defaults->synchronize();
    PPopoverviewConterller panel(r.defaults, nullptr);
    QWidget* view = panel.view();
    view->show();
    EXPECT_EQ(panel.ageingRules(), stored);

    for (const Control& c : kControls) {
        auto* box = view->findChild<QCheckBox*>(c.box);
        auto* spin = view->findChild<QSpinBox*>(c.spin);
        ASSERT_TRUE(box && spin) << c.box;
        EXPECT_EQ(box->isChecked(), (stored.*c.rule).on) << c.box;
        EXPECT_EQ(spin->value(), (stored.*c.rule).value) << c.spin;
        EXPECT_EQ(spin->isEnabled(), box->isChecked()) << c.spin;
        EXPECT_EQ(spin->maximum(), c.high);
        EXPECT_EQ(spin->minimum(), 1);

        // A click on the box flips the rule and enables its number; the number is kept.
        const bool was = box->isChecked();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        EXPECT_EQ((r.onDisk().*c.rule).on, !was) << c.box;
        EXPECT_EQ(spin->isEnabled(), !was) << c.spin;
        if (!spin->isEnabled()) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));

        // A typed number is stored when editing ends; one past the range stops at its end.
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, QString::number(c.high + 1));
        QTest::keyClick(spin, Qt::Key_Return);
        EXPECT_EQ((r.onDisk().*c.rule).value, spin->value()) << c.spin;
        EXPECT_LE(spin->value(), c.high);
        QTest::keyClick(spin, Qt::Key_Down);
        EXPECT_EQ((r.onDisk().*c.rule).value, spin->value()) << c.spin;
    }
    // Loading again shows what was stored, and stores nothing itself.
    const AgeingRules now = r.onDisk();
    PPopoverviewConterller again(r.defaults, nullptr);
    EXPECT_EQ(again.ageingRules(), now);
    EXPECT_EQ(r.onDisk(), now);
}

TEST(AgeingPanel, ThePolicysCheckHandsThePanelsRulesOnOnlyWhenNoEmptyingStarted) {
    AgeingRig r;
    r.defaults->setString("AutoTrashTime", "NO");
    r.defaults->setString("BShowWarning", "NO");
    r.defaults->setUnsigned("TrashStorage", 1000);
    PPopoverviewConterller panel(r.defaults, nullptr);
    auto* box = panel.view()->findChild<QCheckBox*>("ageCheckBtn");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));

    struct Case {
        const char* what;
        bool sizeOn;
        quint64 trashSize;
        bool running;
        bool ageingOn;
        int handed;
    };
    const Case cases[] = {
        {"nothing due", false, 0, false, true, 1},
        {"size due: the whole Trash goes", true, 5000, false, true, 0},
        {"an emptying under way", false, 0, true, true, 0},
        {"no rule on", false, 0, false, false, 0},
    };
    for (const Case& c : cases) {
        panel.view()->findChild<QCheckBox*>("cleanStorageCheckBtn")->setChecked(c.sizeOn);
        if (box->isChecked() != c.ageingOn)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        AutoCleanPolicy policy(r.defaults, nullptr,
                               std::make_shared<FixedClock>(QDateTime::currentDateTimeUtc()), nullptr);
        policy.setConditions(&panel);
        policy.setTrashSizeFunction([&] { return c.trashSize; });
        policy.setStartEmptying([] { return true; });
        policy.setEmptyingRunning([&] { return c.running; });
        QList<AgeingRules> handed;
        policy.setStartAgeing([&](const AgeingRules& rules) {
            handed << rules;
            return true;
        });
        const auto outcome = policy.CleanUpTimer_hander();
        ASSERT_EQ(handed.size(), c.handed) << c.what;
        EXPECT_EQ(outcome.ageingStarted, c.handed == 1) << c.what;
        if (c.handed) {
            EXPECT_EQ(handed[0], panel.ageingRules()) << c.what;
        }
    }
}

TEST(AgeingPanel, TheAutoCleanWindowShowsTheRulesAndAScreenshotCanBeTaken) {
    AgeingRig r;
    PPopoverviewConterller panel(r.defaults, nullptr);
    AutoTrashWindow window(panel.view());
    window.show();
    ASSERT_TRUE(waitUntil([&] { return window.isVisible() && window.hostsView(); }));
    for (const Control& c : kControls) {
        auto* spin = window.findChild<QSpinBox*>(c.spin);
        ASSERT_TRUE(spin) << c.spin;
        EXPECT_TRUE(spin->isVisible());
        // Every control lies inside the window's width: nothing is cut off.
        EXPECT_LE(spin->mapTo(&window, QPoint(spin->width(), 0)).x(), window.width()) << c.spin;
    }
    const QString shot = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (!shot.isEmpty()) {
        EXPECT_TRUE(window.grab().save(shot + "/auto-clean-window.png"));
    }
}

}  // namespace
