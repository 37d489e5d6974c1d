#include "DesktopController.h"

#include "DesktopTidy.h"
#include "core/SettingsKeys.h"
#include "core/fs/FsName.h"
#include "platform/Alerts.h"
#include "platform/Defaults.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/WorkProgress.h"

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

bool DesktopController::ChangeStorePath(const QString& location) {
    m_location = location;
    if (location.isEmpty() || !m_defaults) return false;
    m_defaults->setString(SettingsKeys::PloverlyPath, location);
    return m_defaults->synchronize();
}

QString DesktopController::storeFolder() const {
    return Paths::desktopStoreFolder(m_location);
}

QString DesktopController::desktopFolder() const {
    return m_paths->userDesktop();
}

bool DesktopController::ClickTidyNowAct() {
    const QString store = storeFolder();
    if (store.isEmpty() || m_tidies.isRunning()) return false;
    m_progress = std::make_shared<WorkProgress>();
    const bool started = m_tidies.start(
        [desktop = desktopFolder(), store, limits = m_paths->scopeLimits(), progress = m_progress] {
            return DesktopTidy::tidy(desktop, store, limits, progress.get());
        },
        [this](const DesktopTidy::TidyResult& result) {
            for (const NQFileNode::Ptr& node : result.moved) m_catalogue.append(node);
            m_catalogue.SortAllDataArray();
            QStringList left = result.left;
            if (!result.refused.isEmpty())
                left.prepend(result.refused);
            else if (!result.storeReady)
                left.prepend(storeFolder() + QStringLiteral(": can't be made"));
            Q_EMIT catalogueChanged();
            Q_EMIT RefreshFinishTableViewMainThreadHandle(left);
        });
    if (started) Q_EMIT tidyStarted();
    return started;
}

void DesktopController::FreshCurrentDeskTop() {
    m_catalogue.freshCurrentDeskTop(storeFolder());
    Q_EMIT catalogueChanged();
}

FsMove::Outcome DesktopController::restore(const NQFileNode::Ptr& node, QString* why) {
    const FsMove::Outcome outcome =
        DesktopTidy::restore(node->fullFilePath, desktopFolder(), m_paths->scopeLimits(), why);
    if (outcome == FsMove::Outcome::Moved) {
        m_catalogue.remove(node);
        Q_EMIT catalogueChanged();
    }
    return outcome;
}

bool DesktopController::deleteNode(const NQFileNode::Ptr& node, QString* why) {
    const FsTree::Report report = DesktopTidy::deleteItem(node->fullFilePath, m_paths->scopeLimits());
    if (why) *why = report.problems.join(QLatin1Char('\n'));
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
