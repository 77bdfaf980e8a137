#include "app/frm_about.h"

#include "app/accessibility.h"
#include "app/fitted_font.h"
#include "app/twip_layout.h"
#include "picture/pattern_picture.h"
#include "platform/build_info.h"
#include "platform/shell.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

#include <algorithm>

namespace tavrel::app {
namespace {

const QColor kDialogGrey(0xE0, 0xE0, 0xE0);

// The author and the credit lines are the packager's to set. The build's own, which these are,
// are translated; a packager's own have no translation and show as given.
[[maybe_unused]] const char* const kBuildsOwnTexts[] = {
    QT_TRANSLATE_NOOP("tavrel::app::frmAbout", "The Tavrel developers"),
    //: The About box's two credit lines: keep the line break.
    QT_TRANSLATE_NOOP("tavrel::app::frmAbout",
                      "This program draws a flat cutting pattern and its sizing\n"
                      "formula from a published source; see the user's guide.")};

QString packagerText(const QByteArray& given)
{
    return QCoreApplication::translate("tavrel::app::frmAbout", given.constData());
}

// The desktop's palette with the box's grey as the window and button face and black text.
QPalette greyPalette()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, kDialogGrey);
    palette.setColor(QPalette::Button, kDialogGrey);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    return palette;
}

// Shrinks the font until the longest of the label's lines fits its width.
void fitLinesToWidth(QLabel& label)
{
    const QStringList lines = label.text().split("\r\n");
    shrinkFontToFit(label, [&](const QFont& font) {
        const QFontMetrics metrics(font);
        for (const QString& line : lines)
            if (metrics.horizontalAdvance(line) > label.width() - 2) return false;
        return true;
    });
}

QLabel* greyLabel(QWidget* parent, const char* name, const TwipRect& twips)
{
    auto* label = place(new QLabel(parent), name, twips);
    label->setAutoFillBackground(true);
    label->setPalette(greyPalette());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint)
{
    installAccessibleInterfaces();
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(picture::patternIcon());
    setAutoFillBackground(true);
    setPalette(greyPalette());
    // The client area's corner, not the frame's, goes to the stored place.
    const QRect window = pixelsOf({2340, 1935, 5280, 3795});
    setFixedSize(window.size());
    setGeometry(window);

    picIcon = place(new QLabel(this), "picIcon", {240, 240, 1275, 1305});
    drawIcon();
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setFocusPolicy(Qt::StrongFocus);
    picIcon->setAccessibleName(tr("Program icon"));

    lblTitle = greyLabel(this, "lblTitle", {1800, 152, 3285, 1080});
    lblTitle->setText("Tavrel Maker");
    QFont titleFont("MS Sans Serif", 24, QFont::Bold);
    lblTitle->setFont(titleFont);
    lblTitle->setWordWrap(true);

    lblVersion = greyLabel(this, "lblVersion", {1800, 1320, 3405, 225});
    lblDescription = greyLabel(this, "lblDescription", {240, 1800, 4845, 930});
    Label1 = greyLabel(this, "Label1", {240, 2850, 3375, 975});

    auto* link =
        place(new LinkBox(QString(build::kAuthorEmail), this), "txtLink", {447, 3420, 1695, 285});
    txtLink = link;
    txtLink->setReadOnly(true);
    txtLink->setFrame(false);
    QFont linkFont("MS Sans Serif");
    linkFont.setPointSizeF(8.25);
    linkFont.setUnderline(true);
    txtLink->setFont(linkFont);
    txtLink->setPalette(QPalette(QColor(0, 0, 255), kDialogGrey, kDialogGrey, kDialogGrey,
                                 kDialogGrey, QColor(0, 0, 255), kDialogGrey));
    txtLink->setCursor(Qt::PointingHandCursor);
    txtLink->setMouseTracking(true);
    txtLink->installEventFilter(this);
    //: The mail link's name for screen readers, which read the address after it.
    txtLink->setAccessibleName(tr("Send mail to the author"));
    connect(link, &LinkBox::followed, this, &frmAbout::txtLink_Click);

    //: A small button: keep the caption short.
    cmdOK = place(new QPushButton(tr("OK"), this), "cmdOK", {3720, 3000, 1260, 585});
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    // The box's tab order: OK first, so it has the focus when the box opens.
    setTabOrder(cmdOK, picIcon);
    setTabOrder(picIcon, txtLink);
    cmdOK->setFocus();
}

void frmAbout::Form_Load()
{
    //: "Tavrel Maker" is the program's name.
    setWindowTitle(tr("About Tavrel Maker"));
    //: %1.%2.%3 is the version number, such as 1.0.0.
    lblVersion->setText(tr("Version %1.%2.%3")
                            .arg(build::kVersionMajor)
                            .arg(build::kVersionMinor)
                            .arg(build::kVersionPatch));
    const QStringList credit =
        packagerText(QByteArray(build::kCreditLine1) + '\n' + build::kCreditLine2).split('\n');
    lblDescription->setText(
        QString("\r\n  %1\r\n  %2").arg(credit.value(0), credit.mid(1).join(' ')));
    // The box's lines end in CR LF, which translators are not asked to type.
    Label1->setText(tr("Written by: %1").arg(packagerText(build::kAuthorName)) + "\r\n\r\n" +
                    //: Two lines. The author's mail address follows right after the second
                    //: line and ends the sentence, so keep the line break and the final space.
                    tr("Please send comments and suggestions \nto ").replace('\n', "\r\n"));
    // Measured in the fonts the box shows with.
    ensurePolished();
    fitLinesToWidth(*lblDescription);
    fitLinesToWidth(*Label1);
    fitToText();
}

// In a larger font than the box was laid out for, nothing is cut or covered: the title keeps
// its one line, each label below it grows to its lines and moves the next one down, the address
// keeps to the last line of its sentence, and the box grows around them. In the font it was laid
// out for, everything stays where it is stored.
void frmAbout::fitToText()
{
    shrinkFontToFit(*lblTitle, [this](const QFont& font) {
        return QFontMetrics(font).horizontalAdvance(lblTitle->text()) <=
               lblTitle->contentsRect().width();
    });
    cmdOK->resize(cmdOK->size().expandedTo(cmdOK->sizeHint()));
    // What the box shows lowest and rightmost: the last label's lines, the address and OK.
    const auto shown = [this] {
        return txtLink->geometry() | cmdOK->geometry() |
               QRect(Label1->pos(), QSize(1, Label1->sizeHint().height()));
    };
    const QSize margins(std::max(0, width() - shown().right() - 1),
                        std::max(0, height() - shown().bottom() - 1));
    const int linkBelowSentence = txtLink->y() - Label1->y();
    int moved = 0;
    for (QLabel* label : {lblVersion, lblDescription, Label1}) {
        // OK stands beside the last label, below the others.
        if (label == Label1) cmdOK->move(cmdOK->x(), cmdOK->y() + moved);
        label->move(label->x(), label->y() + moved);
        const int needed = label->sizeHint().height();
        if (needed <= label->height()) continue;
        moved += needed - label->height();
        label->resize(label->width(), needed);
    }

    // The address ends the sentence on its last line: where a language needs more room for the
    // words before it than English's "to ", the address moves right to leave them whole; where
    // the lines are taller or shorter, it moves onto the last one. Its letters may reach a
    // little into the line above, as the box's own sizes place them, never onto its words.
    const QFontMetrics metrics = Label1->fontMetrics();
    const QString lastWords = Label1->text().section("\r\n", -1);
    const int wordsEnd = Label1->x() + metrics.horizontalAdvance(lastWords);
    const int lastLineTop = Label1->y() + Label1->contentsRect().top() +
                            metrics.lineSpacing() * int(Label1->text().count("\r\n"));
    const int linkTextTop = (txtLink->height() - txtLink->fontMetrics().height()) / 2;
    int linkTop = Label1->y() + linkBelowSentence;
    if (linkTop + linkTextTop < lastLineTop - metrics.descent() ||
        linkTop + linkTextTop >= lastLineTop + metrics.height())
        linkTop = lastLineTop - linkTextTop;
    txtLink->move(std::max(txtLink->x(), wordsEnd), linkTop);

    // The box grows to keep the margins it had beside and below them.
    setFixedSize(std::max(width(), shown().right() + 1 + margins.width()),
                 std::max(height(), shown().bottom() + 1 + margins.height()));
}

// Drawn for the box's size in the pixels of the screen the box is on, so that it is whole and
// sharp at any resolution and scaling.
void frmAbout::drawIcon()
{
    picIcon->setPixmap(picture::patternPicture(picIcon->size(), devicePixelRatioF()));
}

void frmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    drawIcon();
    connect(windowHandle(), &QWindow::screenChanged, this, &frmAbout::drawIcon,
            Qt::UniqueConnection);
}

// Esc reaches reject(), Enter the default button: both end here and close the box.
void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::txtLink_Click()
{
    platform::openMailTo(txtLink->text());
    picIcon->setFocus();
}

// Holds the mouse while the pointer is over the link (edges included), so that the first
// move off it still arrives here and lets go.
void frmAbout::txtLink_MouseMove(int X, int Y)
{
    if (X < 0 || Y < 0 || X > txtLink->width() || Y > txtLink->height()) {
        txtLink->releaseMouse();
        return;
    }
    if (QWidget::mouseGrabber() != txtLink) txtLink->grabMouse();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtLink) {
        if (event->type() == QEvent::MouseMove) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            txtLink_MouseMove(at.x(), at.y());
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                txtLink->rect().contains(mouse->position().toPoint()))
                txtLink_Click();
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tavrel::app
