#include "SystemCommands.h"

#include "Tasks.h"

SystemCommands::SystemCommands(std::shared_ptr<Tasks> tasks) : m_tasks(std::move(tasks)) {}

QString SystemCommands::safeArgument(const QString& path) {
    return path.startsWith(QLatin1Char('-')) ? QStringLiteral("./") + path : path;
}

void SystemCommands::backupDelete(const QString&) const {}
