#include "export/paper.h"

#include <QLocale>
#include <QSize>

#include <algorithm>

namespace tavrel::exporting {
namespace {

struct PaperKind {
    std::string_view name;
    Paper paper;
    QPageSize::PageSizeId sheet;  // Custom for a roll
    int rollPoints;               // a roll's width
};

// A roll's width is in whole points, as Qt writes PDF pages: 914 mm is 2590.9 points, rounded
// down, because a page wider than the roll would be shrunk to fit or refused.
constexpr PaperKind kPapers[] = {
    {"letter", Paper::Letter, QPageSize::Letter, 0},
    {"a4", Paper::A4, QPageSize::A4, 0},
    {"a3", Paper::A3, QPageSize::A3, 0},
    {"legal", Paper::Legal, QPageSize::Legal, 0},
    {"tabloid", Paper::Tabloid, QPageSize::Tabloid, 0},
    {"a2", Paper::A2, QPageSize::A2, 0},
    {"a1", Paper::A1, QPageSize::A1, 0},
    {"a0", Paper::A0, QPageSize::A0, 0},
    {"arch-d", Paper::ArchD, QPageSize::ArchD, 0},
    {"arch-e", Paper::ArchE, QPageSize::ArchE, 0},
    {"roll-36in", Paper::Roll36In, QPageSize::Custom, 36 * 72},
    {"roll-24in", Paper::Roll24In, QPageSize::Custom, 24 * 72},
    {"roll-914mm", Paper::Roll914Mm, QPageSize::Custom, 2590},
};

constexpr int kLongestPagePoints = 200 * 72;

const PaperKind& kindOf(Paper paper)
{
    return *std::find_if(std::begin(kPapers), std::end(kPapers),
                         [paper](const PaperKind& kind) { return kind.paper == paper; });
}

}  // namespace

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

bool isRoll(Paper paper)
{
    return kindOf(paper).rollPoints > 0;
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
