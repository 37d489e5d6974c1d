#include <gtest/gtest.h>

#include "trash/CVTrashFileNode.h"

namespace {

TEST(CVTrashFileNode, ChildrenKeepIdentity) {
    auto node = CVTrashFileNode::create();

    auto a = CVTrashFileNode::create();
    auto b = CVTrashFileNode::create();
    node->addChildren(a);
    node->setChildren(node->children());  // its own list: unchanged
    ASSERT_EQ(node->children().size(), 1);
    EXPECT_EQ(node->children()[0], a);

    QList<CVTrashFileNode::Ptr> other{b, a};
    node->setChildren(other);
    other.clear();  // the node keeps its own copy
    ASSERT_EQ(node->children().size(), 2);
    EXPECT_EQ(node->children()[0], b);
}

TEST(TrashItemDict, HoldsFiveKeysAndNilPermission) {
    const QVariantMap d =
        TrashItemDict::make(QStringLiteral("x"), QStringLiteral("1.00KB"), 1000, QString(), QString(""));
    EXPECT_EQ(d.size(), 5);
    EXPECT_EQ(d.value(TrashItemDict::Name).toString(), QStringLiteral("x"));
    EXPECT_EQ(d.value(TrashItemDict::FileSizeNum).toULongLong(), 1000u);
    EXPECT_FALSE(d.value(TrashItemDict::Permission).isValid());
    EXPECT_TRUE(d.value(TrashItemDict::OrigFilePath).toString().isEmpty());
}

}  // namespace
