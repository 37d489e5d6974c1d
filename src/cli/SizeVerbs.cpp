#include <QDir>
#include <QFileInfo>

#include "CliContext.h"
#include "core/FileUtilities.h"
#include "platform/Localized.h"
#include "trash/ItemSizes.h"

QList<CliVerb> sizeVerbs() {
    CliVerb size;
    size.name = QStringLiteral("size");
    size.help = {{QStringLiteral("size PATH..."),
                  QStringLiteral("bytes, size text and access text of each path (tab-separated)")}};
    size.run = [](const CliArguments& args, CliContext& ctx) {
        if (!onlyOptions(args, {}, QStringLiteral("size"), ctx)) return CliExit::Usage;
        if (args.operands.isEmpty()) {
            *ctx.err << "corvane-cli: " << localized("size needs at least one path") << '\n';
            return CliExit::Usage;
        }
        int status = CliExit::Ok;
        for (const QString& path : args.operands) {
            const QFileInfo info(path);
            if (!info.exists() && !info.isSymLink()) {
                *ctx.err << "corvane-cli: " << localized("%1: no such file or folder").arg(path) << '\n';
                status = CliExit::Failed;
                continue;
            }
            // A path typed at the shell means the shell's folder; below here nothing is relative.
            const QString absolute =
                path.startsWith(QLatin1Char('/')) ? path : QDir::current().absoluteFilePath(path);
            const quint64 bytes = ctx.files->fastFolderSizeAtFilePath(absolute);
            const QString access = FileUtilities::getFilePermissionwithPath(path);
            *ctx.out << bytes << '\t' << FileUtilities::size_to_unit(bytes) << '\t'
                     << (access.isNull() ? QStringLiteral("--") : access) << '\t' << escaped(path) << '\n';
        }
        return status;
    };
    return {size};
}
