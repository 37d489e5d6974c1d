#include "PropertyList.h"

#include <QDateTime>
#include <QXmlStreamReader>

namespace {

// Deeper than any real document; keeps recursion on the stack small.
constexpr int kMaxDepth = 64;

class XmlReader {
  public:
    explicit XmlReader(const QByteArray& body) : m_xml(body) {}

    QVariant document() {
        // Skip the prolog (declaration, doctype, comments) to the root element.
        while (!m_xml.atEnd() && m_xml.readNext() != QXmlStreamReader::StartElement) {
        }
        if (m_xml.hasError() || m_xml.name() != QLatin1String("plist")) return {};
        if (!nextElement()) return {};
        QVariant top = value(0);
        if (!top.isValid()) return {};
        // Nothing but the closing </plist> may follow, and the document must be complete.
        if (nextElement() || !m_ok || m_xml.hasError() || m_xml.name() != QLatin1String("plist")) return {};
        while (!m_xml.atEnd()) m_xml.readNext();
        if (m_xml.hasError()) return {};
        return top;
    }

  private:
    // Moves to the next start element among siblings; false at the parent's end or an error.
    bool nextElement() {
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
                case QXmlStreamReader::StartElement:
                    return true;
                case QXmlStreamReader::EndElement:
                    return false;
                case QXmlStreamReader::Characters:
                    if (!m_xml.isWhitespace()) {
                        m_ok = false;
                        return false;
                    }
                    break;
                default:
                    break;
            }
        }
        return false;
    }

    // The value whose start element is current; leaves the reader on its end element.
    QVariant value(int depth) {
        if (depth > kMaxDepth) return {};
        const QStringView name = m_xml.name();
        if (name == QLatin1String("dict")) return dict(depth);
        if (name == QLatin1String("array")) return array(depth);
        if (name == QLatin1String("true") || name == QLatin1String("false")) {
            const bool v = name == QLatin1String("true");
            if (!m_xml.readElementText().isEmpty()) return {};
            return v;
        }
        const QString text = m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        if (m_xml.hasError()) return {};
        if (name == QLatin1String("string")) return text;
        if (name == QLatin1String("integer")) {
            bool ok = false;
            const qint64 v = text.trimmed().toLongLong(&ok);
            return ok ? QVariant(v) : QVariant();
        }
        if (name == QLatin1String("real")) {
            bool ok = false;
            const double v = text.trimmed().toDouble(&ok);
            return ok ? QVariant(v) : QVariant();
        }
        if (name == QLatin1String("date")) {
            const QDateTime d = QDateTime::fromString(text.trimmed(), Qt::ISODate);
            return d.isValid() ? QVariant(d) : QVariant();
        }
        if (name == QLatin1String("data")) {
            const auto decoded = QByteArray::fromBase64Encoding(
                text.toLatin1(), QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
            return decoded ? QVariant(*decoded) : QVariant();
        }
        return {};
    }

    QVariant dict(int depth) {
        QVariantMap map;
        while (nextElement()) {
            if (m_xml.name() != QLatin1String("key")) return {};
            const QString key = m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
            if (m_xml.hasError() || !nextElement()) return {};
            QVariant v = value(depth + 1);
            if (!v.isValid()) return {};
            // The first of two equal keys wins, as in the other readers of this program.
            if (!map.contains(key)) map.insert(key, v);
        }
        if (!m_ok || m_xml.hasError()) return {};
        return map;
    }

    QVariant array(int depth) {
        QVariantList list;
        while (nextElement()) {
            QVariant v = value(depth + 1);
            if (!v.isValid()) return {};
            list.append(v);
        }
        if (!m_ok || m_xml.hasError()) return {};
        return list;
    }

    QXmlStreamReader m_xml;
    bool m_ok = true;
};

}  // namespace

QVariant PropertyList::readXml(const QByteArray& body) {
    return XmlReader(body).document();
}

QVariant PropertyList::read(const QByteArray& body) {
    if (body.startsWith("bplist00")) return readBinary(body);
    return readXml(body);
}

QVariantMap PropertyList::readDictionary(const QByteArray& body) {
    const QVariant top = read(body);
    return top.typeId() == QMetaType::QVariantMap ? top.toMap() : QVariantMap();
}
