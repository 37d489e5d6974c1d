#pragma once

#include <QAbstractButton>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QString>

/// Image buttons of which one at a time shows its pressed image and every other its normal one,
/// wherever they are laid out. A button is any class with setImage(QPixmap).
class ImageButtonGroup {
  public:
    /// Adds `button` (its image as it is until the first select()); returns it.
    template <class Button>
    Button* add(Button* button, const QString& pressed, const QString& normal) {
        m_entries.append({button, pressed, normal, [](QAbstractButton* b, const QPixmap& image) {
                              static_cast<Button*>(b)->setImage(image);
                          }});
        return button;
    }
    /// Shows `index` pressed and every other button normal; an index outside the group shows all
    /// normal.
    void select(int index);
    /// The button's place in the group, -1 when it is not in it.
    int indexOf(const QObject* button) const;
    int selected() const { return m_selected; }
    int count() const { return int(m_entries.size()); }
    QAbstractButton* button(int index) const;

  private:
    struct Entry {
        QPointer<QAbstractButton> button;
        QString pressed;
        QString normal;
        void (*setImage)(QAbstractButton*, const QPixmap&);
    };
    void show(int index, bool pressed);

    QList<Entry> m_entries;
    int m_selected = -1;
};
