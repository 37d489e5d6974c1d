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
    label = new QLabel(this);
    label->setObjectName(QStringLiteral("actionProgressLabel"));
    label->setStyleSheet(ThemeColors::css(ThemeColors::text(label)));
    bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("actionProgress"));
    bar->setTextVisible(false);
    bar->setFixedWidth(220);
    cancelButton = new QPushButton(localized("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelActionButton"));
    cancelButton->setAutoDefault(false);
    layout->addWidget(label, 1);
    layout->addWidget(bar);
    layout->addWidget(cancelButton);
    hide();

    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &ProgressPanel::refresh);
    connect(cancelButton, &QPushButton::clicked, this, &ProgressPanel::cancel);
}

void ProgressPanel::track(std::shared_ptr<WorkProgress> progress, const QString& what, bool cancellable) {
    m_progress = std::move(progress);
    m_what = what;
    cancelButton->setVisible(cancellable);
    cancelButton->setEnabled(cancellable);
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
    bar->setRange(0, maximum);
    bar->setValue(value);
    label->setText(m_progress->text(m_what));
}

void ProgressPanel::cancel() {
    if (!m_progress) return;
    m_progress->cancel = true;
    cancelButton->setEnabled(false);
    refresh();
}
