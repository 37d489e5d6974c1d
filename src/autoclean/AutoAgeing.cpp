#include "AutoAgeing.h"

#include <QLoggingCategory>

#include "TrashAgeing.h"
#include "empty/ProtectionFactory.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "trash/PutBackReader.h"
#include "trash/TrashItemActions.h"
#include "trash/TrashScanner.h"
#include "trash/TrashStore.h"

namespace {
Q_LOGGING_CATEGORY(lcAgeing, "corvane.autoclean", QtInfoMsg)
}  // namespace

AutoAgeing::AutoAgeing(std::shared_ptr<const Paths> paths, std::shared_ptr<const ItemSizes> files,
                       std::shared_ptr<const Workspace> workspace,
                       std::shared_ptr<const SystemCommands> commands, std::shared_ptr<Defaults> defaults,
                       QObject* parent)
    : QObject(parent),
      m_paths(std::move(paths)),
      m_files(std::move(files)),
      m_workspace(std::move(workspace)),
      m_commands(std::move(commands)),
      m_defaults(std::move(defaults)),
      m_worker(this, QStringLiteral("Ageing the Trash out is already under way; the request is ignored.")) {}

AutoAgeing::~AutoAgeing() {
    m_worker.close();
}

bool AutoAgeing::start(const AgeingRules& rules) {
    struct Counts {
        int removed = 0;
        int resisted = 0;
    };
    auto paths = m_paths;
    auto files = m_files;
    auto workspace = m_workspace;
    auto commands = m_commands;
    auto defaults = m_defaults;
    return m_worker.start(
        [=] {
            // A put-back list of its own: the scan rebuilds it, and the location rules read it.
            auto origPaths = std::make_shared<TrashOrigPaths>();
            const QList<CVTrashFileNode::Ptr> items =
                TrashAgeing::itemsFor(rules, TrashScanner(paths, files, origPaths, workspace));
            TrashAgeing ageing(
                ProtectionFactory::forEmptying(ProtectionFactory::fromSettings(defaults, origPaths), {}),
                paths->userTrash());
            const TrashAgeing::Plan plan = ageing.plan(items, rules, Clock().now());
            for (const QString& note : plan.notes) qCInfo(lcAgeing).noquote() << note;
            const TrashAgeing::Outcome outcome =
                ageing.run(plan, TrashItemActions(commands, TrashStore::forPaths(paths)));
            for (const QString& problem : outcome.problems) qCInfo(lcAgeing).noquote() << problem;
            return Counts{int(outcome.removed.size()), int(outcome.resisted.size())};
        },
        [this](const Counts& counts) { Q_EMIT finished(counts.removed, counts.resisted); });
}
