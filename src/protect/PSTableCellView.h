#pragma once

#include "trash/CVTrashFileNode.h"

#include <QWidget>

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
    /// (the item is `fileNode`).
    void CheckTheFileAction();
    void FindFileAction();
    /// Sets the check box from the item's mark.
    void refreshMark();

    const CVTrashFileNode::Ptr fileNode;
    QLabel* imageView = nullptr;
    QLabel* textField = nullptr;
    QLabel* origFullPath = nullptr;
    QLabel* mDatelab = nullptr;
    QCheckBox* checkBox = nullptr;
    QToolButton* findButton = nullptr;

private:
    NotificationCenter* nc;
    Workspace* m_workspace;
};
