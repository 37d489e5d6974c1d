#include "CVTrashFileNode.h"

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
