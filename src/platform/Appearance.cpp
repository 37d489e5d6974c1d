#include "Appearance.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace {
const char kPortalService[] = "org.freedesktop.portal.Desktop";
const char kPortalPath[] = "/org/freedesktop/portal/desktop";
const char kPortalInterface[] = "org.freedesktop.portal.Settings";
constexpr int GnomeTimeLimitMs = 5000;

QVariant unwrap(QVariant v) {
    while (v.canConvert<QDBusVariant>() && v.userType() == qMetaTypeId<QDBusVariant>())
        v = v.value<QDBusVariant>().variant();
    return v;
}
}  // namespace

Appearance::Appearance(QObject* parent) : QObject(parent) {
    if (!qEnvironmentVariableIsEmpty("CORVANE_APPEARANCE")) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    bus.connect(QLatin1String(kPortalService), QLatin1String(kPortalPath), QLatin1String(kPortalInterface),
                QStringLiteral("SettingChanged"), this,
                SLOT(portalSettingChanged(QString, QString, QDBusVariant)));
    readPortal();
}

QString Appearance::styleForPortalScheme(uint scheme) {
    if (scheme == 1) return QStringLiteral("Dark");
    if (scheme == 2) return QString(QLatin1String(""));
    return QString();
}

QString Appearance::styleForGnomeScheme(const QString& value) {
    QString v = value.trimmed();
    if (v.startsWith(QLatin1Char('\''))) v = v.mid(1);
    if (v.endsWith(QLatin1Char('\''))) v.chop(1);
    if (v == QLatin1String("prefer-dark")) return QStringLiteral("Dark");
    if (v == QLatin1String("prefer-light") || v == QLatin1String("default"))
        return QString(QLatin1String(""));
    return QString();
}

void Appearance::readPortal() {
    QDBusMessage call =
        QDBusMessage::createMethodCall(QLatin1String(kPortalService), QLatin1String(kPortalPath),
                                       QLatin1String(kPortalInterface), QStringLiteral("Read"));
    call << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("color-scheme");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 500);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return;
    bool ok = false;
    const uint scheme = unwrap(reply.arguments().first()).toUInt(&ok);
    if (!ok) return;
    m_portalAnswered = true;
    m_portalStyle = styleForPortalScheme(scheme);
}

void Appearance::portalSettingChanged(const QString& nameSpace, const QString& key,
                                      const QDBusVariant& value) {
    if (nameSpace != QLatin1String("org.freedesktop.appearance") || key != QLatin1String("color-scheme"))
        return;
    bool ok = false;
    const uint scheme = unwrap(value.variant()).toUInt(&ok);
    if (!ok) return;
    m_portalAnswered = true;
    m_portalStyle = styleForPortalScheme(scheme);
}

QString Appearance::gnomeStyle() {
    if (!m_gnomeAvailable) return QString();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // A process per second would be wasteful; the setting rarely changes.
    if (!m_gnomeQuery && (!m_gnomeReadAt.isValid() || m_gnomeReadAt.secsTo(now) >= 10)) {
        m_gnomeReadAt = now;
        startGnomeQuery();
    }
    return m_gnomeStyle;
}

void Appearance::startGnomeQuery() {
    if (m_gsettings.isEmpty()) m_gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (m_gsettings.isEmpty()) {
        m_gnomeAvailable = false;
        return;
    }
    // Asked every second on the main thread: the answer comes back later, never waited for.
    auto* query = new QProcess(this);
    m_gnomeQuery = query;
    query->setStandardErrorFile(QProcess::nullDevice());
    query->setStandardInputFile(QProcess::nullDevice());
    auto done = [this, query](bool answered) {
        if (m_gnomeQuery != query) return;
        m_gnomeQuery = nullptr;
        query->deleteLater();
        // A setting that can't be read, or a gsettings that hangs, is not asked again.
        if (!answered) {
            m_gnomeAvailable = false;
            m_gnomeStyle = QString();
            return;
        }
        m_gnomeStyle = styleForGnomeScheme(QString::fromUtf8(query->readAllStandardOutput()));
    };
    connect(query, &QProcess::finished, this, [done](int code, QProcess::ExitStatus status) {
        done(status == QProcess::NormalExit && code == 0);
    });
    connect(query, &QProcess::errorOccurred, this, [done](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) done(false);
    });
    QTimer::singleShot(GnomeTimeLimitMs, query, [query] { query->kill(); });
    query->start(m_gsettings, {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                               QStringLiteral("color-scheme")});
}

QString Appearance::interfaceStyle() {
    const QString forced = qEnvironmentVariable("CORVANE_APPEARANCE");
    if (!forced.isEmpty())
        return forced.compare(QLatin1String("Dark"), Qt::CaseInsensitive) == 0 ? QStringLiteral("Dark")
                                                                               : QString(QLatin1String(""));
    if (m_portalAnswered && !m_portalStyle.isNull()) return m_portalStyle;
    const QString gnome = gnomeStyle();
    if (!gnome.isNull()) return gnome;
    return fallbackStyle();
}
