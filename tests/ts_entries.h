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

// The text up to the element's end; a <byte value="xd"/> inside is the character it stands for.
inline QString textOf(QXmlStreamReader& xml, QStringList* forms = nullptr)
{
    const QString element = xml.name().toString();
    QString text;
    while (!xml.atEnd() &&
           !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == element)) {
        if (xml.isCharacters()) text += xml.text();
        if (xml.isStartElement() && xml.name() == u"byte")
            text += QChar(xml.attributes().value("value").mid(1).toInt(nullptr, 16));
        if (xml.isStartElement() && xml.name() == u"numerusform" && forms) *forms << textOf(xml);
    }
    return text;
}

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
        if (xml.name() == u"message") entries.emplace_back().context = context;
        if (entries.empty()) continue;
        TsEntry& entry = entries.back();
        if (xml.name() == u"source") entry.source = textOf(xml);
        if (xml.name() == u"translatorcomment") entry.translatorComment = xml.readElementText();
        if (xml.name() == u"translation") {
            entry.unfinished = xml.attributes().value("type") == u"unfinished";
            entry.translation = textOf(xml, &entry.forms);
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
