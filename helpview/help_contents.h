#pragma once
// The table of contents of a help file: its sitemap (.hhc), an HTML list of topics.

#include <QByteArray>
#include <QString>

#include <vector>

namespace tavrel::help {

struct HelpTopic {
    QString name;   // as the contents show it
    QString local;  // the page, relative to the help file's root ("printing.html#check"); empty
                    // for a heading without a page of its own
    int depth = 0;  // 0 for the outermost list, 1 for a list nested in it, ...

    bool operator==(const HelpTopic&) const = default;
};

// The topics in the order they appear. Tolerates what help compilers write: any letter case,
// quoted or bare attribute values, unclosed <li>, entities in names. Site properties and
// unnamed entries are skipped.
std::vector<HelpTopic> parseContents(const QByteArray& sitemap);

}  // namespace tavrel::help
