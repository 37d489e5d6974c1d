// The streamed JSON array must read exactly as the whole document written at once would.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include "core/JsonArrayWriter.h"

namespace {

QJsonObject row(const QString& name, const QJsonValue& access, qint64 bytes) {
    return {{"name", name}, {"access", access}, {"bytes", bytes}, {"nested", QJsonObject{{"k", name}}}};
}

TEST(JsonArrayWriter, WritesWhatTheWholeDocumentWouldWhateverTheRows) {
    const QList<QList<QJsonObject>> cases = {
        {},
        {row("plain", "rw", 1)},
        {row(QString::fromUtf8("quote \" back\\slash\ttab\nline \x01 résumé 😀"), QJsonValue(), 0),
         row("", QJsonValue(), -1), row("big", "x", qint64(1) << 53)},
        {QJsonObject{}, row("after an empty object", "r", 7)},
    };
    for (const QList<QJsonObject>& rows : cases) {
        QJsonArray whole;
        QString streamed;
        QTextStream out(&streamed);
        JsonArrayWriter writer(out);
        for (const QJsonObject& o : rows) {
            whole.append(o);
            writer.add(o);
        }
        writer.finish();
        out.flush();
        EXPECT_EQ(streamed.toStdString(),
                  QString::fromUtf8(QJsonDocument(whole).toJson(QJsonDocument::Indented)).toStdString());
    }
}

}  // namespace
