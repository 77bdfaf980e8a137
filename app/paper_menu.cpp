#include "app/paper_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include <optional>

namespace tavrel::app {
namespace {

using exporting::Paper;

// A paper left out here is a compiler warning (-Wswitch), which CI's builds fail on.
const char* captionOf(Paper paper)
{
    switch (paper) {
        case Paper::Letter:
            return QT_TRANSLATE_NOOP("PaperMenu", "&Letter (8.5 x 11 in)");
        case Paper::A4:
            return QT_TRANSLATE_NOOP("PaperMenu", "A&4");
        case Paper::A3:
            return QT_TRANSLATE_NOOP("PaperMenu", "A&3");
        case Paper::Legal:
            return QT_TRANSLATE_NOOP("PaperMenu", "Le&gal (8.5 x 14 in)");
        case Paper::Tabloid:
            return QT_TRANSLATE_NOOP("PaperMenu", "&Tabloid (11 x 17 in)");
        case Paper::A2:
            return QT_TRANSLATE_NOOP("PaperMenu", "A&2");
        case Paper::A1:
            return QT_TRANSLATE_NOOP("PaperMenu", "A&1");
        case Paper::A0:
            return QT_TRANSLATE_NOOP("PaperMenu", "A&0");
        case Paper::ArchD:
            return QT_TRANSLATE_NOOP("PaperMenu", "Arch &D (24 x 36 in)");
        case Paper::ArchE:
            return QT_TRANSLATE_NOOP("PaperMenu", "Arch &E (36 x 48 in)");
        case Paper::Roll36In:
            return QT_TRANSLATE_NOOP("PaperMenu", "&Roll, 36 in wide");
        case Paper::Roll24In:
            return QT_TRANSLATE_NOOP("PaperMenu", "R&oll, 24 in wide");
        case Paper::Roll914Mm:
            return QT_TRANSLATE_NOOP("PaperMenu", "Roll, 914 &mm wide");
    }
    return "";
}

}  // namespace

void addPaperChoices(QMenu& menu, Paper checked, std::function<void(Paper)> chosen)
{
    auto* group = new QActionGroup(&menu);
    std::optional<exporting::PaperGroup> previousGroup;
    for (Paper paper : exporting::allPapers()) {
        if (previousGroup && exporting::groupOf(paper) != *previousGroup) menu.addSeparator();
        previousGroup = exporting::groupOf(paper);
        QAction* action =
            menu.addAction(QCoreApplication::translate("PaperMenu", captionOf(paper)));
        action->setObjectName(
            QString("mnuPatternPaper(%1)").arg(QString::fromUtf8(exporting::paperName(paper))));
        action->setCheckable(true);
        action->setChecked(paper == checked);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &menu, [chosen, paper] { chosen(paper); });
    }
}

}  // namespace tavrel::app
