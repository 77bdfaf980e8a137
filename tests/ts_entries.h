#pragma once
// The texts of a translation source file, read as Qt Linguist writes it, for tests that check a
// translation against its English source.

#include <QFile>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <vector>

struct TsEntry {
    QString context, source, translation, translatorComment;
    QStringList forms;  // the translation, or its plural forms for a text counting with %n
    bool unfinished = false;
};

inline std::vector<TsEntry> tsEntries(const QString& path)
{
    std::vector<TsEntry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"message") entries.push_back({context});
        if (entries.empty()) continue;
        if (xml.name() == u"source") entries.back().source = xml.readElementText();
        if (xml.name() == u"translatorcomment")
            entries.back().translatorComment = xml.readElementText();
        if (xml.name() == u"translation") {
            TsEntry& entry = entries.back();
            entry.unfinished = xml.attributes().value("type") == u"unfinished";
            while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != u"translation") {
                if (xml.isCharacters()) entry.translation += xml.text();
                if (xml.isStartElement()) entry.forms << xml.readElementText();
                if (xml.atEnd()) break;
            }
            if (entry.forms.isEmpty()) entry.forms << entry.translation;
        }
    }
    return entries;
}

// The translation of `source` in `context`; empty when the file has none.
inline QString translationOf(const std::vector<TsEntry>& entries, const QString& context,
                             const QString& source)
{
    for (const TsEntry& entry : entries)
        if (entry.context == context && entry.source == source) return entry.translation;
    return {};
}
