#pragma once

#include <QColor>
#include <QFont>
#include <QStyledItemDelegate>

class QAbstractItemView;

/// The text style of the program's tables: "Lucida Grande" at 11 points where installed, else the
/// system UI font at 11 points, in grey-blue 161/169/186.
class TableTextStyle : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static QFont font();
    static QColor color() { return QColor(161, 169, 186); }
    /// Sets this style as the view's delegate.
    static void apply(QAbstractItemView* view);
    /// Sets the font and the text colour of one cell's option.
    static void styleOption(QStyleOptionViewItem* option, int row);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
