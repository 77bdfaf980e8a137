#include "app/print_question.h"

#include <QMessageBox>
#include <QPushButton>

namespace tavrel::app {
namespace {

QString questionText(const platform::TiledPrint& print)
{
    // One page: the picture fits the paper only when moved in from its usual place.
    if (print.pageCount == 1)
        return QString(
                   "The pattern does not fit the page at its usual place. It will print on "
                   "one page of %1 on \"%2\", moved in from the corner.")
            .arg(print.paperName, print.printerName);
    return QString(
               "The pattern is larger than the page. It will print whole on %1 pages of %2 "
               "on \"%3\": a map of the pages first, then the pages to tape together as the "
               "map shows.")
        .arg(print.pageCount)
        .arg(print.paperName, print.printerName);
}

}  // namespace

bool confirmTiledPrint(QWidget* parent, const platform::TiledPrint& print)
{
    QMessageBox box(QMessageBox::Question, "Print Pattern", questionText(print),
                    QMessageBox::Cancel, parent);
    box.setObjectName("printTilesQuestion");
    QPushButton* printButton = box.addButton("&Print", QMessageBox::AcceptRole);
    box.setDefaultButton(printButton);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == printButton;
}

}  // namespace tavrel::app
