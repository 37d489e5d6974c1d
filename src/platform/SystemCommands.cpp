#include "SystemCommands.h"

#include "Tasks.h"

SystemCommands::SystemCommands(std::shared_ptr<Tasks> tasks) : m_tasks(std::move(tasks)) {}

QString SystemCommands::safeArgument(const QString& path) {
    return path.startsWith(QLatin1Char('-')) ? QStringLiteral("./") + path : path;
}

void SystemCommands::moveNoReplace(const QString& from, const QString& to) const {
    // -T: never into a folder that is there; -n: never over what is there. A copy across volumes
    // takes as long as it takes: one killed midway would leave half an item at the destination.
    m_tasks->run(QStringLiteral("mv"),
                 {QStringLiteral("-n"), QStringLiteral("-T"), QStringLiteral("--"), from, to},
                 Tasks::NoTimeLimit);
}

void SystemCommands::backupDelete(const QString&) const {}
