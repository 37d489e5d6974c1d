#include "AutoTrashWindow.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/Localized.h"
#include "widgets/PaneWidgets.h"
#include "widgets/ThemeColors.h"

AutoTrashWindow::AutoTrashWindow(QWidget* view, QWidget* parent) : QWidget(parent, Qt::Window), m_view(view) {
    setObjectName(QStringLiteral("autoTrashWindow"));
    setWindowTitle(localized("Auto Clean"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(
        QStringLiteral("QWidget#autoTrashWindow { background: %1; }").arg(ThemeColors::pane(this).name()));
    // The view is laid out for the 340-pixel popover; the same inner width here.
    setFixedWidth(360);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(24, 18, 24, 20);
    m_layout->setSpacing(12);
    m_layout->setSizeConstraint(QLayout::SetMinimumSize);
    QLabel* intro = mutedLabel(localized("Corvane empties your Trash by itself when it grows too large or "
                                         "when the chosen time has passed."),
                               this);
    intro->setObjectName(QStringLiteral("autoTrashIntro"));
    m_layout->addWidget(intro);
    m_borrowedNote = mutedLabel(localized("These settings are open in the Corvane panel popover."), this);
    m_borrowedNote->setObjectName(QStringLiteral("borrowedNote"));
    m_borrowedNote->setAlignment(Qt::AlignCenter);
    m_borrowedNote->setMinimumHeight(80);
    m_layout->addWidget(m_borrowedNote);
    m_layout->addStretch(1);

    if (m_view) m_view->installEventFilter(this);
    updateNote();
}

bool AutoTrashWindow::hostsView() const {
    return m_view && m_view->parentWidget() == this;
}

void AutoTrashWindow::reclaim() {
    // A hidden window leaves the view free; it takes it when it shows.
    if (isVisible()) take();
    updateNote();
}

void AutoTrashWindow::take() {
    if (!m_view || m_view->parentWidget()) return;
    m_layout->insertWidget(1, m_view);
    m_view->show();
    updateNote();
    // Grow to the view at once, not at the next layout pass (the window may be shown already).
    m_layout->activate();
    adjustSize();
}

void AutoTrashWindow::toggle() {
    if (isVisible()) {
        hide();
        return;
    }
    take();
    updateNote();
    show();
    raise();
    activateWindow();
}

void AutoTrashWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    take();
    updateNote();
}

bool AutoTrashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view && event->type() == QEvent::ParentChange) updateNote();
    return QWidget::eventFilter(watched, event);
}

void AutoTrashWindow::updateNote() {
    if (m_borrowedNote) m_borrowedNote->setVisible(!hostsView());
}
