#include "helpview/help_contents.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace tavrel::help {
namespace {

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    return decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
}

QString decodeEntities(const QString& text)
{
    static const QRegularExpression entity(R"(&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[a-zA-Z]+);)");
    static const QHash<QString, QString> named = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", "\u00a0"}};
    QString result;
    qsizetype done = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1);
        QString replacement = match.captured(0);
        if (name.startsWith('#')) {
            const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
            bool ok = false;
            const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            if (ok && code > 0 && code <= 0x10FFFF) {
                const char32_t character = code;
                replacement = QString::fromUcs4(&character, 1);
            }
        } else if (named.contains(name)) {
            replacement = named.value(name);
        }
        result += text.mid(done, match.capturedStart() - done) + replacement;
        done = match.capturedEnd();
    }
    return result + text.mid(done);
}

// Attribute names in lower case, values with their entities decoded.
QHash<QString, QString> attributesOf(const QString& tagBody)
{
    static const QRegularExpression attribute(
        R"re(([A-Za-z_:][-\w:.]*)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))re");
    QHash<QString, QString> attributes;
    for (auto it = attribute.globalMatch(tagBody); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QString value = match.captured(2) + match.captured(3) + match.captured(4);
        attributes.insert(match.captured(1).toLower(), decodeEntities(value));
    }
    return attributes;
}

}  // namespace

std::vector<HelpTopic> parseContents(const QByteArray& sitemap)
{
    static const QRegularExpression tag(R"(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)",
                                        QRegularExpression::CaseInsensitiveOption);
    std::vector<HelpTopic> topics;
    int openLists = 0;
    std::optional<HelpTopic> topic;  // the sitemap entry being read
    for (auto it = tag.globalMatch(decodeText(sitemap)); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const QString element = match.captured(2).toLower();
        const QHash<QString, QString> attributes = attributesOf(match.captured(3));
        if (element == "ul") {
            openLists = std::max(0, openLists + (closing ? -1 : 1));
        } else if (element == "object" && !closing) {
            topic.reset();
            if (attributes.value("type").compare("text/sitemap", Qt::CaseInsensitive) == 0)
                topic = HelpTopic{{}, {}, std::max(0, openLists - 1)};
        } else if (element == "object") {
            if (topic && !topic->name.isEmpty()) topics.push_back(*topic);
            topic.reset();
        } else if (topic) {
            // An entry may carry several names and pages; the first of each is the one shown.
            const QString key = attributes.value("name").toLower();
            const QString value = attributes.value("value").trimmed();
            if (key == "name" && topic->name.isEmpty()) topic->name = value;
            if (key == "local" && topic->local.isEmpty()) topic->local = value;
        }
    }
    return topics;
}

}  // namespace tavrel::help
