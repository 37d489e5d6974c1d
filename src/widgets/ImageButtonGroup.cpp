#include "ImageButtonGroup.h"

#include "Images.h"

void ImageButtonGroup::select(int index) {
    m_selected = index >= 0 && index < m_entries.size() ? index : -1;
    for (int i = 0; i < m_entries.size(); ++i) show(i, i == m_selected);
}

int ImageButtonGroup::indexOf(const QObject* button) const {
    if (!button) return -1;
    for (int i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].button == button) return i;
    return -1;
}

QAbstractButton* ImageButtonGroup::button(int index) const {
    return index >= 0 && index < m_entries.size() ? m_entries[index].button.data() : nullptr;
}

void ImageButtonGroup::show(int index, bool pressed) {
    const Entry& e = m_entries[index];
    // A button its pane has already let go of is skipped.
    if (e.button) e.setImage(e.button, Images::named(pressed ? e.pressed : e.normal));
}
