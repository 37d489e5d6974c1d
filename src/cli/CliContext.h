#pragma once

#include <QDir>
#include <QHash>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>

class Alerts;
class Defaults;
class EmptyProtection;
class TrashOrigPaths;
class ItemSizes;
class Paths;
class Tasks;

/// What a verb of corvane-cli works with.
struct CliContext {
    std::shared_ptr<Paths> paths;
    std::shared_ptr<Tasks> tasks;
    std::shared_ptr<Alerts> alerts;
    std::shared_ptr<Defaults> defaults;
    std::shared_ptr<ItemSizes> files;
    QTextStream* out = nullptr;
    QTextStream* err = nullptr;
};

/// One line of --help: how a verb (or one of its sub-verbs) is called, and what it does.
struct CliHelpLine {
    QString usage;  ///< "size PATH..."
    QString summary;
};

/// What follows a verb's name: its sub-verb, then its options, then its operands (paths, names,
/// formats). Options end at "--" or at the first argument that is not an option, so everything
/// after that is an operand, even "--" or "-y": a file named "-y" never answers a question.
struct CliArguments {
    QString sub;          ///< the sub-verb ("list"), for verbs that have them; may be empty
    QStringList options;  ///< the verb's own options ("--json"); "--yes" is taken out
    QStringList operands;
};

/// Splits what follows a verb's name; "--yes" and "-y" among the options set `assumeYes`.
CliArguments splitArguments(const QStringList& args, bool hasSubVerbs, bool* assumeYes);

/// A verb: its arguments after the verb's name; the result is the exit status.
struct CliVerb {
    QString name;
    QList<CliHelpLine> help;     ///< one line per sub-verb
    bool needsSettings = false;  ///< open the settings store before running
    bool hasSubVerbs = false;    ///< the first word after the name is a sub-verb, not an operand
    std::function<int(const CliArguments& args, CliContext& ctx)> run;
};

/// A text on one output line: backslashes, tabs and line breaks written as escapes.
QString escaped(const QString& text);

/// True when `args` holds no option but those in `allowed`; otherwise says which one on standard
/// error (`verb` names the verb, as "trash list").
bool onlyOptions(const CliArguments& args, const QStringList& allowed, const QString& verb, CliContext& ctx);

/// Exit statuses of corvane-cli.
namespace CliExit {
inline constexpr int Ok = 0;
inline constexpr int Failed = 1;            ///< something asked for could not be done
inline constexpr int Usage = 2;             ///< bad arguments
inline constexpr int UpdateAvailable = 10;  ///< update check: a newer version is published
}  // namespace CliExit

/// The verbs, in the order --help lists them.
QList<CliVerb> cliVerbs();
/// Verbs of each subsystem.
QList<CliVerb> sizeVerbs();
QList<CliVerb> trashVerbs();
QList<CliVerb> rulesVerbs();
QList<CliVerb> eraseVerbs();
QList<CliVerb> autocleanVerbs();
QList<CliVerb> desktopVerbs();
QList<CliVerb> updateVerbs();
QList<CliVerb> cookieVerbs();
/// The trash sub-verbs that change things (delete, shred, putback, empty); `handled` false for others.
int trashActionVerb(const CliArguments& args, CliContext& ctx, bool* handled);
/// trash put and trash undo; `handled` false for other sub-verbs.
int trashMoveVerb(const CliArguments& args, CliContext& ctx, bool* handled);
/// How a forced emptying from the command line reports: `list` prints a "removed" line per entry
/// gone; a dry run asks nothing, prints the lines a listed run would and changes nothing.
struct ForcedEmptying {
    bool dryRun = false;
    bool list = false;
};
/// The forced emptying, asking as the windows do.
int emptyTrash(CliContext& ctx, const ForcedEmptying& how = {});
/// The forced emptying's pass, after its question when `ask` (a dry run asks nothing): the number
/// of stages that failed, -1 when the question was declined.
int runForcedEmptying(CliContext& ctx, const ForcedEmptying& how, bool ask);
/// The protection of an emptying from the command line: the rules from the settings, as the
/// windows read them; each protected item is written as a "protected" line after the pass.
EmptyProtection emptyingProtection(CliContext& ctx, std::shared_ptr<const TrashOrigPaths> origPaths);
int eraseVerb(const CliArguments& args, CliContext& ctx);

struct AgeingRules;
/// Options of a verb that take values ("--older-than 30" or "--older-than=30") besides flags.
struct CliOptionWords {
    QStringList flags;
    QHash<QString, QString> values;
};
/// Reads the verb's options and operands as options only; anything else is a usage error said on
/// standard error.
bool optionWords(const CliArguments& args, const QStringList& flags, const QStringList& valued,
                 const QString& verb, CliContext& ctx, CliOptionWords* words);
/// How ageTrash() runs: a dry run changes nothing; `ask` asks before removing anything.
struct AgeingRun {
    bool dryRun = false;
    bool ask = true;
};
/// Removes what `rules` pick from one scan, the protection rules holding; prints a "removed" line
/// per item gone and the "protected" lines after. `removedCount` gets how many went.
int ageTrash(CliContext& ctx, const AgeingRules& rules, const AgeingRun& how, int* removedCount);
/// "trash empty [--dry-run] [--older-than DAYS]".
int emptyTrashVerb(const CliArguments& args, CliContext& ctx);
/// One "removed" line: the item's path in the Trash and its original place ("--" unknown).
void printRemoved(CliContext& ctx, const QString& trashPath, const QString& original);
/// "autoclean install-timer" / "remove-timer".
int installTimer(CliContext& ctx);
int removeTimer(CliContext& ctx);
