#pragma once

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <functional>

class QObject;
class PRLeftTipButton;

/// Maps a pressed image button to what its press does. Rows are tried in the order they were
/// added; the first whose button is the notification's object runs; any other button does nothing.
class ButtonDispatcher {
  public:
    struct ImageChange {
        QPointer<PRLeftTipButton> button;
        QString image;
    };
    struct Row {
        QPointer<QObject> button;
        QList<ImageChange> before;  ///< images set before the action
        std::function<void()> action;
        QList<ImageChange> after;  ///< images set after it
    };

    void addRow(Row row) { m_rows.append(std::move(row)); }
    /// The press handler: true when a row matched.
    bool dispatch(QObject* object) const;

  private:
    QList<Row> m_rows;
};
