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

protected:
    /// The lists are read afresh each time the window comes up: corvane-cli may have changed them.
    void showEvent(QShowEvent* event) override;

private:
    PPopoverWindowConterller* m_editor;
};
