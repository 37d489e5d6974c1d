#pragma once

#include <QDBusVariant>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVariant>

class QProcess;

/// The system's appearance as one text: "Dark" while the desktop prefers a dark appearance, an
/// empty text otherwise. Sources, first that answers: $CORVANE_APPEARANCE ("Dark" or "Light"), the
/// desktop portal's color-scheme, the GNOME color-scheme setting, then fallbackStyle().
/// Cheap enough to ask every second, and never waits: the portal's answer is cached and kept current
/// by its signal, and the GNOME setting is read by a gsettings run in the background (at most one,
/// stopped after a few seconds) whose last answer is used meanwhile.
class Appearance : public QObject {
    Q_OBJECT
  public:
    explicit Appearance(QObject* parent = nullptr);
    virtual QString interfaceStyle();

    /// "Dark" for a portal color-scheme of 1 (prefer dark), "" for 2 (prefer light), a null text
    /// for 0 (no preference) or anything else.
    static QString styleForPortalScheme(uint scheme);
    /// "Dark" for a GNOME color-scheme of 'prefer-dark', "" for 'prefer-light' or 'default',
    /// a null text for anything else.
    static QString styleForGnomeScheme(const QString& value);

  protected:
    /// The last resort: here, light.
    virtual QString fallbackStyle() { return QString(QLatin1String("")); }

  private Q_SLOTS:
    void portalSettingChanged(const QString& nameSpace, const QString& key, const QDBusVariant& value);

  private:
    void readPortal();
    QString gnomeStyle();
    void startGnomeQuery();

    bool m_portalAnswered = false;
    QString m_portalStyle;
    QString m_gnomeStyle;
    QDateTime m_gnomeReadAt;
    bool m_gnomeAvailable = true;
    QString m_gsettings;
    QProcess* m_gnomeQuery = nullptr;
};
