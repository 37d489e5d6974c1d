#include "SystemCommands.h"

#include "Tasks.h"

SystemCommands::SystemCommands(std::shared_ptr<Tasks> tasks) : m_tasks(std::move(tasks)) {}

void SystemCommands::backupDelete(const QString&) const {}
