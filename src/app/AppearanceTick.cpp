#include "AppearanceTick.h"

#include <QTimer>

#include "StatusItem.h"
#include "platform/Appearance.h"

namespace {
const char kDark[] = "Dark";
const char kBannerIcon[] = "bannerIcon.png";
const char kDarkBannerIcon[] = "darkbannerIcon.png";
}  // namespace

AppearanceTick::AppearanceTick(std::shared_ptr<Appearance> appearance, std::function<bool()> enabled,
                               QObject* parent)
    : QObject(parent), m_appearance(std::move(appearance)), m_enabled(std::move(enabled)) {
    m_dark = appearanceIsDark();
}

bool AppearanceTick::appearanceIsDark() const {
    return m_appearance && m_appearance->interfaceStyle() == QLatin1String(kDark);
}

QString AppearanceTick::bannerImage() const {
    return QLatin1String(appearanceIsDark() ? kDarkBannerIcon : kBannerIcon);
}

void AppearanceTick::start(StatusItem* item) {
    m_item = item;
    if (m_timer) return;
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("autoTidyTimer"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &AppearanceTick::tick);
    m_timer->start();
}

void AppearanceTick::tick() {
    if (!m_item || (m_enabled && !m_enabled())) return;
    const bool dark = appearanceIsDark();
    if (dark == m_dark) return;
    m_item->setImage(QLatin1String(dark ? kDarkBannerIcon : kBannerIcon));
    m_dark = dark;
}
