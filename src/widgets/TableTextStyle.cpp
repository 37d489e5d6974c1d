#include "TableTextStyle.h"

#include <QAbstractItemView>
#include <QFontDatabase>

QFont TableTextStyle::font() {
    static const QFont f = [] {
        const QString family = QStringLiteral("Lucida Grande");
        QFont font = QFontDatabase::hasFamily(family) ? QFont(family) : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setPointSize(11);
        return font;
    }();
    return f;
}

void TableTextStyle::apply(QAbstractItemView* view) { view->setItemDelegate(new TableTextStyle(view)); }

void TableTextStyle::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    styleOption(option, index.row());
}

void TableTextStyle::styleOption(QStyleOptionViewItem* option, int row) {
    option->font = font();
    if (row >= 0) {
        option->palette.setColor(QPalette::Text, color());
        option->palette.setColor(QPalette::HighlightedText, Qt::white);
    }
}
