#include "pages/paper.h"

#include <algorithm>

namespace tavrel::pages {
namespace {

struct PaperKind {
    std::string_view name;
    Paper paper;
    PaperGroup group;
    int widthPoints, heightPoints;  // a roll's height is its longest page
};

constexpr int kLongestPagePoints = 200 * 72;

// The sheets' sizes are the standard ones in whole points, A4's 210 x 297 mm as 595 x 842. A
// roll's width is in whole points too: 914 mm is 2590.9 points, rounded down, because a page
// wider than the roll would be shrunk to fit or refused.
constexpr PaperKind kPapers[] = {
    {"letter", Paper::Letter, PaperGroup::Office, 612, 792},
    {"a4", Paper::A4, PaperGroup::Office, 595, 842},
    {"a3", Paper::A3, PaperGroup::Office, 842, 1191},
    {"legal", Paper::Legal, PaperGroup::Office, 612, 1008},
    {"tabloid", Paper::Tabloid, PaperGroup::Office, 792, 1224},
    {"a2", Paper::A2, PaperGroup::CopyShop, 1191, 1684},
    {"a1", Paper::A1, PaperGroup::CopyShop, 1684, 2384},
    {"a0", Paper::A0, PaperGroup::CopyShop, 2384, 3370},
    {"arch-d", Paper::ArchD, PaperGroup::CopyShop, 24 * 72, 36 * 72},
    {"arch-e", Paper::ArchE, PaperGroup::CopyShop, 36 * 72, 48 * 72},
    {"roll-36in", Paper::Roll36In, PaperGroup::Roll, 36 * 72, kLongestPagePoints},
    {"roll-24in", Paper::Roll24In, PaperGroup::Roll, 24 * 72, kLongestPagePoints},
    {"roll-914mm", Paper::Roll914Mm, PaperGroup::Roll, 2590, kLongestPagePoints},
};

const PaperKind& kindOf(Paper paper)
{
    return *std::find_if(std::begin(kPapers), std::end(kPapers),
                         [paper](const PaperKind& kind) { return kind.paper == paper; });
}

}  // namespace

std::vector<Paper> allPapers()
{
    std::vector<Paper> papers;
    for (const PaperKind& kind : kPapers) papers.push_back(kind.paper);
    return papers;
}

PaperGroup groupOf(Paper paper)
{
    return kindOf(paper).group;
}

std::optional<Paper> paperNamed(std::string_view name)
{
    for (const PaperKind& kind : kPapers)
        if (kind.name == name) return kind.paper;
    return std::nullopt;
}

std::string_view paperName(Paper paper)
{
    return kindOf(paper).name;
}

bool isRoll(Paper paper)
{
    return groupOf(paper) == PaperGroup::Roll;
}

Paper defaultPaper(bool usCustomaryUnits)
{
    return usCustomaryUnits ? Paper::Letter : Paper::A4;
}

measure::UnitSystem defaultUnitSystem(bool usCustomaryUnits)
{
    return defaultPaper(usCustomaryUnits) == Paper::Letter ? measure::UnitSystem::Inch
                                                           : measure::UnitSystem::Metric;
}

Size paperPoints(Paper paper)
{
    const PaperKind& kind = kindOf(paper);
    return {double(kind.widthPoints), double(kind.heightPoints)};
}

Paper mapPaperOf(Paper paper)
{
    if (!isRoll(paper)) return paper;
    return paper == Paper::Roll914Mm ? Paper::A4 : Paper::Letter;
}

}  // namespace tavrel::pages
