// The texts only the browser page shows, listed where lupdate finds them, so that
// `update_translations` keeps them in the .ts files with the window's texts and the page shows
// them in every language (scripts/web/languages.py). The page asks for each by these same words.
// Built without Qt, the marker leaves the text as it is.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#define QT_TRANSLATE_N_NOOP(context, text) text
#endif

namespace {

[[maybe_unused]] const char* const kPageTexts[] = {
    //: Under the pattern, before printing. "Actual size" and "Fit to page" are the print dialog's
    //: settings as browsers and PDF viewers name them in the language.
    QT_TRANSLATE_NOOP("WebPage", "Print at 100 % (\"Actual size\"), not \"Fit to page\", then "
                                 "check the ruler on the printout."),
    //: The caption of the list of languages.
    QT_TRANSLATE_NOOP("WebPage", "Language"),
    //: A button that installs the page as a program on the computer or phone.
    QT_TRANSLATE_NOOP("WebPage", "Install Tavrel"),
    //: Said of the page once installed: it needs no internet connection.
    QT_TRANSLATE_NOOP("WebPage", "Works offline"),
    //: A button that saves the pattern as a file.
    QT_TRANSLATE_NOOP("WebPage", "Download"),
    //: The caption of the control that enlarges the pattern on the screen.
    QT_TRANSLATE_NOOP("WebPage", "Zoom"),
    //: A button that closes the guide or a message.
    QT_TRANSLATE_NOOP("WebPage", "Close"),
    //: In Pattern > Calibrate Printer, beside "Printer:": the browser does not say which
    //: printer it prints on, so the page keeps one correction for all of it.
    QT_TRANSLATE_NOOP("WebPage", "One correction is kept, for the printer this browser prints on."),
    //: A link in Pattern > Calibrate Printer, once the sheet is made: it opens the sheet's PDF.
    QT_TRANSLATE_NOOP("WebPage", "Open the calibration sheet to print"),
    //: When the browser refuses to store anything for the page (private mode, full storage).
    QT_TRANSLATE_NOOP("WebPage", "This browser keeps no data for this page, so the correction "
                                 "could not be kept."),
    //: The name, for screen readers, of the three units the measurement is typed in.
    QT_TRANSLATE_NOOP("WebPage", "Unit"),
    //: A button that closes a question without doing what it asks.
    QT_TRANSLATE_NOOP("WebPage", "Cancel"),
    //: A link under the sentence on printing at 100 %: it opens the pattern's PDF to print.
    QT_TRANSLATE_NOOP("WebPage", "Open the pattern to print"),
    //: Before printing a pattern just too large for its usual place. %1 is the paper, such as
    //: A4.
    QT_TRANSLATE_NOOP("WebPage", "The pattern does not fit the page at its usual place. It will "
                                 "print on one page of %1, moved in from the corner."),
    //: Before printing a pattern larger than the page. %n pages in all, the diagram's page
    //: included; %1 the paper, such as A4.
    QT_TRANSLATE_N_NOOP("WebPage", "The pattern is larger than the page. It will print whole on "
                                   "%n pages of %1: first a diagram of how the pages fit "
                                   "together, then the pages to tape together."),
    //: This language's own name, as a list of languages shows it: "Deutsch" in German.
    QT_TRANSLATE_NOOP("LanguageName", "English"),
};

}  // namespace
