#include "PutBackQuestionBox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

#include "core/fs/FsName.h"
#include "platform/Localized.h"

namespace {
const char* const ChoiceProperty = "choice";
}

QMessageBox* PutBackQuestionBox::buildBox(const QString& name, const QString& place, int more,
                                          QWidget* parent) {
    using WhenTaken = TrashItemActions::WhenTaken;
    auto* box = new QMessageBox(parent);
    box->setObjectName(QStringLiteral("putBackQuestion"));
    box->setIcon(QMessageBox::Question);
    box->setWindowTitle(localized("Put Back"));
    box->setText(localized("Something is already at the place of \"%1\".").arg(FsName::displayText(name)));
    box->setInformativeText(localized("%1 is taken. Keep both items (the one put back gets a new name), "
                                      "replace what is there (it goes to the Trash), or leave this item in "
                                      "the Trash?")
                                .arg(FsName::displayText(place)));
    auto add = [box](const char* title, const char* objectName, WhenTaken choice,
                     QMessageBox::ButtonRole role) {
        QPushButton* button = box->addButton(localized(title), role);
        button->setObjectName(QLatin1String(objectName));
        button->setProperty(ChoiceProperty, int(choice));
        return button;
    };
    QPushButton* keepBoth = add(QT_TRANSLATE_NOOP("Corvane", "Keep Both"), "keepBothButton",
                                WhenTaken::KeepBoth, QMessageBox::AcceptRole);
    add(QT_TRANSLATE_NOOP("Corvane", "Replace"), "replaceButton", WhenTaken::Replace,
        QMessageBox::DestructiveRole);
    QPushButton* skip =
        add(QT_TRANSLATE_NOOP("Corvane", "Skip"), "skipButton", WhenTaken::Skip, QMessageBox::RejectRole);
    box->setDefaultButton(keepBoth);
    box->setEscapeButton(skip);
    if (more > 0) {
        auto* all = new QCheckBox(more == 1 ? localized("Apply to All (1 more item)")
                                            : localized("Apply to All (%1 more items)").arg(more),
                                  box);
        all->setObjectName(QStringLiteral("applyToAllCheckBox"));
        box->setCheckBox(all);
    }
    return box;
}

TrashItemActions::TakenAnswer PutBackQuestionBox::answerOf(const QMessageBox& box) {
    TrashItemActions::TakenAnswer answer;  // skip, unless a button says otherwise
    if (const QAbstractButton* clicked = box.clickedButton()) {
        const QVariant choice = clicked->property(ChoiceProperty);
        if (choice.isValid()) answer.choice = TrashItemActions::WhenTaken(choice.toInt());
    }
    answer.applyToAll = box.checkBox() && box.checkBox()->isChecked();
    return answer;
}

TrashItemActions::TakenAnswer PutBackQuestionBox::ask(const QString& name, const QString& place, int more) {
    const std::unique_ptr<QMessageBox> box(buildBox(name, place, more, m_parent));
    box->exec();
    return answerOf(*box);
}
