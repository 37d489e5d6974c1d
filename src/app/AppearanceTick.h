#pragma once

#include <QObject>
#include <functional>
#include <memory>

class Appearance;
class QTimer;
class StatusItem;

/// The once-a-second look at the system's appearance: while `enabled` says so, the status item's
/// image follows a switch between the light and the dark appearance. Main thread only.
class AppearanceTick : public QObject {
    Q_OBJECT
  public:
    /// `appearance` may be null (nothing to ask: always light).
    AppearanceTick(std::shared_ptr<Appearance> appearance, std::function<bool()> enabled,
                   QObject* parent = nullptr);

    /// Whether the appearance is dark now (asked, not the last tick's answer).
    bool appearanceIsDark() const;
    /// The status item's image for the appearance now.
    QString bannerImage() const;
    /// Starts the tick for `item` (the timer "autoTidyTimer").
    void start(StatusItem* item);
    /// One tick: swaps the image when the appearance changed since the last switch.
    void tick();
    bool isDarkMode() const { return m_dark; }
    QTimer* timer() const { return m_timer; }

  private:
    std::shared_ptr<Appearance> m_appearance;
    std::function<bool()> m_enabled;
    StatusItem* m_item = nullptr;
    QTimer* m_timer = nullptr;
    bool m_dark = false;
};
