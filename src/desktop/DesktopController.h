#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

#include "DesktopCatalogue.h"
#include "core/fs/FsMove.h"
#include "platform/Worker.h"

class Alerts;
class Defaults;
class Paths;
struct WorkProgress;

/// The Desktop tidy as the windows use it: the store location, the catalogue, the tidy on a
/// worker (one at a time), refresh, restore and delete. Main thread only; the tidy's records reach
/// the catalogue in its hand-back, so no list is changed by two threads.
class DesktopController : public QObject {
    Q_OBJECT
  public:
    DesktopController(std::shared_ptr<Defaults> defaults, std::shared_ptr<const Paths> paths,
                      QObject* parent = nullptr);
    ~DesktopController() override;

    DesktopCatalogue& catalogue() { return m_catalogue; }
    /// The location holding the store folder: the one chosen in this run, else the stored one.
    QString StorelocationPath() const { return m_location; }
    /// Takes a location for this run only (the first-run window's choice).
    void setStorelocationPath(const QString& location) { m_location = location; }
    /// Takes a location and stores it under "PloverlyPath"; false when the settings can't be written.
    bool ChangeStorePath(const QString& location);
    /// "<location>/com.Nordquil.ploverly"; empty while no location is known.
    QString storeFolder() const;
    QString desktopFolder() const;

    /// Starts a tidy; false (and nothing started) without a store location or while one runs.
    bool ClickTidyNowAct();
    bool isTidying() const { return m_tidies.isRunning(); }
    std::shared_ptr<WorkProgress> progress() const { return m_progress; }
    /// Rebuilds the catalogue from the store folder.
    void FreshCurrentDeskTop();
    /// Moves a stored item back to the Desktop; on success it leaves the catalogue.
    FsMove::Outcome restore(const NQFileNode::Ptr& node, QString* why = nullptr);
    /// Removes a stored item for good; on success it leaves the catalogue. Problems go to `why`.
    bool deleteNode(const NQFileNode::Ptr& node, QString* why = nullptr);
    /// restore() and deleteNode() for the windows: what did not happen is said in one alert.
    bool restoreOrSay(const NQFileNode::Ptr& node, Alerts* alerts);
    bool deleteOrSay(const NQFileNode::Ptr& node, Alerts* alerts);

  Q_SIGNALS:
    void tidyStarted();
    /// The tidy's end, after its records joined the catalogue: the items that stayed, and why.
    void RefreshFinishTableViewMainThreadHandle(const QStringList& left);
    /// Items joined or left the catalogue.
    void catalogueChanged();

  private:
    std::shared_ptr<Defaults> m_defaults;
    std::shared_ptr<const Paths> m_paths;
    QString m_location;
    DesktopCatalogue m_catalogue;
    std::shared_ptr<WorkProgress> m_progress;
    Worker m_tidies;
};
