#include "ImageButtonRow.h"

ImageButtonRow::ImageButtonRow(const QString& objectName, QWidget* parent)
    : QWidget(parent), m_layout(new QHBoxLayout(this)) {
    setObjectName(objectName);
    m_layout->setContentsMargins(0, 0, 0, 0);
}
