#pragma once

#include <QWidget>

/// Name, version and purpose of the program.
class AboutWindow : public QWidget {
    Q_OBJECT
  public:
    explicit AboutWindow(QWidget* parent = nullptr);
};
