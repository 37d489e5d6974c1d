#include "ProgressWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "ProgressPanel.h"
#include "ThemeColors.h"
#include "WindowPlacement.h"

namespace {
constexpr int ShowAfterMs = 400;
}

ProgressWindow::ProgressWindow(const QString& objectName, const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window), m_delay(new QTimer(this)) {
    setObjectName(objectName);
    setWindowTitle(title);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(
        QStringLiteral("QWidget#%1 { background: %2; }").arg(objectName, ThemeColors::pane(this).name()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(10);
    m_headingLabel = new QLabel(this);
    m_headingLabel->setObjectName(QStringLiteral("progressHeading"));
    QFont f = m_headingLabel->font();
    f.setBold(true);
    m_headingLabel->setFont(f);
    m_headingLabel->setStyleSheet(ThemeColors::css(ThemeColors::heading(m_headingLabel)));
    m_panel = new ProgressPanel(this);
    layout->addWidget(m_headingLabel);
    layout->addWidget(m_panel);
    resize(520, sizeHint().height());

    m_delay->setSingleShot(true);
    m_delay->setInterval(ShowAfterMs);
    connect(m_delay, &QTimer::timeout, this, &ProgressWindow::showNow);
}

void ProgressWindow::begin(std::shared_ptr<WorkProgress> progress, const QString& heading,
                           const QString& what, bool cancellable) {
    m_headingLabel->setText(heading);
    m_panel->track(std::move(progress), what, cancellable);
    m_delay->start();
}

void ProgressWindow::end() {
    m_delay->stop();
    m_panel->finish();
    hide();
}

void ProgressWindow::showNow() {
    if (!m_panel->isTracking()) return;
    m_delay->stop();
    if (!isVisible()) {
        WindowPlacement::centerOnScreen(this);
        show();
    }
    raise();
}
