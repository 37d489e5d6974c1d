#include "JsonArrayWriter.h"

#include <QJsonDocument>

void JsonArrayWriter::add(const QJsonObject& object) {
    // The object alone, indented one level deeper: JSON strings hold no raw line break, so every
    // line of its text is a line of the document.
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented);
    QByteArray element;
    element.reserve(text.size() + text.count('\n') * 4);
    for (const QByteArray& line : text.chopped(text.endsWith('\n') ? 1 : 0).split('\n'))
        element += "    " + line + '\n';
    element.chop(1);
    m_out << (m_started ? ",\n" : "[\n") << QString::fromUtf8(element);
    m_started = true;
}

void JsonArrayWriter::finish() {
    m_out << (m_started ? "\n]\n" : "[\n]\n");
}
