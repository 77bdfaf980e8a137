#pragma once
// The texts of a translation source file, read as Qt Linguist writes it, for tests that check a
// translation against its English source.

#include <QFile>
#include <QString>
#include <QXmlStreamReader>

#include <vector>

struct TsEntry {
    QString context, source, translation, translatorComment;
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
            entries.back().unfinished = xml.attributes().value("type") == u"unfinished";
            entries.back().translation = xml.readElementText();
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
