#include "export/paper.h"

#include <QLocale>
#include <QSize>

#include <algorithm>

namespace tavrel::exporting {
namespace {

struct PaperKind {
    std::string_view name;
    Paper paper;
    PaperGroup group;
    QPageSize::PageSizeId sheet;  // Custom for a roll
    int rollPoints;               // a roll's width
};

// A roll's width is in whole points, as Qt writes PDF pages: 914 mm is 2590.9 points, rounded
// down, because a page wider than the roll would be shrunk to fit or refused.
constexpr PaperKind kPapers[] = {
    {"letter", Paper::Letter, PaperGroup::Office, QPageSize::Letter, 0},
    {"a4", Paper::A4, PaperGroup::Office, QPageSize::A4, 0},
    {"a3", Paper::A3, PaperGroup::Office, QPageSize::A3, 0},
    {"legal", Paper::Legal, PaperGroup::Office, QPageSize::Legal, 0},
    {"tabloid", Paper::Tabloid, PaperGroup::Office, QPageSize::Tabloid, 0},
    {"a2", Paper::A2, PaperGroup::CopyShop, QPageSize::A2, 0},
    {"a1", Paper::A1, PaperGroup::CopyShop, QPageSize::A1, 0},
    {"a0", Paper::A0, PaperGroup::CopyShop, QPageSize::A0, 0},
    {"arch-d", Paper::ArchD, PaperGroup::CopyShop, QPageSize::ArchD, 0},
    {"arch-e", Paper::ArchE, PaperGroup::CopyShop, QPageSize::ArchE, 0},
    {"roll-36in", Paper::Roll36In, PaperGroup::Roll, QPageSize::Custom, 36 * 72},
    {"roll-24in", Paper::Roll24In, PaperGroup::Roll, QPageSize::Custom, 24 * 72},
    {"roll-914mm", Paper::Roll914Mm, PaperGroup::Roll, QPageSize::Custom, 2590},
};

constexpr int kLongestPagePoints = 200 * 72;

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

Paper defaultPaper(const QLocale& locale)
{
    // Britain measures in inches but prints on A4: only the US system goes with Letter.
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? Paper::Letter : Paper::A4;
}

measure::UnitSystem defaultUnitSystem(const QLocale& locale)
{
    return defaultPaper(locale) == Paper::Letter ? measure::UnitSystem::Inch
                                                 : measure::UnitSystem::Metric;
}

bool isRoll(Paper paper)
{
    return groupOf(paper) == PaperGroup::Roll;
}

QPageSize pageSizeOf(Paper paper)
{
    const PaperKind& kind = kindOf(paper);
    if (kind.rollPoints == 0) return QPageSize(kind.sheet);
    return QPageSize(QSize(kind.rollPoints, kLongestPagePoints), {}, QPageSize::ExactMatch);
}

QPageSize mapPageSizeOf(Paper paper)
{
    if (!isRoll(paper)) return pageSizeOf(paper);
    return QPageSize(paper == Paper::Roll914Mm ? QPageSize::A4 : QPageSize::Letter);
}

}  // namespace tavrel::exporting
