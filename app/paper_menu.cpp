#include "app/paper_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include <optional>

namespace tavrel::app {

using exporting::Paper;

void addPaperChoices(QMenu& menu, Paper checked, std::function<void(Paper)> chosen)
{
    auto* group = new QActionGroup(&menu);
    std::optional<exporting::PaperGroup> previousGroup;
    for (Paper paper : exporting::allPapers()) {
        if (previousGroup && exporting::groupOf(paper) != *previousGroup) menu.addSeparator();
        previousGroup = exporting::groupOf(paper);
        QAction* action =
            menu.addAction(QCoreApplication::translate("PaperMenu", pages::paperCaption(paper)));
        action->setObjectName(
            QString("mnuPatternPaper(%1)").arg(QString::fromUtf8(exporting::paperName(paper))));
        action->setCheckable(true);
        action->setChecked(paper == checked);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &menu, [chosen, paper] { chosen(paper); });
    }
}

}  // namespace tavrel::app
