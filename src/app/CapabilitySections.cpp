#include "CapabilitySections.h"

#include "platform/Localized.h"

namespace CapabilitySections {

AppSection trash(std::function<void()> scan, std::function<void()> empty) {
    return {
        {QStringLiteral("trash"), localized("Trash"), QStringLiteral("section-trash.png"),
         localized("Everything in your Trash and on your volumes: sizes, rights, dates and where each item "
                   "came from. Walk into folders, open or reveal items."),
         nullptr},
        std::move(scan),
        {{localized("Empty Trash"), QStringLiteral("card_empty"), std::move(empty)}}};
}

AppSection autoClean(std::function<void()> show) {
    return {{QStringLiteral("autoclean"), localized("Auto Clean"), QStringLiteral("section-autoclean.png"),
             localized("Empty the Trash by itself when it grows past a size or a chosen period has passed."),
             nullptr},
            std::move(show),
            {}};
}

AppSection protection(std::function<void()> show) {
    return {
        {QStringLiteral("protect"), localized("Protection"), QStringLiteral("section-protect.png"),
         localized("Rules that keep kinds of files, and items from chosen folders, in the Trash when it is "
                   "emptied."),
         nullptr},
        std::move(show),
        {}};
}

AppSection desktopTidy(QWidget* page, std::function<void()> show) {
    return {{QStringLiteral("desktop"), localized("Desktop Tidy"), QStringLiteral("section-desktop.png"),
             localized("Sweep the Desktop into one store folder, then browse it by kind, preview, put items "
                       "back or delete them."),
             page},
            std::move(show),
            {}};
}

AppSection secureErase(std::function<void()> choose) {
    return {
        {QStringLiteral("erase"), localized("Secure Erase"), QStringLiteral("section-erase.png"),
         localized("Overwrite files and folders before removing them, so they can't be recovered. You can "
                   "also drop "
                   "files on any Corvane window."),
         nullptr},
        std::move(choose),
        {}};
}

AppSection cookies(QWidget* page, std::function<void()> show) {
    return {{QStringLiteral("cookies"), localized("Cookies"), QStringLiteral("section-cookies.png"),
             localized("The cookies your browsers keep: see them, export them as text or as cookies.txt, and "
                       "remove them."),
             page},
            std::move(show),
            {}};
}

}  // namespace CapabilitySections
