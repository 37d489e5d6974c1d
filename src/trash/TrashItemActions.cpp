#include "TrashItemActions.h"

#include "TrashInfo.h"
#include "erase/SecureEraser.h"

#include "app/FileUtilities.h"
#include "platform/Localized.h"
#include "platform/SystemCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>


void TrashItemActions::deleteItem(const QString& trashPath) const {
    m_commands->removeTree(trashPath);
    TrashInfo::forgetItem(trashPath);
}

void TrashItemActions::secureDeleteItem(const QString& trashPath) const {
    SecureEraser(m_commands).eraseItems({trashPath});
    TrashInfo::forgetItem(trashPath);
}

TrashItemActions::PutBack TrashItemActions::putBack(const QString& trashPath, const QString& original) const {
    if (original == QLatin1String("--") || original.isEmpty()) return PutBack::Unknown;
    if (FileUtilities::somethingAt(original)) return PutBack::Taken;
    QDir().mkpath(QFileInfo(original).absolutePath());  // a failure shows as a failed move
    m_commands->moveNoReplace(trashPath, original);
    if (FileUtilities::somethingAt(trashPath)) return FileUtilities::somethingAt(original) ? PutBack::Taken : PutBack::Failed;
    TrashInfo::forgetItem(trashPath);
    return PutBack::Moved;
}

QString TrashItemActions::notPutBackText(const QList<NotPutBack>& items) {
    QStringList lines;
    for (const NotPutBack& item : items) {
        switch (item.reason) {
        case PutBack::Taken:
            lines << localized("\"%1\": something is already at %2.").arg(item.name, item.destination);
            break;
        case PutBack::Failed:
            lines << localized("\"%1\": it could not be moved to %2.").arg(item.name, item.destination);
            break;
        case PutBack::Unknown:
            lines << localized("\"%1\": where it came from is not known.").arg(item.name);
            break;
        case PutBack::Moved: break;
        }
    }
    return lines.join(QLatin1Char('\n'));
}
