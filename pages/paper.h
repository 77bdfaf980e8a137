#pragma once
// The papers a PDF can be printed on: the sheets of home and office printers, the larger ones
// of copy shops, and wide-format rolls whose pages are cut to the pattern's length.

#include "measure/unit.h"
#include "pages/geometry.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tavrel::pages {

enum class Paper {
    Letter,
    A4,
    A3,
    Legal,
    Tabloid,
    A2,
    A1,
    A0,
    ArchD,
    ArchE,
    Roll36In,
    Roll24In,
    Roll914Mm,
};

// The kinds of paper, which the menu and the help list apart in this order.
enum class PaperGroup {
    Office,
    CopyShop,
    Roll,
};

// Every paper, group after group, in the order the menu and the command line's help list them:
// a paper added to the one table of papers is offered everywhere.
std::vector<Paper> allPapers();
PaperGroup groupOf(Paper paper);

// The command line's words: "letter", "a4", ... "arch-e", "roll-36in"; nullopt for anything
// else.
std::optional<Paper> paperNamed(std::string_view name);
std::string_view paperName(Paper paper);

bool isRoll(Paper paper);

// Letter where the user's customs measure in US inches, A4 elsewhere: Britain measures in
// inches but prints on A4.
Paper defaultPaper(bool usCustomaryUnits);
// Inches where the default paper is Letter, metric beside A4.
measure::UnitSystem defaultUnitSystem(bool usCustomaryUnits);

// A sheet's size in points, whole ones as PDF pages are written. For a roll: its width, and
// the longest page cut from it, 200 inches, the largest page that common PDF readers accept.
Size paperPoints(Paper paper);

// The paper for the map of a tiled pattern: the paper itself, but beside a roll an office
// sheet (Letter beside inch rolls, A4 beside the metric one): the map is a guide to read at
// the table, and on the roll it would take a piece as wide as the roll.
Paper mapPaperOf(Paper paper);

}  // namespace tavrel::pages
