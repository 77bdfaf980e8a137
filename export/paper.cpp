#include "export/paper.h"

#include <algorithm>

namespace tavrel::exporting {
namespace {

struct PaperKind {
    std::string_view name;
    Paper paper;
    QPageSize::PageSizeId sheet;
};

constexpr PaperKind kPapers[] = {
    {"letter", Paper::Letter, QPageSize::Letter},
    {"a4", Paper::A4, QPageSize::A4},
    {"a3", Paper::A3, QPageSize::A3},
    {"legal", Paper::Legal, QPageSize::Legal},
    {"tabloid", Paper::Tabloid, QPageSize::Tabloid},
};

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

QPageSize pageSizeOf(Paper paper)
{
    return QPageSize(kindOf(paper).sheet);
}

}  // namespace tavrel::exporting
