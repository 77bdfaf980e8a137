#pragma once
// The papers a PDF can be printed on.

#include <QPageSize>

#include <optional>
#include <string_view>

namespace tavrel::exporting {

enum class Paper {
    Letter,
    A4,
    A3,
    Legal,
    Tabloid,
};

// The command line's words: "letter", "a4", "a3", "legal", "tabloid"; nullopt for anything
// else.
std::optional<Paper> paperNamed(std::string_view name);

QPageSize pageSizeOf(Paper paper);

}  // namespace tavrel::exporting
