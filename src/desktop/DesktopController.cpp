#include "DesktopController.h"

#include <sys/stat.h>

#include <utility>

#include "DesktopTidy.h"
#include "TidyPlaces.h"
#include "core/SettingsKeys.h"
#include "core/fs/FsLook.h"
#include "core/fs/FsName.h"
#include "platform/Alerts.h"
#include "platform/Defaults.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/WorkProgress.h"
#include "trash/TrashPut.h"

namespace {

void say(QString* why, const QString& text) {
    if (why) *why = text;
}

}  // namespace

DesktopController::DesktopController(std::shared_ptr<Defaults> defaults, std::shared_ptr<const Paths> paths,
                                     QObject* parent)
    : QObject(parent),
      m_defaults(std::move(defaults)),
      m_paths(std::move(paths)),
      m_progress(std::make_shared<WorkProgress>()),
      m_tidies(this, QStringLiteral("A tidy is already running; the request is ignored.")) {
    if (m_defaults) m_location = m_defaults->stringForKey(SettingsKeys::PloverlyPath);
}

DesktopController::~DesktopController() {
    m_progress->cancel = true;
    m_tidies.close();
}

bool DesktopController::setStorelocationPath(const QString& location, QString* why) {
    const QString chosen = TidyPlaces::chosenLocation(location);
    const QString problem = TidyPlaces::locationProblem(*m_paths, chosen);
    say(why, problem);
    if (!problem.isEmpty()) return false;
    m_location = chosen;
    return true;
}

DesktopController::LocationChange DesktopController::ChangeStorePath(const QString& location, QString* why) {
    if (!setStorelocationPath(location, why)) return LocationChange::Refused;
    if (!m_defaults) return LocationChange::NotSaved;
    m_defaults->setString(SettingsKeys::PloverlyPath, m_location);
    return m_defaults->synchronize() ? LocationChange::Stored : LocationChange::NotSaved;
}

QString DesktopController::storeFolder(QString* why) const {
    return TidyPlaces::storeFolder(*m_paths, m_location, why);
}

QString DesktopController::desktopFolder(QString* why) const {
    return TidyPlaces::desktop(*m_paths, why);
}

bool DesktopController::ClickTidyNowAct(QString* why) {
    if (m_tidies.isRunning()) {
        say(why, localized("A tidy is already under way."));
        return false;
    }
    const QString desktop = desktopFolder(why);
    if (desktop.isEmpty()) return false;
    const QString store = storeFolder(why);
    if (store.isEmpty()) return false;
    m_progress = std::make_shared<WorkProgress>();
    const bool started = m_tidies.start(
        [desktop, store, limits = m_paths->scopeLimits(), progress = m_progress] {
            return DesktopTidy::tidy(desktop, store, limits, progress.get());
        },
        [this](const DesktopTidy::TidyResult& result) {
            // A refresh asked for meanwhile finds the moved items itself; otherwise they take the
            // place of any record of the same item, so nothing is catalogued twice.
            if (std::exchange(m_refreshAfterTidy, false))
                rescan(nullptr);
            else
                for (const NQFileNode::Ptr& node : result.moved) m_catalogue.replace(node);
            m_catalogue.SortAllDataArray();
            QStringList left = result.left;
            if (!result.refused.isEmpty()) left.prepend(result.refused);
            Q_EMIT catalogueChanged();
            Q_EMIT RefreshFinishTableViewMainThreadHandle(left);
        });
    if (started) Q_EMIT tidyStarted();
    return started;
}

bool DesktopController::FreshCurrentDeskTop(QString* why) {
    // The tidy's hand-back adds what it moved; a scan now would count those items twice.
    if (m_tidies.isRunning()) {
        m_refreshAfterTidy = true;
        say(why, localized("A tidy is under way; the list is refreshed when it ends."));
        return false;
    }
    return rescan(why);
}

bool DesktopController::rescan(QString* why) {
    const QString store = storeFolder(why);
    QString problem;
    const FsScope opened =
        store.isEmpty() ? FsScope() : DesktopTidy::openStore(store, m_paths->scopeLimits(), &problem);
    m_catalogue.freshCurrentDeskTop(opened.folder().folder());
    Q_EMIT catalogueChanged();
    if (store.isEmpty()) return false;
    if (!opened.isValid()) {
        say(why, FsLook::missing(store)
                     ? localized("The store folder is missing; the next tidy makes it again.")
                     : problem);
        return false;
    }
    say(why, QString());
    return true;
}

FsMove::Outcome DesktopController::restore(const NQFileNode::Ptr& node, QString* why) {
    const QString desktop = desktopFolder(why);
    if (desktop.isEmpty()) return FsMove::Outcome::Failed;
    const QString store = storeFolder(why);
    if (store.isEmpty()) return FsMove::Outcome::Failed;
    const FsMove::Outcome outcome =
        DesktopTidy::restore(store, node->fullFilePath, desktop, m_paths->scopeLimits(), why);
    if (outcome == FsMove::Outcome::Moved) {
        m_catalogue.remove(node);
        Q_EMIT catalogueChanged();
    }
    return outcome;
}

bool DesktopController::deleteNode(const NQFileNode::Ptr& node, QString* why) {
    const QString store = storeFolder(why);
    if (store.isEmpty()) return false;
    const FsTree::Report report = DesktopTidy::deleteItem(store, node->fullFilePath, m_paths->scopeLimits());
    say(why, report.problems.join(QLatin1Char('\n')));
    if (!report.gone) return false;
    m_catalogue.remove(node);
    Q_EMIT catalogueChanged();
    return true;
}

bool DesktopController::restoreOrSay(const NQFileNode::Ptr& node, Alerts* alerts) {
    QString why;
    const FsMove::Outcome outcome = restore(node, &why);
    if (outcome == FsMove::Outcome::Moved) return true;
    if (alerts)
        alerts->runModal({localized("\"%1\" stays in the store.").arg(FsName::displayText(node->fileName)),
                          localized(" OK "),
                          {},
                          outcome == FsMove::Outcome::Taken
                              ? localized("The Desktop already has an item of that name.")
                              : why});
    return false;
}

bool DesktopController::deleteOrSay(const NQFileNode::Ptr& node, Alerts* alerts) {
    QString why;
    if (deleteNode(node, &why)) return true;
    if (alerts)
        alerts->runModal({localized("\"%1\" could not be deleted.").arg(FsName::displayText(node->fileName)),
                          localized(" OK "),
                          {},
                          why});
    return false;
}

bool DesktopController::trashOrSay(const NQFileNode::Ptr& node, Alerts* alerts) {
    const QString name = FsName::displayText(node->fileName);
    QString why;
    const QString store = storeFolder(&why);
    TrashPut::Result result;
    result.source = node->fullFilePath;
    if (store.isEmpty() || !node->fullFilePath.startsWith(store + QLatin1Char('/'))) {
        // Only what lies in the store goes from here.
        result.outcome = TrashPut::Outcome::Refused;
        result.why = store.isEmpty() ? why : localized("it is not in the store folder");
    } else {
        const TrashPut put(m_paths);
        result = put.put(node->fullFilePath, TrashPut::Options());
        if (result.outcome == TrashPut::Outcome::NoTrash) {
            const bool copy =
                alerts && alerts->runModal({localized("Copy to the home Trash?"), localized(" Copy "),
                                            localized(" Cancel "),
                                            localized("The volume holding \"%1\" has no Trash. It can "
                                                      "be copied to your home Trash and removed here.")
                                                .arg(name)}) == Alerts::Default;
            if (!copy) return false;  // the user kept it where it is
            TrashPut::Options options;
            options.copyToHome = true;
            result = put.put(node->fullFilePath, options);
        }
    }
    const bool trashed = result.outcome == TrashPut::Outcome::Trashed;
    // A copy that left part of the item behind changed the store too.
    if (trashed || result.outcome == TrashPut::Outcome::Copied) rescan(nullptr);
    if (!trashed && alerts)
        alerts->runModal({localized("\"%1\" was not moved to the Trash.").arg(name),
                          localized(" OK "),
                          {},
                          TrashPut::notTrashedText(result)});
    return trashed;
}
