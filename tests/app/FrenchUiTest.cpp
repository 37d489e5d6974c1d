#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "app/MainWindow.h"
#include "app/PopoverWindow.h"
#include "app/StatusItem.h"
#include "desktop/NQLeftButton.h"
#include "platform/Translations.h"
#include "platform/WidgetAlerts.h"
#include "support/AppFixture.h"
#include "widgets/Images.h"
#include "widgets/PRLeftTipButton.h"
#include "widgets/Pills.h"

namespace {

/// The program in French: the translation the locale picks reaches the main window, the tray
/// menu, the alerts and the widget that shows them.
TEST(Translations, FrenchLocaleShowsFrenchWindowsMenusAndAlerts) {
    // The pill images in the resources are what the painter draws for the English labels.
    for (const Pills::Pill& pill : Pills::all())
        for (const bool pressed : {false, true}) {
            const char* file = pressed ? pill.pressed : pill.normal;
            EXPECT_EQ(Pills::paint(pill, QLatin1String(pill.text), pressed).size(),
                      QImage(QStringLiteral(":/images/") + QLatin1String(file)).size())
                << file;
        }
    QTranslator* french = Translations::install(QLocale(QStringLiteral("fr_FR")));
    ASSERT_TRUE(french);
    {
        AppFixture f;
        auto app = f.launch();
        MainWindow* main = app->window();
        EXPECT_EQ(main->sectionButton(QStringLiteral("trash"))->text(), QStringLiteral("Corbeille"));
        EXPECT_EQ(main->sectionButton(QStringLiteral("erase"))->text(),
                  QStringLiteral("Effacement sécurisé"));
        EXPECT_EQ(main->overviewButton()->text(), QStringLiteral("Vue d’ensemble"));
        // A pill's label is part of its image: drawn again in French, wide enough for it.
        const QImage english(QStringLiteral(":/images/imagenombtn.png"));
        const QPixmap pictures = Images::named(QStringLiteral("imagenombtn.png"));
        EXPECT_GT(pictures.deviceIndependentSize().width(), english.width());
        EXPECT_EQ(pictures.deviceIndependentSize().height(), english.height());
        // The popover widens for the wider pills rather than squeezing them.
        app->ClickStateBanner();
        ASSERT_FALSE(app->thePopover().isNull());
        const QList<NQLeftButton*> pills = app->thePopover()->findChildren<NQLeftButton*>();
        EXPECT_GE(pills.size(), 6);
        for (NQLeftButton* pill : pills)
            EXPECT_GE(pill->width(), pill->image().deviceIndependentSize().width())
                << pill->objectName().toStdString();
        app->thePopover()->close();

        QStringList menu;
        for (QAction* a : app->statusItem()->baMenu()->actions()) menu << a->text();
        EXPECT_TRUE(menu.contains(QStringLiteral("Quitter Corvane")))
            << menu.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(menu.contains(QStringLiteral("Préférences…")));

        f.alerts->clear();
        f.alerts->setNextAnswers({Alerts::Alternate});
        app->StrongEmptyTrash();
        ASSERT_FALSE(f.alerts->asked().isEmpty());
        const AlertRequest asked = f.alerts->asked().first();
        EXPECT_EQ(asked.message,
                  QStringLiteral("Corvane va supprimer tous les éléments de la Corbeille, voulez-vous "
                                 "vraiment les supprimer ?"));
        EXPECT_EQ(asked.defaultButton, QStringLiteral(" Vider la Corbeille "));
        EXPECT_EQ(asked.alternateButton, QStringLiteral(" Annuler "));

        QPushButton* def = nullptr;
        std::unique_ptr<QMessageBox> box(WidgetAlerts::buildBox(asked, &def));
        EXPECT_EQ(box->text(), asked.message);
        EXPECT_EQ(def->text(), QStringLiteral(" Vider la Corbeille "));
    }
    QCoreApplication::removeTranslator(french);
    delete french;
}

}  // namespace
