#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;
class QVBoxLayout;

/// A panel that paints one image over its whole extent (the pane and header backgrounds).
class ImagePanel : public QWidget {
    Q_OBJECT
public:
    ImagePanel(const QString& imageName, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap m_image;
};

/// A white rounded card with a title, for the start view and the settings windows.
class Card : public QWidget {
    Q_OBJECT
public:
    Card(const QString& title, QWidget* parent = nullptr);
    QVBoxLayout* body() const { return m_body; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QVBoxLayout* m_body;
};

/// A label in the muted text colour of the program.
QLabel* mutedLabel(const QString& text, QWidget* parent = nullptr);
