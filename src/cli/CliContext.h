#pragma once

#include <QDir>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>

class Alerts;
class Defaults;
class FileUtilities;
class Paths;
class Tasks;

/// What a verb of corvane-cli works with.
struct CliContext {
    std::shared_ptr<Paths> paths;
    std::shared_ptr<Tasks> tasks;
    std::shared_ptr<Alerts> alerts;
    std::shared_ptr<Defaults> defaults;
    std::shared_ptr<FileUtilities> files;
    QTextStream* out = nullptr;
    QTextStream* err = nullptr;
};

/// One line of --help: how a verb (or one of its sub-verbs) is called, and what it does.
struct CliHelpLine {
    QString usage;    ///< "size PATH..."
    QString summary;
};

/// A verb: its arguments after the verb's name; the result is the exit status.
struct CliVerb {
    QString name;
    QList<CliHelpLine> help;     ///< one line per sub-verb
    bool needsSettings = false;  ///< open the settings store before running
    std::function<int(const QStringList& args, CliContext& ctx)> run;
};

/// A text on one output line: backslashes, tabs and line breaks written as escapes.
QString escaped(const QString& text);

/// Exit statuses of corvane-cli.
namespace CliExit {
inline constexpr int Ok = 0;
inline constexpr int Failed = 1;  ///< something asked for could not be done
inline constexpr int Usage = 2;   ///< bad arguments
}  // namespace CliExit

/// The verbs, in the order --help lists them.
QList<CliVerb> cliVerbs();
/// Verbs of each subsystem.
QList<CliVerb> sizeVerbs();
QList<CliVerb> trashVerbs();
QList<CliVerb> rulesVerbs();
QList<CliVerb> eraseVerbs();
QList<CliVerb> autocleanVerbs();
/// The trash sub-verbs that change things (delete, shred, putback, empty); `handled` false for others.
int trashActionVerb(const QString& sub, const QStringList& args, CliContext& ctx, bool* handled);
/// The forced emptying, asking as the windows do.
int emptyTrash(CliContext& ctx);
int eraseVerb(const QStringList& args, CliContext& ctx);
