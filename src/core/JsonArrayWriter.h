#pragma once

#include <QJsonObject>
#include <QTextStream>

/// Writes a JSON array of objects one object at a time, as the text QJsonDocument::toJson(Indented)
/// gives for the whole array, so a listing of any length is written as it is produced and never
/// held whole. finish() closes the array; without it the output is cut short.
class JsonArrayWriter {
  public:
    explicit JsonArrayWriter(QTextStream& out) : m_out(out) {}

    void add(const QJsonObject& object);
    void finish();

  private:
    QTextStream& m_out;
    bool m_started = false;
};
