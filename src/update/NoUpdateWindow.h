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

  Q_SIGNALS:
    void okClicked();

  private:
    QLabel* m_messageLabel = nullptr;
    QPushButton* m_okButton = nullptr;
};
