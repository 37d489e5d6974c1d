#include "FixedSystemVersion.h"

long FixedSystemVersion::gestalt(const QString& selector, int* value) const {
    const auto it = m_selectors.constFind(selector);
    if (it == m_selectors.constEnd()) return kUndefinedSelector;
    *value = it.value();
    return 0;
}
