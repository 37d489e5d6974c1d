#pragma once

#include <QWidget>

#include "trash/CVTrashFileNode.h"

class NotificationCenter;
class QCheckBox;
class QLabel;
class QToolButton;
class Workspace;

/// One row of the protected-items window: icon, name, original place, date, the row's check box
/// and a button that reveals the item in the file manager.
class PSTableCellView : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* CheckNotification = "RightFileCheckActNotification";
    static constexpr int IconBox = 32;

    PSTableCellView(CVTrashFileNode::Ptr node, NotificationCenter* nc, Workspace* workspace,
                    QWidget* parent = nullptr);

    /// Flips the item's mark and posts "RightFileCheckActNotification" with this row as object
    /// (the item is fileNode()).
    void CheckTheFileAction();
    void FindFileAction();
    /// Sets the check box from the item's mark.
    void refreshMark();

    /// The item the row shows.
    const CVTrashFileNode::Ptr& fileNode() const { return m_fileNode; }

  private:
    const CVTrashFileNode::Ptr m_fileNode;
    NotificationCenter* m_nc;
    Workspace* m_workspace;
    QLabel* m_imageView = nullptr;
    QLabel* m_textField = nullptr;
    QLabel* m_origFullPath = nullptr;
    QLabel* m_mDatelab = nullptr;
    QCheckBox* m_checkBox = nullptr;
    QToolButton* m_findButton = nullptr;
};
