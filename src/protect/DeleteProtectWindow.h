#pragma once

#include <QWidget>

class PPopoverWindowConterller;

/// The protection rules window: a short explanation above the rules editor's view.
class DeleteProtectWindow : public QWidget {
    Q_OBJECT
public:
    explicit DeleteProtectWindow(PPopoverWindowConterller* editor, QWidget* parent = nullptr);

    /// Hides the window when it shows; otherwise shows it in front.
    void toggle();
};
