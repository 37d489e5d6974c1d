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
/// worker (one at a time), refresh, restore and delete. Main thread only. The catalogue changes
/// here alone, on the main thread (the tidy's records join it in its hand-back), and every change
/// is announced by catalogueChanged(), which the popover list and the store browser both follow.
/// Nothing runs without a Desktop and a store location that TidyPlaces accepts.
class DesktopController : public QObject {
    Q_OBJECT
  public:
    /// How a change of the store location ended.
    enum class LocationChange {
        Stored,    ///< taken and written under "PloverlyPath"
        NotSaved,  ///< taken for this run, but the settings could not be written
        Refused,   ///< not taken: the place can't hold the store folder
    };

    DesktopController(std::shared_ptr<Defaults> defaults, std::shared_ptr<const Paths> paths,
                      QObject* parent = nullptr);
    ~DesktopController() override;

    DesktopCatalogue& catalogue() { return m_catalogue; }
    /// The location holding the store folder: the one chosen in this run, else the stored one.
    QString StorelocationPath() const { return m_location; }
    /// Takes a location for this run only (the first-run window's choice); false, with the reason in
    /// `why`, when the place can't hold the store folder.
    bool setStorelocationPath(const QString& location, QString* why = nullptr);
    /// Takes a location and stores it under "PloverlyPath".
    LocationChange ChangeStorePath(const QString& location, QString* why = nullptr);
    /// "<location>/com.Nordquil.ploverly"; empty while no location is known or the one known is
    /// refused (`why` says which).
    QString storeFolder(QString* why = nullptr) const;
    /// The Desktop to tidy; empty when the account has none that may be tidied (`why` says why).
    QString desktopFolder(QString* why = nullptr) const;

    /// Starts a tidy; false, with the reason in `why`, without a Desktop or a store location, or
    /// while one runs.
    bool ClickTidyNowAct(QString* why = nullptr);
    bool isTidying() const { return m_tidies.isRunning(); }
    std::shared_ptr<WorkProgress> progress() const { return m_progress; }
    /// Rebuilds the catalogue from the store folder. While a tidy runs it waits for the tidy's end,
    /// which rebuilds it then in place of adding the moved items; without a usable store folder the
    /// catalogue is left empty. False, with the reason in `why`, in those cases.
    bool FreshCurrentDeskTop(QString* why = nullptr);
    /// Moves a stored item back to the Desktop; on success it leaves the catalogue.
    FsMove::Outcome restore(const NQFileNode::Ptr& node, QString* why = nullptr);
    /// Removes a stored item for good; on success it leaves the catalogue. Problems go to `why`.
    bool deleteNode(const NQFileNode::Ptr& node, QString* why = nullptr);
    /// restore() and deleteNode() for the windows: what did not happen is said in one alert.
    bool restoreOrSay(const NQFileNode::Ptr& node, Alerts* alerts);
    bool deleteOrSay(const NQFileNode::Ptr& node, Alerts* alerts);
    /// Moves a stored item into its Trash, then refreshes the catalogue. On a volume without a Trash
    /// it asks through `alerts` whether to copy it to the home Trash instead; what did not happen is
    /// said in one alert. True when the item left the store.
    bool trashOrSay(const NQFileNode::Ptr& node, Alerts* alerts);

  Q_SIGNALS:
    void tidyStarted();
    /// The tidy's end, after its records joined the catalogue: the items that stayed, and why.
    void RefreshFinishTableViewMainThreadHandle(const QStringList& left);
    /// Items joined or left the catalogue.
    void catalogueChanged();

  private:
    /// Catalogues the store folder afresh; false, with the reason in `why`, when it can't be read.
    bool rescan(QString* why);

    std::shared_ptr<Defaults> m_defaults;
    std::shared_ptr<const Paths> m_paths;
    QString m_location;
    DesktopCatalogue m_catalogue;
    std::shared_ptr<WorkProgress> m_progress;
    bool m_refreshAfterTidy = false;
    Worker m_tidies;
};
