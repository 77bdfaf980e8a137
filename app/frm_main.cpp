#include "app/frm_main.h"

#include "app/accessibility.h"
#include "app/box_keys.h"
#include "app/frm_about.h"
#include "app/grown_controls.h"
#include "app/pattern_description.h"
#include "app/pattern_menu.h"
#include "app/print_question.h"
#include "app/printer_calibration.h"
#include "app/reading_notice.h"
#include "app/redraw_queue.h"
#include "app/text_as_typed.h"
#include "app/twip_layout.h"
#include "app/unit_keys.h"
#include "export/too_large_message.h"
#include "extras/extras.h"
#include "helpview/help_path.h"
#include "measure/key_filter.h"
#include "measure/physical_units.h"
#include "pattern/drawing.h"
#include "picture/natural_size.h"
#include "picture/pattern_picture.h"
#include "picture/plan_drawing.h"
#include "platform/application.h"
#include "platform/decimal_comma.h"
#include "platform/message_pump.h"
#include "platform/notice.h"
#include "platform/screen_metrics.h"
#include "platform/scroll_view.h"
#include "platform/translations.h"
#include "platform/window_metrics.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavrel::app {
namespace {

// The client area at start and the window height once a unit is chosen, in twips.
constexpr int kClientWidthTwips = 6495;
constexpr int kClientHeightTwips = 1440;
constexpr int kUnitChosenHeightTwips = 2250;
// Pixels left free below the lowest control, above the picture or the window's edge.
constexpr int kBelowControls = 3;

// Pixels as twips on the screen, for sizes that grew by so many pixels.
int twipsOfPixelsX(int pixels)
{
    return static_cast<int>(std::lround(pixels * platform::twipsPerPixelX()));
}

int twipsOfPixelsY(int pixels)
{
    return static_cast<int>(std::lround(pixels * platform::twipsPerPixelY()));
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent)
{
    installAccessibleInterfaces();
    setObjectName("frmMain");
    setWindowTitle("Tavrel");
    setWindowIcon(picture::patternIcon());
    auto* client = new QWidget;
    client->setObjectName("client");
    createControls(client);
    // A newer text is drawn after the drawing under way, unless the box has been emptied.
    redraws_ = new RedrawQueue([this] { drawOnce(); },
                               [this] { return !txtMeasure->text().isEmpty(); }, this);
    clientView_ = new platform::ScrollView(client, this);
    clientView_->setObjectName("clientView");
    clientView_->dragToScroll(picPattern);
    setCentralWidget(clientView_);
    createMenus();

    askedClient_ = pixelsOf({0, 0, kClientWidthTwips, kClientHeightTwips}).size() +
                   QSize(growth_.right, growth_.down);
    resize(askedClient_ + QSize(0, menuBar()->sizeHint().height()));
    widthTwips_ = std::lround(width() * platform::twipsPerPixelX());
    heightTwips_ = std::lround(height() * platform::twipsPerPixelY());
    updateClientArea();
}

void frmMain::createControls(QWidget* client)
{
    txtMeasure = place(new QLineEdit(client), "txtMeasure", {2760, 720, 1695, 405});
    txtMeasure->setMaxLength(std::numeric_limits<int>::max());  // the box has no length limit
    const auto pasteWhole = enterTextAsTyped(
        *txtMeasure, [this] { return selectedUnit(); },
        [this](const QString& notice) { showBoxNotice(notice); });
    const QString captions[] = {tr("Inches (Decimal)"), tr("Inches (Fractions)"), tr("Millimeter")};
    const char* names[] = {"optMeasureType(0)", "optMeasureType(1)", "optMeasureType(2)"};
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        optMeasureType[i] =
            place(new QRadioButton(captions[i], client), names[i], {600, 120 + 360 * i, 1695, 375});
        group->addButton(optMeasureType[i], i);
    }
    cmdPrint =
        place(new QPushButton(tr("Print Pattern"), client), "cmdPrint", {4800, 120, 1455, 495});
    picPattern = place(new platform::PictureBox(client), "picPattern", {600, 1500, 5295, 1215});
    lblScale = place(new QLabel(picPattern), "lblScale", {120, 840, 4935, 375});
    // Never seen: the prompt replaces it before the label shows, so it is not translated.
    lblInfo = place(new QLabel("Label1", client), "lblInfo", {2760, 120, 1695, 495});
    lblTooLarge = new AlertLabel(client);
    lblTooLarge->setObjectName("lblTooLarge");
    lblNotice = new AlertLabel(client);
    lblNotice->setObjectName("lblNotice");

    lblInfo->setWordWrap(true);
    growth_ = growToFit({optMeasureType, lblInfo, txtMeasure, cmdPrint},
                        {promptText(false), promptText(true)});
    // Out of view below the client area until a unit is chosen, however tall the controls grew.
    picPattern->move(picPattern->x(), picPattern->y() + growth_.down);
    lblScale->setAutoFillBackground(true);
    lblScale->setPalette(QPalette(Qt::black, Qt::white));
    lblScale->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblScale->setWordWrap(true);
    // Screen readers name the box by its prompt and the picture by what it shows.
    lblInfo->setBuddy(txtMeasure);
    picPattern->setAccessibleName(tr("Pattern"));
    txtMeasure->hide();
    lblInfo->hide();
    cmdPrint->setEnabled(false);
    picPattern->setFocusPolicy(Qt::NoFocus);

    for (QLabel* notice : {lblTooLarge, lblNotice}) {
        notice->setWordWrap(true);
        notice->setStyleSheet("QLabel { background: #fff8c4; color: black; "
                              "border: 1px solid #b0a040; padding: 2px; }");
        notice->hide();
    }

    setTabOrder(cmdPrint, optMeasureType[0]);
    setTabOrder(optMeasureType[0], optMeasureType[1]);
    setTabOrder(optMeasureType[1], optMeasureType[2]);
    setTabOrder(optMeasureType[2], txtMeasure);

    connect(group, &QButtonGroup::idClicked, this, &frmMain::optMeasureType_Click);
    connect(txtMeasure, &QLineEdit::textChanged, this, &frmMain::txtMeasure_Change);
    connect(cmdPrint, &QPushButton::clicked, this, &frmMain::cmdPrint_Click);
    routeBoxKeys(*txtMeasure,
                 {[this](int& KeyAscii) { txtMeasure_KeyPress(KeyAscii); }, [this] { showBox(); },
                  [this](bool forward) { return focusNextPrevChild(forward); }, pasteWhole});
    // Installed last, so it sees keys first: its point then meets the key filter as typed.
    platform::typePointForComma(*txtMeasure);
    chooseUnitsByKeys(optMeasureType);
}

void frmMain::createMenus()
{
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName("mnuFile");
    mnuFilePrint = mnuFile->addAction(tr("&Print"));
    mnuFilePrint->setObjectName("mnuFilePrint");
    mnuFilePrint->setEnabled(false);
    mnuFileSep1 = mnuFile->addSeparator();
    mnuFileSep1->setObjectName("mnuFileSep1");
    mnuFileExit = mnuFile->addAction(tr("E&xit"));
    mnuFileExit->setObjectName("mnuFileExit");

    mnuPattern = new PatternMenu(this, *picPattern, *redraws_, [this] { return selectedUnit(); });
    menuBar()->addMenu(mnuPattern);

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName("mnuHelp");
    mnuHelpContent = mnuHelp->addAction(tr("&Content"));
    mnuHelpContent->setObjectName("mnuHelpContent");
    mnuHelpSep1 = mnuHelp->addSeparator();
    mnuHelpSep1->setObjectName("mnuHelpSep1");
    mnuHelpAbout = mnuHelp->addAction(tr("&About"));
    mnuHelpAbout->setObjectName("mnuHelpAbout");

    connect(mnuFilePrint, &QAction::triggered, this, &frmMain::mnuFilePrint_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(mnuHelpContent, &QAction::triggered, this, &frmMain::mnuHelpContent_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
}

void frmMain::Form_Load()
{
    // In the system's own notation, as the messages that name the guide show it.
    const std::string folder =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    const std::string guide =
        help::helpFilePath(folder, platform::interfaceLanguage().toStdString());
    platform::setHelpFilePath(QString::fromStdString(guide));
}

void frmMain::setWidth(int twips)
{
    widthTwips_ = twips;
    applyOuterSize();
}

void frmMain::setHeight(int twips)
{
    heightTwips_ = twips;
    applyOuterSize();
}

void frmMain::applyOuterSize()
{
    askedClient_ = platform::setOuterSizeTwips(*this, widthTwips_, heightTwips_) -
                   QSize(0, menuBar()->sizeHint().height());
    updateClientArea();
}

// Wherever the window is smaller than asked, by the screen or by hand, the client scrolls over
// what it holds: the controls shown, and the picture while the window is sized around it. After
// a unit is chosen the window is only as tall as the controls, and the picture below them is
// nothing to scroll to.
void frmMain::updateClientArea()
{
    QRect content;
    for (QWidget* control :
         std::initializer_list<QWidget*>{optMeasureType[0], optMeasureType[1], optMeasureType[2],
                                         cmdPrint, lblInfo, txtMeasure, lblTooLarge, lblNotice})
        if (!control->isHidden()) content |= control->geometry();
    if (pictureInView_) content |= picPattern->geometry();
    clientView_->setClientArea(QSize(content.right() + 1, content.bottom() + 1), askedClient_);
}

// The picture stands below the controls, 104 pixels down where they leave room, and the window
// is wide enough for the controls.
pattern::ControlRoom frmMain::controlRoom() const
{
    return {std::max(pattern::ControlRoom{}.pictureTop, controlsBottom() + kBelowControls),
            pattern::kMinimumWindowWidth + twipsOfPixelsX(growth_.right)};
}

// The lowest edge of the controls, the box shown.
int frmMain::controlsBottom() const
{
    return (optMeasureType[2]->geometry() | txtMeasure->geometry()).bottom() + 1;
}

std::optional<measure::Unit> frmMain::selectedUnit() const
{
    std::optional<measure::Unit> unit;
    for (int i = 0; i < 3; ++i)
        if (optMeasureType[i]->isChecked()) unit = measure::unitAt(i);
    return unit;
}

measure::Conversion frmMain::GetMeasurement() const
{
    return measure::convertMeasurement(txtMeasure->text().toStdString(), selectedUnit(),
                                       platform::twipsPerPixelX());
}

bool frmMain::DrawArc(picture::DeviceContext& hdc, std::int16_t X, std::int16_t Y,
                      std::int16_t StartAngle, std::int16_t EndAngle, std::int16_t radius)
{
    return picture::drawArc(hdc, {X, Y, StartAngle, EndAngle, radius});
}

// A text change that arrives while pending messages are processed is not drawn inside the
// running drawing: that one finishes with its own M, and the newest text is drawn right after.
void frmMain::DrawPattern()
{
    redraws_->redraw();
}

void frmMain::drawOnce()
{
    const pattern::Screen screen{platform::twipsPerPixelX(), platform::twipsPerPixelY()};
    const std::optional<measure::Unit> unit = selectedUnit();
    // Whether M can be drawn at all is known before anything changes.
    const pattern::Drawing drawing =
        pattern::prepareDrawing(GetMeasurement(), unit, screen, controlRoom());
    if (drawing.tooLarge()) {
        showTooLargeNotice();
        return;
    }
    lblTooLarge->hide();
    BaseLength_ = drawing.conversion.M;
    if (BaseLength_ == 0.0f) return;

    const pattern::PatternPlan& plan = *drawing.plan;
    picPattern->Move(plan.pictureLeft, plan.pictureTop, plan.pictureMoveWidth,
                     plan.pictureMoveHeight);
    lblScale->setGeometry(plan.labelLeft, plan.labelTop, picPattern->ScaleWidth(),
                          plan.labelHeight);
    platform::processPendingMessages();

    widthTwips_ = plan.windowWidth;
    pictureInView_ = true;
    setHeight(plan.windowHeight);

    picPattern->Cls();
    picture::drawPlan(
        plan, [&](const pattern::LineOp& l) { picPattern->Line(l.x1, l.y1, l.x2, l.y2); },
        [&](const pattern::ArcOp& op) {
            const pattern::ArcArguments& a = op.arguments;
            DrawArc(picPattern->hDC(), a.X, a.Y, a.StartAngle, a.EndAngle, a.radius);
        });
    lblScale->setText(scaleSentence(measure::unitSystemOf(*unit)));
    showWholeSentence(plan.windowHeight);
    const double drawnInches =
        drawing.conversion.pixels * screen.twipsPerPixelX / measure::kTwipsPerInch;
    picPattern->setAccessibleDescription(describePattern(
        txtMeasure->text(), *unit, drawnInches, {plan.pictureWidth, plan.pictureHeight},
        screen.twipsPerPixelX, screen.twipsPerPixelY));
    if (const QString notice = readingNotice(txtMeasure->text(), *unit, drawnInches);
        !notice.isEmpty())
        showBoxNotice(notice);
    mnuPattern->showPicture(plan);
}

// In a large font the sentence needs more than its band: it goes on below the drawing, on the
// picture's white, rather than being cut, and the window grows by what the room below the
// picture cannot hold. A picture narrower than a word of it keeps the band as it is.
void frmMain::showWholeSentence(int plannedWindowHeight)
{
    const QRect band = lblScale->geometry();
    const int wrappedWidth =
        lblScale->fontMetrics()
            .boundingRect(QRect(0, 0, band.width(), INT_MAX), Qt::TextWordWrap, lblScale->text())
            .width();
    const int needed = lblScale->heightForWidth(band.width());
    const int below = band.top() + needed - picPattern->height();
    if (wrappedWidth > band.width()) return;
    if (needed > band.height()) lblScale->resize(band.width(), needed);
    if (below <= 0) return;
    picPattern->setRoomBelow(below);
    const int beyondClient = picPattern->geometry().bottom() + 1 - askedClient_.height();
    if (beyondClient > 0)
        setHeight(plannedWindowHeight + twipsOfPixelsY(beyondClient));
    else
        updateClientArea();
}

// One whole sentence per unit, so that a translation can agree with its unit.
QString frmMain::scaleSentence(measure::UnitSystem ruler)
{
    return ruler == measure::UnitSystem::Metric
               ? tr("When printed, each division above should measure one centimeter")
               : tr("When printed, each division above should measure one inch");
}

void frmMain::showTooLargeNotice()
{
    const pattern::Screen screen{platform::twipsPerPixelX(), platform::twipsPerPixelY()};
    const QChar typedPoint = platform::commaTypesPoint() ? QLatin1Char(',') : QLatin1Char('.');
    lblTooLarge->setText(exporting::tooLargeMessage(*selectedUnit(), screen, typedPoint));
    placeUnderBox(*lblTooLarge, txtMeasure->geometry().bottom() + 2);
}

void frmMain::showBoxNotice(const QString& text)
{
    lblNotice->setText(text);
    const int top = lblTooLarge->isHidden() ? txtMeasure->geometry().bottom() + 2
                                            : lblTooLarge->geometry().bottom() + 2;
    placeUnderBox(*lblNotice, top);
    updateClientArea();
    showBox();
}

// 240 pixels wide on a screen of 96 dots per inch, as wide in inches on any other, over whatever
// lies below the box.
void frmMain::placeUnderBox(QLabel& notice, int top)
{
    const int width = pixelsOf({0, 0, 3600, 0}).width();
    notice.setGeometry(txtMeasure->geometry().left(), top, width, notice.heightForWidth(width));
    notice.show();
    notice.raise();
}

QString frmMain::promptText(bool millimeters)
{
    return millimeters ? tr("Enter the measurement in millimeters")
                       : tr("Enter the measurement in inches");
}

void frmMain::optMeasureType_Click(int Index)
{
    if (Index == 0 || Index == 1) lblInfo->setText(promptText(false));
    if (Index == 2) lblInfo->setText(promptText(true));
    pictureInView_ = false;
    // As tall as it takes to show the box below the frame and the menu bar, where that is more.
    const int above =
        frameGeometry().height() - geometry().height() + menuBar()->sizeHint().height();
    setHeight(std::max(kUnitChosenHeightTwips,
                       twipsOfPixelsY(above + controlsBottom() + kBelowControls)));
    lblInfo->setVisible(true);
    txtMeasure->setText(QString());
    txtMeasure->setVisible(true);
    txtMeasure->setFocus();
    updateClientArea();
}

// A print asked for during a drawing prints the finished picture, if printing is still on.
void frmMain::cmdPrint_Click()
{
    redraws_->afterDrawing([this] {
        if (cmdPrint->isEnabled()) PrintPattern();
    });
}

void frmMain::mnuFilePrint_Click()
{
    redraws_->afterDrawing([this] {
        if (mnuFilePrint->isEnabled()) PrintPattern();
    });
}

// Centimeters beside a pattern measured in millimeters, inches beside the inch units.
measure::UnitSystem frmMain::checkRuler() const
{
    return measure::unitSystemOf(selectedUnit().value_or(measure::Unit::InchesDecimal));
}

// The picture at natural size, 250 twips in from the printable area's corner, or in tiles when
// it is larger than the page and the user agrees. A job that did not go out is said so, unless
// the user cancelled it; nothing else changes.
void frmMain::PrintPattern()
{
    const printing::PrintOutcome outcome = extras::table().printOnDefaultPrinter(
        picPattern->Image(), platform::twipsPerPixelX(), platform::twipsPerPixelY(),
        picture::kPlacementTwips, checkRuler(),
        [this](const QString& printer) { return correctionForPrint(this, printer); },
        [this](const printing::TiledPrint& print) { return confirmTiledPrint(this, print); });
    if (!outcome.sent && !outcome.problem.isEmpty())
        platform::showWarning(this, tr("Print Pattern"), outcome.problem, "printMessage");
}

void frmMain::txtMeasure_KeyPress(int& KeyAscii)
{
    KeyAscii = measure::filterKey(KeyAscii, txtMeasure->text().toStdString(), selectedUnit());
}

// Printing and saving are on while the picture is the box's own: not while the box is empty,
// nor while the notice says its text is too large to draw, nor while the text reads as 0 (the
// picture then still shows an earlier text, or nothing). A change that arrived while the pattern
// was drawn may have emptied the box.
void frmMain::txtMeasure_Change()
{
    lblNotice->hide();
    if (!txtMeasure->text().isEmpty())
        DrawPattern();
    else
        lblTooLarge->hide();
    updateClientArea();
    showBox();
    const bool pictureIsTheBoxs =
        !txtMeasure->text().isEmpty() && lblTooLarge->isHidden() && BaseLength_ != 0.0f;
    cmdPrint->setEnabled(pictureIsTheBoxs);
    mnuFilePrint->setEnabled(pictureIsTheBoxs);
    mnuPattern->enablePictureCommands(pictureIsTheBoxs);
}

// Whatever reaches the box is seen where it lands: the view scrolls to the box, and to the
// notice under it.
void frmMain::showBox()
{
    for (QLabel* notice : {lblNotice, lblTooLarge})
        if (notice->isVisible()) clientView_->ensureWidgetVisible(notice, 0, 0);
    clientView_->ensureWidgetVisible(txtMeasure);
}

// F1 reaches the window from whichever control has the focus, none of which uses it.
void frmMain::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        redraws_->afterDrawing(
            [this] { extras::table().showHelp(this, platform::helpFilePath()); });
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// File > Exit and the close box end the program, once a drawing under way has finished.
void frmMain::closeEvent(QCloseEvent* event)
{
    if (redraws_->drawing()) {
        event->ignore();
        redraws_->afterDrawing([this] { close(); });
        return;
    }
    QMainWindow::closeEvent(event);
}

void frmMain::mnuFileExit_Click() { close(); }

// Behaves exactly like pressing F1: the key is queued and handled after this returns.
void frmMain::mnuHelpContent_Click() { platform::queueKeyPress(Qt::Key_F1, this); }

void frmMain::mnuHelpAbout_Click()
{
    redraws_->afterDrawing([this] {
        auto* about = new frmAbout(this);  // deletes itself when closed
        about->Form_Load();
        about->exec();
    });
}

}  // namespace tavrel::app
