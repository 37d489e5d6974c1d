#include "platform/Paths.h"
#include "tolvik/TolvikAccount.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

TEST(TolvikAccount, ActsForTheUserPkexecNamesAndRefusesAnythingElse) {
    const TolvikAccount direct = TolvikAccount::resolve(std::nullopt);
    EXPECT_TRUE(direct.isUsable());
    EXPECT_EQ(direct.loginName(), Paths::currentLoginName());

    EXPECT_EQ(TolvikAccount::resolve(QStringLiteral("0")).loginName(), QStringLiteral("root"));
    EXPECT_EQ(TolvikAccount::resolve(QString::number(::getuid())).loginName(), Paths::currentLoginName());

    ASSERT_TRUE(Paths::loginNameForUid(999999).isEmpty());
    for (const char* bad : {"abc", "", "999999", "-1", " 0", "0x0", "12abc", "4294967296"}) {
        const TolvikAccount refused = TolvikAccount::resolve(QString::fromLatin1(bad));
        EXPECT_FALSE(refused.isUsable()) << bad;
        EXPECT_TRUE(refused.loginName().isEmpty()) << bad;
        EXPECT_FALSE(refused.refusal().isEmpty()) << bad;
    }
}

}  // namespace
