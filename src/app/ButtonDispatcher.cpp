#include "ButtonDispatcher.h"

#include "widgets/Images.h"
#include "widgets/PRLeftTipButton.h"

namespace {
void apply(const QList<ButtonDispatcher::ImageChange>& changes) {
    for (const auto& change : changes)
        if (change.button) change.button->setImage(Images::named(change.image));
}
}  // namespace

bool ButtonDispatcher::dispatch(QObject* object) const {
    if (!object) return false;
    const QList<Row> rows = m_rows;  // an action may add rows
    for (const Row& row : rows) {
        if (row.button.isNull() || row.button.data() != object) continue;
        apply(row.before);
        if (row.action) row.action();
        apply(row.after);
        return true;
    }
    return false;
}
