#include "PPopoverviewConterller.h"

#include "platform/Localized.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

PPopoverviewConterller::PPopoverviewConterller(QObject* parent) : QObject(parent) {
    m_view = new QWidget;
    m_view->setObjectName(QStringLiteral("popoverView"));
    auto* layout = new QVBoxLayout(m_view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    auto* box = new QWidget(m_view);
    box->setObjectName(QStringLiteral("lastCleanBox"));
    box->setStyleSheet(QStringLiteral("QWidget#lastCleanBox { background: white; border: 1px solid #dde2ea; "
                                      "border-radius: 8px; }"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(14, 10, 14, 10);
    lastCleanupInfolab = new QLabel(localized("Last cleaned"), box);
    lastCleanupInfolab->setObjectName(QStringLiteral("lastCleanupInfolab"));
    lastCleanupInfolab->setStyleSheet(QStringLiteral("color: #6b778a; border: none;"));
    lastCleanupSizelab = new QLabel(localized("Nothing emptied yet"), box);
    lastCleanupSizelab->setObjectName(QStringLiteral("lastCleanupSizelab"));
    QFont big = lastCleanupSizelab->font();
    big.setPointSizeF(big.pointSizeF() + 4);
    big.setBold(true);
    lastCleanupSizelab->setFont(big);
    lastCleanupSizelab->setStyleSheet(QStringLiteral("color: #1f2a3c; border: none;"));
    lastCleanupDatelab = new QLabel(box);
    lastCleanupDatelab->setObjectName(QStringLiteral("lastCleanupDatelab"));
    lastCleanupDatelab->setStyleSheet(QStringLiteral("color: #6b778a; border: none;"));
    grid->addWidget(lastCleanupInfolab, 0, 0);
    grid->addWidget(lastCleanupDatelab, 0, 1, Qt::AlignRight);
    grid->addWidget(lastCleanupSizelab, 1, 0, 1, 2);
    layout->addWidget(box);

    // Hidden until a last clean is known.
    lastCleanupInfolab->hide();
    lastCleanupSizelab->hide();
    lastCleanupDatelab->hide();
}

PPopoverviewConterller::~PPopoverviewConterller() { delete m_view.data(); }

void PPopoverviewConterller::ShowLastCleanUpInfo(const QString& size, const QString& date) {
    lastCleanupInfolab->show();
    lastCleanupSizelab->show();
    lastCleanupDatelab->show();
    if (!size.isNull()) lastCleanupSizelab->setText(size);
    if (!date.isNull()) lastCleanupDatelab->setText(date);
}
