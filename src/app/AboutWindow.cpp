#include "AboutWindow.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Localized.h"
#include "widgets/Images.h"
#include "widgets/PaneWidgets.h"
#include "widgets/ThemeColors.h"

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("aboutWindow"));
    setWindowTitle(localized("About Corvane"));
    QPalette pal = palette();
    // White on a light theme, the theme's text field colours on a dark one.
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Text));
    setPalette(pal);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 20);
    layout->setSpacing(6);
    auto* icon = new QLabel(this);
    icon->setPixmap(Images::named(QStringLiteral("corvane.png"))
                        .scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    auto* name = new QLabel(QStringLiteral("Corvane"), this);
    QFont f = name->font();
    f.setPointSizeF(f.pointSizeF() + 6);
    f.setBold(true);
    name->setFont(f);
    name->setStyleSheet(ThemeColors::css(ThemeColors::heading(name)));
    layout->addWidget(name, 0, Qt::AlignHCenter);
    auto* version = mutedLabel(localized("Version %1").arg(QStringLiteral(CORVANE_VERSION)), this);
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(version);
    layout->addSpacing(8);
    auto* blurb = mutedLabel(localized("The Trash and clutter utility: browse, empty, protect and erase, "
                                       "and keep the Desktop tidy."),
                             this);
    blurb->setAlignment(Qt::AlignCenter);
    layout->addWidget(blurb);
    layout->addStretch(1);
    auto* copyright = mutedLabel(localized("© 2026 The Corvane developers"), this);
    copyright->setAlignment(Qt::AlignCenter);
    layout->addWidget(copyright);
    // Taller when a translation or a large font needs it.
    const int needed =
        layout->hasHeightForWidth() ? layout->heightForWidth(340) : layout->sizeHint().height();
    setFixedSize(340, std::max(300, needed));
}
