#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "CookieDatabase.h"
#include "PRCookFileNode.h"
#include "platform/Worker.h"

class Alerts;
class Defaults;
class Paths;
class Workspace;

/// The cookie manager's state and work: the scans of the three sources and of chosen files, the
/// removal of the shown source's cookies (all of them, or those chosen; the keep-list's sites are
/// always spared), the keep-list, and the exports. Each runs on a worker, one at a time; a request
/// while one runs is ignored and logged. Main thread only; the lists change only in the hand-backs.
class CookieManager : public QObject {
    Q_OBJECT
  public:
    /// Where the shown records came from, and so what a removal touches.
    struct Source {
        enum class Kind { None, Binary, Chrome, Firefox };
        Kind kind = Kind::None;
        QString path;
    };

    CookieManager(std::shared_ptr<Paths> paths, std::shared_ptr<Alerts> alerts,
                  std::shared_ptr<Workspace> workspace, QObject* parent = nullptr);
    ~CookieManager() override;
    /// The settings that hold the keep-list; without them nothing is kept.
    void setDefaults(std::shared_ptr<Defaults> defaults);

    /// The records of the last scan (`cookArray`), and of the files chosen in the open panel
    /// (`newCookieArray`).
    const CookieList& scanned() const { return m_cookArray; }
    const CookieList& opened() const { return m_newCookieArray; }
    /// What the last finished scan read (a removal acts on the shown list's own source).
    bool isBinaryCookie() const { return m_binaryCookie; }
    bool isFireFoxCookie() const { return m_bFireFoxCookie; }
    QString currentScanFilePath() const { return m_currentScanFilePath; }
    /// A file was chosen: the next finished scan also fills the opened-files list.
    bool isOpeningFile() const { return m_bOpenCookie; }

    /// The records the table shows, in reading order, and where they came from.
    const CookieList& shown() const { return m_shown; }
    Source shownSource() const { return m_shownSource; }

    void ScanSafariCookieFile();
    void ScanChromeCookieFile();
    void ScanFireFoxCookieFile();
    /// Decides the kind of a chosen file by its first bytes (and a database by its tables) and
    /// scans it; a file of neither kind is said in one alert and the table is emptied. False then.
    bool CheckFilePathISCookie(const QString& path);
    /// A file chosen in the open panel: its records also become the opened-files list.
    bool openChosenFile(const QString& path);
    /// The opened-files button: the table shows the opened-files list again.
    void showOpenedFiles();

    /// `ActRemoveCookieData:`: removes every cookie of the shown source but those of kept sites
    /// (asking first, with the counts, when the keep-list spares some). The table is reread once the
    /// removal really happened; a locked database or a failed write is said in an alert.
    void ActRemoveCookieData();
    /// Removes the shown records `rows` (indexes into shown()), kept sites spared, after a
    /// confirmation that says how many cookies of how many sites go and how many stay.
    void removeRows(const QList<int>& rows);
    /// The confirmation a removal of `chosen` asks (for pictures of it).
    QString removalQuestion(const QList<int>& rows, QString* informative = nullptr) const;

    /// The sites whose cookies every removal spares.
    QStringList keepList() const;
    /// Marks (or unmarks) the sites of `hosts` as kept, in the settings.
    void setKept(const QStringList& hosts, bool kept);

    /// `ActExportCookieData:`: the shown records (those of `rows` when some are given) into the
    /// export folder's "cookiedata.txt".
    void ActExportCookieData(const QList<int>& rows = {});
    /// Those records as a Netscape cookie file at `target` (default: "cookies.txt" in the export
    /// folder); says how many were left out, and refuses when no value could be decrypted.
    void exportNetscape(const QString& target = QString(), const QList<int>& rows = {});
    /// Those records as JSON at `target` (default: "cookies.json" in the export folder).
    void exportJson(const QString& target = QString(), const QList<int>& rows = {});

    bool isBusy() const { return m_worker.isRunning(); }
    QString exportFolder() const;
    /// The last file an export wrote (empty when it failed).
    QString lastExport() const { return m_lastExport; }

  Q_SIGNALS:
    void busyChanged(bool busy);
    /// A scan ended and the shown records changed.
    void ScanFinishOnMainThread();
    void RemoveFinishOnMainThread(bool removed);
    void ExportFinishOnMainThread(bool written);
    void keepListChanged();

  private:
    struct ScanResult {
        CookieList cookies;
        Source source;
        QString problem;
        int undecryptable = 0;
    };
    static ScanResult scan(Source source);
    void startScan(Source source, bool tellProblems, const QString& problem = QString());
    void finishScan(ScanResult result, bool tellProblems);
    void show(const CookieList& list, Source source);
    void say(const QString& message, const QString& informative = QString());
    bool browserRunning(Source::Kind kind) const;
    CookieList chosen(const QList<int>& rows) const;
    void startRemoval(const CookieList& chosen, bool aimed);
    bool confirmRemoval(Source source, const CookieList& toRemove, int kept, bool aimed);
    void finishRemoval(Source source, bool removed, const QString& problem, ScanResult reread);
    bool refuseExport(const CookieList& cookies);
    void writeExport(const QString& path, QByteArray data, const QString& leftOutText);

    std::shared_ptr<Paths> m_paths;
    std::shared_ptr<Alerts> m_alerts;
    std::shared_ptr<Workspace> m_workspace;
    std::shared_ptr<Defaults> m_defaults;
    CookieList m_cookArray;
    CookieList m_newCookieArray;
    bool m_binaryCookie = false;
    bool m_bFireFoxCookie = false;
    QString m_currentScanFilePath;
    bool m_bOpenCookie = false;
    CookieList m_shown;
    Source m_shownSource;
    Source m_openedSource;
    QString m_lastExport;
    Worker m_worker;  ///< last: it waits for its threads before the members above go
};
