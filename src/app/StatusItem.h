#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMenu;
class QSystemTrayIcon;

/// The icon in the desktop's panel with its menu `baMenu`. A click on the icon runs the quick
/// view; the menu opens on the context click. Each menu item runs one of the owner's commands.
class StatusItem : public QObject {
    Q_OBJECT
  public:
    /// What the icon and the menu items do. An empty `checkForUpdates` leaves its item out (builds
    /// without the update check).
    struct Commands {
        std::function<void()> quickView, openMain;
        std::function<void()> trashItems, emptyTrash, secureErase, protectionRules, autoClean;
        std::function<void()> preferences, help, checkForUpdates, about, quit;
    };

    explicit StatusItem(const Commands& commands, QObject* parent = nullptr);
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
    /// The icon's place on screen, or an empty rectangle when the desktop does not say.
    QRect geometry() const;

  private:
    void addItem(const QString& title, const char* objectName, const std::function<void()>& command);

    QSystemTrayIcon* m_tray;
    QMenu* m_menu;
    QString m_imageName;
};
