#pragma once

#include <QPixmap>
#include <QWidget>

/// The strip across the top of a PRCustomeWindow; draws its image over its whole extent.
class QMHeaderView : public QWidget {
    Q_OBJECT
public:
    static constexpr int Height = 25;
    explicit QMHeaderView(QWidget* parent = nullptr);

    /// Takes the image and redraws.
    void UpdateWindowImage(const QPixmap& image);
    QPixmap headImage;  ///< null until set or first drawn

protected:
    void paintEvent(QPaintEvent*) override;
};
