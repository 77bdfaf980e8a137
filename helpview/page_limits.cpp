#include "helpview/page_limits.h"

#include <QTextDocument>
#include <QTextFrame>

#include <algorithm>
#include <utility>
#include <vector>

namespace tavrel::help {
namespace {

// At these limits, the slowest pages found take 0.5 s to show on two busy cores: 128 Ki
// characters of text in tables 3 deep (the same text without tables: 0.1 s), 3,000 tags nested
// in each other (0.2 s; Qt's parser takes every '<' for a tag, and its time grows with the
// square of the nesting). Measuring how tables nest costs 0.1 s at most. The guide's pages have
// some 3 Ki characters, 160 tags and tables 1 deep.
constexpr qsizetype kLargestPage = 128 * 1024;
constexpr qsizetype kMostTags = 3000;
constexpr int kDeepestTables = 3;

// A page parsed only to see how its tables nest: it loads nothing, not even its style sheets.
class UnloadedDocument : public QTextDocument {
protected:
    QVariant loadResource(int, const QUrl&) override { return QByteArray(""); }
};

int deepestFrame(const QTextDocument& document)
{
    int deepest = 0;
    std::vector<std::pair<QTextFrame*, int>> frames = {{document.rootFrame(), 0}};
    while (!frames.empty()) {
        const auto [frame, depth] = frames.back();
        frames.pop_back();
        deepest = std::max(deepest, depth);
        for (QTextFrame* child : frame->childFrames()) frames.emplace_back(child, depth + 1);
    }
    return deepest;
}

}  // namespace

bool fitsTheHelpWindow(const QString& html)
{
    if (html.size() > kLargestPage || html.count('<') > kMostTags) return false;
    UnloadedDocument page;
    page.setHtml(html);
    return deepestFrame(page) <= kDeepestTables;
}

}  // namespace tavrel::help
