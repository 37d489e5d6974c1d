#pragma once

#include <QHBoxLayout>
#include <QWidget>

#include "ImageButtonGroup.h"
#include "Images.h"

/// A row of image buttons, one of which shows pressed (a category bar): the buttons side by side,
/// their images switched by select().
class ImageButtonRow : public QWidget {
    Q_OBJECT
  public:
    explicit ImageButtonRow(const QString& objectName, QWidget* parent = nullptr);

    /// Adds `button` at the row's end, showing its normal image; returns it.
    template <class Button>
    Button* add(Button* button, const QString& pressed, const QString& normal) {
        button->setParent(this);
        m_layout->addWidget(button);
        button->setImage(Images::named(normal));
        return m_group.add(button, pressed, normal);
    }
    void setSpacing(int spacing) { m_layout->setSpacing(spacing); }
    void select(int index) { m_group.select(index); }
    int indexOf(const QObject* button) const { return m_group.indexOf(button); }
    int selected() const { return m_group.selected(); }
    int count() const { return m_group.count(); }

  private:
    QHBoxLayout* m_layout;
    ImageButtonGroup m_group;
};
