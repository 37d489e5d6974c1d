#include "ProgressPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "ThemeColors.h"
#include "platform/Localized.h"
#include "platform/WorkProgress.h"

ProgressPanel::ProgressPanel(QWidget* parent) : QWidget(parent), m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("actionProgressPanel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("actionProgressLabel"));
    m_label->setStyleSheet(ThemeColors::css(ThemeColors::text(m_label)));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("actionProgress"));
    m_bar->setTextVisible(false);
    m_bar->setFixedWidth(220);
    m_cancelButton = new QPushButton(localized("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelActionButton"));
    m_cancelButton->setAutoDefault(false);
    layout->addWidget(m_label, 1);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancelButton);
    hide();

    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &ProgressPanel::refresh);
    connect(m_cancelButton, &QPushButton::clicked, this, &ProgressPanel::cancel);
}

void ProgressPanel::track(std::shared_ptr<WorkProgress> progress, const QString& what, bool cancellable) {
    m_progress = std::move(progress);
    m_what = what;
    m_cancelButton->setVisible(cancellable);
    m_cancelButton->setEnabled(cancellable);
    refresh();
    show();
    m_timer->start();
}

void ProgressPanel::finish() {
    m_timer->stop();
    m_progress.reset();
    hide();
}

void ProgressPanel::refresh() {
    if (!m_progress) return;
    // Without any total the range 0…0 makes a busy bar.
    const auto [value, maximum] =
        WorkProgress::bar(m_progress->done, m_progress->total, m_progress->bytes, m_progress->bytesTotal);
    m_bar->setRange(0, maximum);
    m_bar->setValue(value);
    m_label->setText(m_progress->text(m_what));
}

void ProgressPanel::cancel() {
    if (!m_progress) return;
    m_progress->cancel = true;
    m_cancelButton->setEnabled(false);
    refresh();
}
