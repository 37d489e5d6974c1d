#include "AppSection.h"

#include "ButtonDispatcher.h"
#include "widgets/PRLeftTipButton.h"

PRLeftTipButton* AppSection::add(MainWindow& window, ButtonDispatcher& dispatcher) const {
    PRLeftTipButton* button = window.addSection(look);
    dispatcher.addRow({button, {}, open, {}});
    dispatcher.addRow({window.cardButton(look.id), {}, open, {}});
    for (const CardButton& extra : cardButtons)
        dispatcher.addRow(
            {window.addCardButton(look.id, extra.title, extra.objectName), {}, extra.action, {}});
    return button;
}
