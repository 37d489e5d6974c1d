#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "MainWindow.h"

class ButtonDispatcher;
class PRLeftTipButton;

/// One capability's part of the main window: the texts and image of its left-pane button and its
/// start-view card, its page (none: opening it runs an action instead), what opening it does, and
/// further buttons on its card. Every capability describes itself this way; add() builds it.
struct AppSection {
    struct CardButton {
        QString title;
        QString objectName;
        std::function<void()> action;
    };

    MainWindow::Section look;
    std::function<void()> open;
    QList<CardButton> cardButtons;

    /// Adds the left-pane button, the card with its "Open" and further buttons, and the page to
    /// `window`; the presses go through `dispatcher`. Returns the left-pane button.
    PRLeftTipButton* add(MainWindow& window, ButtonDispatcher& dispatcher) const;
};
