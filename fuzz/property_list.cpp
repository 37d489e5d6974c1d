// The version document: an XML or binary property list from the network, then the two keys the
// update check takes from it and the version comparison they feed.
#include "FuzzSupport.h"
#include "update/PRUpdateController.h"
#include "update/PropertyList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray body = FuzzSupport::bytesOf(data, size);
    const QVariant top = PropertyList::read(body);
    FUZZ_CHECK(top.isValid() ==
               (PropertyList::readXml(body).isValid() || PropertyList::readBinary(body).isValid()));
    const QVariantMap document = PropertyList::readDictionary(body);
    FUZZ_CHECK(document.isEmpty() || top.typeId() == QMetaType::QVariantMap);
    const QString latest = document.value(QStringLiteral("lastestVersion")).toString();
    const QString whatsNew = document.value(QStringLiteral("WhatsNew")).toString();
    // A version is never newer than itself, and of two different ones at most one is newer.
    FUZZ_CHECK(!PRUpdateController::CompareOneString(latest, latest));
    FUZZ_CHECK(!(PRUpdateController::CompareOneString(latest, whatsNew) &&
                 PRUpdateController::CompareOneString(whatsNew, latest)));
    return 0;
}
