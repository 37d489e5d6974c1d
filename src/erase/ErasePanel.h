#pragma once

#include <QString>
#include <QStringList>

class QWidget;

/// A panel in which files and folders can be chosen together, several at a time.
namespace ErasePanel {
/// Runs the panel modally, starting in `startFolder`; the chosen paths, or nothing when cancelled.
QStringList choose(QWidget* parent, const QString& startFolder);
}  // namespace ErasePanel
