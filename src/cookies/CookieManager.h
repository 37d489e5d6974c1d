#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "CookieDatabase.h"
#include "PRCookFileNode.h"
#include "platform/Worker.h"

class Alerts;
class Paths;
class Workspace;

/// The cookie manager's state and work: the scans of the three sources and of chosen files, the
/// removal of every cookie of the shown source, and both exports. Each runs on a worker, one at a
/// time; a request while one runs is ignored and logged. Main thread only; the lists change only in
/// the hand-backs.
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

    /// The records of the last scan, and of the files chosen in the open panel.
    CookieList cookArray;
    CookieList newCookieArray;
    /// What the last finished scan read (a removal acts on the shown list's own source).
    bool binaryCookie = false;
    bool bFireFoxCookie = false;
    QString currentScanFilePath;
    /// A file was chosen: the next finished scan also fills `newCookieArray`.
    bool bOpenCookie = false;

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
    /// The opened-files button: the table shows `newCookieArray` again.
    void showOpenedFiles();

    /// `ActRemoveCookieData:`: removes every cookie of the shown source. The table is emptied only
    /// once the removal really happened; a locked database or a failed write is said in an alert.
    void ActRemoveCookieData();
    /// `ActExportCookieData:`: the shown records into the export folder's "cookiedata.txt".
    void ActExportCookieData();
    /// The shown records as a Netscape cookie file at `target` (default: "cookies.txt" in the
    /// export folder); says how many were left out.
    void exportNetscape(const QString& target = QString());

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

  private:
    struct ScanResult {
        CookieList cookies;
        Source source;
        QString problem;
        int undecryptable = 0;
    };
    static ScanResult scan(Source source);
    void startScan(Source source, bool tellProblems);
    void finishScan(ScanResult result, bool tellProblems);
    void show(const CookieList& list, Source source);
    void say(const QString& message, const QString& informative = QString());
    bool browserRunning(Source::Kind kind) const;
    void writeExport(const QString& path, QByteArray data, int leftOut, bool netscape);

    std::shared_ptr<Paths> m_paths;
    std::shared_ptr<Alerts> m_alerts;
    std::shared_ptr<Workspace> m_workspace;
    CookieList m_shown;
    Source m_shownSource;
    Source m_openedSource;
    QString m_lastExport;
    Worker m_worker;  ///< last: it waits for its threads before the members above go
};
