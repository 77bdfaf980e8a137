#include "helpview/help_contents.h"

#include <gtest/gtest.h>

using tavrel::help::HelpTopic;
using tavrel::help::parseContents;

namespace {

QByteArray entry(const char* name, const char* local)
{
    return QByteArray("<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"") + name +
           "\"><param name=\"Local\" value=\"" + local + "\"></object>\n";
}

struct Sitemap {
    const char* what;
    QByteArray text;
    std::vector<HelpTopic> topics;
};

class ParseContents : public testing::TestWithParam<Sitemap> {};

TEST_P(ParseContents, ListsTheTopicsInOrderWithTheirDepth)
{
    EXPECT_EQ(parseContents(GetParam().text), GetParam().topics) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Sitemaps, ParseContents,
    testing::Values(
        Sitemap{"flat list",
                "<ul>" + entry("Start", "index.html") + entry("Two", "two.html") + "</ul>",
                {{"Start", "index.html", 0}, {"Two", "two.html", 0}}},
        Sitemap{"nested lists, a heading without a page",
                "<ul>" + entry("Start", "index.html") +
                    "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Printing\">"
                    "</object><ul>" +
                    entry("Paper", "paper.html") + "<ul>" + entry("Tiles", "tiles.html") +
                    "</ul></ul>" + entry("End", "end.html") + "</ul>",
                {{"Start", "index.html", 0},
                 {"Printing", "", 0},
                 {"Paper", "paper.html", 1},
                 {"Tiles", "tiles.html", 2},
                 {"End", "end.html", 0}}},
        Sitemap{"any letter case, single quotes, bare values, spaces in tags",
                "<UL><LI><OBJECT TYPE='text/sitemap'><PARAM NAME=Name VALUE='Start'>"
                "< param name=local value=index.html ></OBJECT></UL>",
                {{"Start", "index.html", 0}}},
        Sitemap{"site properties and entries without a name are skipped",
                "<object type=\"text/site properties\"><param name=\"Name\" value=\"Styles\">"
                "</object><ul>" +
                    entry("", "hidden.html") + entry("Shown", "shown.html") + "</ul>",
                {{"Shown", "shown.html", 0}}},
        Sitemap{"entities in names, an anchor in the page",
                "<ul>" + entry("Cut &amp; sew &lt;fast&gt;", "a.html#top") +
                    entry("Caf&#233; &#xE9;", "b.html") + entry("&bogus; &#0;", "c.html") + "</ul>",
                {{"Cut & sew <fast>", "a.html#top", 0},
                 {"Caf\u00e9 \u00e9", "b.html", 0},
                 {"&bogus; &#0;", "c.html", 0}}},
        Sitemap{"an entry with several names and pages shows the first",
                "<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"First\">"
                "<param name=\"Local\" value=\"1.html\"><param name=\"Name\" value=\"Second\">"
                "<param name=\"Local\" value=\"2.html\"></object></ul>",
                {{"First", "1.html", 0}}},
        Sitemap{"UTF-8 named in the page",
                "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"><ul>" +
                    entry("\xc3\xa9paule", "e.html") + "</ul>",
                {{"\u00e9paule", "e.html", 0}}},
        Sitemap{"not a sitemap", "\x89PNG\r\n\x1a\n<<<>>>\"'<ul", {}}));

}  // namespace
