#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

struct AgeingRules;
class Alerts;
class AutoCleanConditions;
class Clock;
class Defaults;
class DesktopNotifications;

/// The automatic emptying of the Trash: at every check, empties it when it has grown to the
/// stored threshold or when the chosen period has passed since the last confirmed clean, asking
/// first when warnings are on. Its only memory is the settings store. Main thread only.
class AutoCleanPolicy {
  public:
    /// What one check found and did.
    struct Outcome {
        bool sizeDue = false;
        bool timeDue = false;
        int cleaned = 0;             ///< emptyings started and recorded (confirmed or not asked)
        int cancelled = 0;           ///< cleans the user declined
        int notStarted = 0;          ///< cleans due while an emptying was under way: nothing recorded
        bool skipped = false;        ///< the previous check was still waiting for an answer
        bool ageingStarted = false;  ///< the ageing rules were handed to their runner
    };

    AutoCleanPolicy(std::shared_ptr<Defaults> defaults, std::shared_ptr<Alerts> alerts,
                    std::shared_ptr<const Clock> clock, std::shared_ptr<DesktopNotifications> notifications);

    /// Where the conditions are read at each check (not owned; the settings panel). Without
    /// one, both conditions are off.
    void setConditions(const AutoCleanConditions* conditions) { m_conditions = conditions; }
    /// Measures the user's Trash in bytes; called afresh for every measurement.
    void setTrashSizeFunction(std::function<quint64()> size) { m_trashSize = std::move(size); }
    /// Starts the forced emptying without waiting for it; false when none was started (one is
    /// already running).
    void setStartEmptying(std::function<bool()> start) { m_startEmptying = std::move(start); }
    /// Whether a forced emptying is under way; a due clean then neither asks nor records anything.
    void setEmptyingRunning(std::function<bool()> running) { m_emptyingRunning = std::move(running); }
    /// Starts removing what the ageing rules pick, without waiting; false when it did not start.
    /// Called after the size and time conditions, only when neither started an emptying.
    void setStartAgeing(std::function<bool(const AgeingRules&)> start) { m_startAgeing = std::move(start); }
    /// Receives the last clean as (size text, "(yyyy-MM-dd)"); a null size text means none stored.
    void setShowLastClean(std::function<void(const QString& size, const QString& date)> show) {
        m_showLastClean = std::move(show);
    }

    /// One check: the size condition, then the time condition, then the display. A check made
    /// while the previous one still waits for its answer does nothing.
    Outcome CleanUpTimer_hander();
    /// Asks when "BShowWarning" is "YES", starts the emptying and, once it has started, records
    /// the date and the size measured just before and announces it. False when the user declined
    /// or no emptying started (nothing is recorded then).
    bool removeAllTrashFile();
    quint64 getTrashFileSize() const;
    /// Announces that an automatic clean has started.
    void StartShowNotify();
    /// Hands the stored last clean to the display; nothing when no clean date is stored.
    void showLastClean();

    /// Seconds since the stored last clean; 0 when none is stored or it lies in the future.
    quint64 elapsedSinceLastClean() const;
    /// The stored threshold in bytes; 0 when absent.
    quint64 threshold() const;

    /// The period titles in the order the panel lists them.
    static const QStringList& periodTitles();
    static QString defaultPeriodTitle() { return QStringLiteral("Monthly"); }
    /// The period of a title in seconds; 0 for any other text.
    static quint64 periodFor(const QString& title);
    /// "(yyyy-MM-dd)": the UTC calendar date of `date`.
    static QString dateText(const QDateTime& date);

    static constexpr const char* NotificationIdentifier = "EmptyTrashNow3";
    static constexpr const char* OldNotificationIdentifier = "EmptyTrashNow";

  private:
    enum class Clean { Started, Declined, NotStarted };
    Clean clean();
    bool emptyingRunning() const { return m_emptyingRunning && m_emptyingRunning(); }
    void recordSize();

    std::shared_ptr<Defaults> m_defaults;
    std::shared_ptr<Alerts> m_alerts;
    std::shared_ptr<const Clock> m_clock;
    std::shared_ptr<DesktopNotifications> m_notifications;
    const AutoCleanConditions* m_conditions = nullptr;
    std::function<quint64()> m_trashSize;
    std::function<bool()> m_startEmptying;
    std::function<bool()> m_emptyingRunning;
    std::function<bool(const AgeingRules&)> m_startAgeing;
    std::function<void(const QString&, const QString&)> m_showLastClean;
    bool m_checking = false;  ///< a check is running (its question may be open)
};
