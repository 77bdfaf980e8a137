#include "app/paper_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace tavrel::app {
namespace {

using exporting::Paper;

struct PaperItem {
    Paper paper;
    const char* caption;
    bool lastOfGroup;  // office sheets, copy-shop sheets, rolls
};

constexpr PaperItem kItems[] = {
    {Paper::Letter, QT_TRANSLATE_NOOP("PaperMenu", "&Letter (8.5 x 11 in)"), false},
    {Paper::A4, QT_TRANSLATE_NOOP("PaperMenu", "A&4"), false},
    {Paper::A3, QT_TRANSLATE_NOOP("PaperMenu", "A&3"), false},
    {Paper::Legal, QT_TRANSLATE_NOOP("PaperMenu", "Le&gal (8.5 x 14 in)"), false},
    {Paper::Tabloid, QT_TRANSLATE_NOOP("PaperMenu", "&Tabloid (11 x 17 in)"), true},
    {Paper::A2, QT_TRANSLATE_NOOP("PaperMenu", "A&2"), false},
    {Paper::A1, QT_TRANSLATE_NOOP("PaperMenu", "A&1"), false},
    {Paper::A0, QT_TRANSLATE_NOOP("PaperMenu", "A&0"), false},
    {Paper::ArchD, QT_TRANSLATE_NOOP("PaperMenu", "Arch &D (24 x 36 in)"), false},
    {Paper::ArchE, QT_TRANSLATE_NOOP("PaperMenu", "Arch &E (36 x 48 in)"), true},
    {Paper::Roll36In, QT_TRANSLATE_NOOP("PaperMenu", "&Roll, 36 in wide"), false},
    {Paper::Roll24In, QT_TRANSLATE_NOOP("PaperMenu", "R&oll, 24 in wide"), false},
    {Paper::Roll914Mm, QT_TRANSLATE_NOOP("PaperMenu", "Roll, 914 &mm wide"), false},
};

}  // namespace

void addPaperChoices(QMenu& menu, Paper checked, std::function<void(Paper)> chosen)
{
    auto* group = new QActionGroup(&menu);
    for (const PaperItem& item : kItems) {
        QAction* action = menu.addAction(QCoreApplication::translate("PaperMenu", item.caption));
        action->setObjectName(QString("mnuPatternPaper(%1)")
                                  .arg(QString::fromUtf8(exporting::paperName(item.paper))));
        action->setCheckable(true);
        action->setChecked(item.paper == checked);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &menu,
                         [chosen, paper = item.paper] { chosen(paper); });
        if (item.lastOfGroup) menu.addSeparator();
    }
}

}  // namespace tavrel::app
