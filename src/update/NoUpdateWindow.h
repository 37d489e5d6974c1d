#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

/// The small window that says no newer version exists.
class NoUpdateWindow : public QWidget {
    Q_OBJECT
  public:
    explicit NoUpdateWindow(QWidget* parent = nullptr);
    /// Names the version in use.
    void setCurrentVersion(const QString& version);

    QLabel* messageLabel = nullptr;
    QPushButton* okButton = nullptr;
};
