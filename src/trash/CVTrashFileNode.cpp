#include "CVTrashFileNode.h"

#include <vector>

CVTrashFileNode::~CVTrashFileNode() {
    if (Children.isEmpty()) return;
    std::vector<Ptr> pending(Children.begin(), Children.end());
    Children.clear();
    while (!pending.empty()) {
        Ptr node = std::move(pending.back());
        pending.pop_back();
        // Only a node let go of here gives up its children; one held elsewhere keeps them.
        if (node.use_count() == 1) {
            for (Ptr& child : node->Children) pending.push_back(std::move(child));
            node->Children.clear();
        }
    }
}

void CVTrashFileNode::setChildren(const QList<Ptr>& list) {
    if (&list == &Children) return;
    Children = list;
}

QVariantMap TrashItemDict::make(const QString& name, const QString& sizeText, quint64 bytes,
                                const QString& permission, const QString& origFilePath) {
    QVariantMap dict;
    dict.insert(Name, name);
    dict.insert(FileSize, sizeText);
    dict.insert(FileSizeNum, QVariant::fromValue<quint64>(bytes));
    dict.insert(Permission, permission.isNull() ? QVariant() : QVariant(permission));
    dict.insert(OrigFilePath, origFilePath);
    return dict;
}
