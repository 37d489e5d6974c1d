#pragma once

#include <QWidget>

class QMHeaderView;

/// A white window with a 25-pixel header strip glued to its top edge, following its width. It can
/// be moved by dragging its background.
class PRCustomeWindow : public QWidget {
    Q_OBJECT
public:
    explicit PRCustomeWindow(QWidget* parent = nullptr);

    /// Hands the image to the header strip.
    void UpdateWindowImage(const QPixmap& image);
    QMHeaderView* headerView() const { return m_headerView; }
    /// Where the window's own content goes, below the header strip.
    QWidget* contentView() const { return m_content; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QMHeaderView* m_headerView;
    QWidget* m_content;
};
