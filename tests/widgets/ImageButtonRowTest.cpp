#include <gtest/gtest.h>

#include <memory>

#include "platform/NotificationCenter.h"
#include "widgets/ImageButtonRow.h"
#include "widgets/Images.h"
#include "widgets/PRLeftTipButton.h"

namespace {

bool shows(const PRLeftTipButton* b, const char* image) {
    return b->image().toImage() == Images::named(QLatin1String(image)).toImage();
}

// One button at a time shows pressed, whichever was pressed before; an index outside the row shows
// every button normal, and a button the row does not hold has no place in it.
TEST(ImageButtonRow, OneButtonShowsPressedTheOthersNormal) {
    NotificationCenter nc;
    ImageButtonRow row(QStringLiteral("row"));
    const char* pressed[] = {"picbigDown.png", "docbigdown.png", "archbigdown.png"};
    const char* normal[] = {"picbignom.png", "docbignom.png", "archbignom.png"};
    QList<PRLeftTipButton*> buttons;
    for (int i = 0; i < 3; ++i)
        buttons << row.add(new PRLeftTipButton(&nc, QString::number(i)), QLatin1String(pressed[i]),
                           QLatin1String(normal[i]));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(shows(buttons[i], normal[i])) << i;

    for (int selected : {2, 0, 1, -1, 3}) {
        row.select(selected);
        EXPECT_EQ(row.selected(), selected >= 0 && selected < 3 ? selected : -1);
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(shows(buttons[i], i == selected ? pressed[i] : normal[i])) << selected << " " << i;
    }
    for (int i = 0; i < 3; ++i) EXPECT_EQ(row.indexOf(buttons[i]), i);
    PRLeftTipButton stranger(&nc, QStringLiteral("x"));
    EXPECT_EQ(row.indexOf(&stranger), -1);
    EXPECT_EQ(row.indexOf(nullptr), -1);
    EXPECT_EQ(buttons[1]->parentWidget(), &row);
}

// A group over buttons another pane lays out leaves their images alone until a press, and skips a
// button its pane has deleted.
TEST(ImageButtonRow, AGroupSurvivesAButtonItsPaneDeleted) {
    NotificationCenter nc;
    auto kept = std::make_unique<PRLeftTipButton>(&nc, QStringLiteral("kept"));
    kept->setImage(Images::named(QStringLiteral("chromecookiedown.png")));
    auto* gone = new PRLeftTipButton(&nc, QStringLiteral("gone"));
    ImageButtonGroup group;
    group.add(kept.get(), QStringLiteral("chromecookiedown.png"), QStringLiteral("chromecookienom.png"));
    group.add(gone, QStringLiteral("firefoxcookiedown.png"), QStringLiteral("firefoxcookienom.png"));
    EXPECT_TRUE(shows(kept.get(), "chromecookiedown.png"));
    delete gone;
    group.select(1);
    EXPECT_TRUE(shows(kept.get(), "chromecookienom.png"));
    EXPECT_EQ(group.button(1), nullptr);
    EXPECT_EQ(group.count(), 2);
}

}  // namespace
