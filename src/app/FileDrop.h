#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

/// Files dropped on a watched window are handed to `take` (the owner offers them for secure
/// erase, as files opened with the program are). Drags that carry no local file are left alone.
class FileDrop : public QObject {
    Q_OBJECT
  public:
    explicit FileDrop(std::function<void(const QStringList& paths)> take, QObject* parent = nullptr);

    /// Lets `window` take drops and watches them.
    void watch(QWidget* window);
    /// The local files a drag carries, in its order.
    static QStringList localFiles(const QMimeData* mime);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(const QStringList&)> m_take;
};
