#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QMenu;
class QSystemTrayIcon;

/// The icon in the desktop's panel with its menu `baMenu`. A click on the icon asks for the
/// popover; the menu opens on the context click.
class StatusItem : public QObject {
    Q_OBJECT
  public:
    explicit StatusItem(QObject* parent = nullptr);
    ~StatusItem() override;

    /// Sets the panel image by file name ("bannerIcon.png" or "darkbannerIcon.png").
    void setImage(const QString& fileName);
    QString imageName() const { return m_imageName; }
    /// Shows the icon in the panel (where the desktop has one).
    void show();
    /// Takes the icon out of the panel (the desktop stopped showing a tray).
    void hide();

    QMenu* baMenu() const { return m_menu; }
    QSystemTrayIcon* trayIcon() const { return m_tray; }
    /// Adds a menu item in the feature group (above Preferences), in call order.
    QAction* addFeatureAction(const QString& title, const QString& objectName);
    /// The icon's place on screen, or an empty rectangle when the desktop does not say.
    QRect geometry() const;

    QAction* openMainAction = nullptr;
    QAction* quickViewAction = nullptr;
    QAction* preferencesAction = nullptr;
    QAction* helpAction = nullptr;
    QAction* aboutAction = nullptr;
    QAction* quitAction = nullptr;

  Q_SIGNALS:
    /// The icon itself was clicked.
    void clicked();

  private:
    QSystemTrayIcon* m_tray;
    QMenu* m_menu;
    QAction* m_featureEnd = nullptr;
    QString m_imageName;
};
