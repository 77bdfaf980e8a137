#include "app/print_question.h"

#include "app/printer_calibration.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>

namespace tavrel::app {
namespace {

QString questionText(const printing::TiledPrint& print)
{
    // One page: the picture fits the paper only when moved in from its usual place.
    if (print.pageCount == 1)
        //: %1 is the paper, such as A4; %2 the printer.
        return QCoreApplication::translate(
                   "PrintQuestion",
                   "The pattern does not fit the page at its usual place. It will print on "
                   "one page of %1 on \"%2\", moved in from the corner.")
            .arg(print.paperName, print.printerName);
    //: %n pages in all, the diagram's page included; %1 the paper, such as A4; %2 the printer.
    return QCoreApplication::translate(
               "PrintQuestion",
               "The pattern is larger than the page. It will print whole on %n pages of %1 "
               "on \"%2\": first a diagram of how the pages fit together, then the pages to "
               "tape together.",
               nullptr, print.pageCount)
        .arg(print.paperName, print.printerName);
}

}  // namespace

bool confirmTiledPrint(QWidget* parent, const printing::TiledPrint& print)
{
    QMessageBox box(QMessageBox::Question,
                    QCoreApplication::translate("PrintQuestion", "Print Pattern"),
                    questionText(print), QMessageBox::Cancel, parent);
    box.setObjectName("printTilesQuestion");
    QPushButton* printButton = box.addButton(QCoreApplication::translate("PrintQuestion", "&Print"),
                                             QMessageBox::AcceptRole);
    box.setDefaultButton(printButton);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == printButton;
}

exporting::PrintCorrection correctionForPrint(QWidget* parent, const QString& printerName)
{
    static QSet<QString> told;
    const StoredCorrection stored = readPrintCorrection(printerName);
    if (stored.damaged && !told.contains(printerName)) {
        told.insert(printerName);
        QMessageBox box(
            QMessageBox::Warning, QCoreApplication::translate("PrintQuestion", "Print Pattern"),
            //: %1 is the printer.
            QCoreApplication::translate(
                "PrintQuestion",
                "The correction kept for the printer \"%1\" is damaged, so it is ignored: the "
                "pattern prints as the printer makes it. Calibrate the printer again to correct "
                "its prints.")
                .arg(printerName),
            QMessageBox::Ok, parent);
        box.setObjectName("damagedCorrectionMessage");
        box.exec();
    }
    return stored.correction;
}

}  // namespace tavrel::app
