<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CalibrationBars</name>
    <message>
        <source>%1 mm</source>
        <extracomment>A bar&apos;s length on the calibration sheet, such as &quot;200 mm&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in</source>
        <extracomment>A bar&apos;s length on the calibration sheet, such as &quot;8 in&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>Print this sheet at 100 % (actual size), with no scaling and no &quot;fit to page&quot;. Measure each bar with a good ruler in millimetres, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern &gt; Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they measure true.</source>
        <extracomment>&quot;Pattern &gt; Calibrate Printer...&quot; is a menu command: word it as the menu does.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print this sheet at 100 % (actual size), with no scaling and no &quot;fit to page&quot;. Measure each bar with a good ruler in inches, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern &gt; Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they measure true.</source>
        <extracomment>&quot;Pattern &gt; Calibrate Printer...&quot; is a menu command: word it as the menu does.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration sheet could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrel printer calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Across: %1</source>
        <extracomment>%1 is the bar&apos;s length, such as &quot;8 in&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down: %1</source>
        <extracomment>%1 is the bar&apos;s length, such as &quot;10 in&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tavrel [--unit UNIT --measure TEXT --export FILE [--dpi N] [--paper PAPER]
              [--correction X,Y]]
       tavrel --calibration-sheet FILE.pdf [--paper PAPER] [--unit UNIT]

Without options, opens the window. With --export, draws the pattern for one measurement
into FILE and opens no window. With --calibration-sheet, writes the sheet that measures
a printer&apos;s scaling error: a bar across and a bar down, 8 in (20 cm with --unit
millimeter; the locale&apos;s unit without --unit) or as long as the paper allows.

  --unit UNIT     decimal (inches, as 2.5), fractions (inches, as &quot;2 1/2&quot;)
                  or millimeter (as 63.5)
  --measure TEXT  the measurement, read as the window&apos;s entry box reads it
  --export FILE   FILE.png: the picture at one image pixel per screen pixel, with its
                  resolution recorded; FILE.svg: vector drawing at true size;
                  FILE.pdf: pages to print at 100 %, tiled when the pattern is larger
                  than the paper; FILE.dxf: lines and arcs at true size for cutting
                  machines and CAD, in inches or millimetres as the unit
  --dpi N         the screen resolution to draw for, in dots per inch (24 to 1440;
                  default 96)
  --paper PAPER   the PDF&apos;s paper: letter, a4, a3, legal or tabloid (default: letter
                  where the locale measures in US units, otherwise a4); for copy
                  shops a2, a1, a0, arch-d (24 x 36 in) or arch-e (36 x 48 in); or
                  a roll, roll-36in, roll-24in or roll-914mm: pages of the roll&apos;s
                  width, as long as the pattern needs up to 200 in
  --correction X,Y
                  undo a printer&apos;s scaling error: the PDF&apos;s pages are enlarged by X
                  across and Y down (0.8 to 1.25, as 1.02,0.99), each the length of
                  a bar of its calibration sheet divided by the length measured
  --lang CODE     the language of the window and of these messages, as de or pt_BR
                  (default: the system&apos;s)
  -h, --help      show this help
  -v, --version   show the version

An option&apos;s value may follow as the next argument or after &apos;=&apos; (--dpi=120).
Exit status: 0 written, 1 nothing written (no measurement, too large, cannot write),
2 wrong options. An existing FILE is only ever replaced by a complete drawing.
</source>
        <extracomment>Option names, unit names and paper names stay as they are: they must be typed so.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (see tavrel --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;: use decimal, fractions or millimeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown paper &quot;%1&quot;: use letter, a4, a3, legal or tabloid; a2, a1, a0, arch-d or arch-e; or roll-36in, roll-24in or roll-914mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export needs --unit decimal, fractions or millimeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export needs --measure TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--dpi takes a whole number of dots per inch from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--paper goes with an export to FILE.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--correction takes two factors from 0.8 to 1.25, across and down, as 1.02,0.99</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--correction goes with an export to FILE.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--calibration-sheet goes only with --paper and --unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--calibration-sheet writes a FILE.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--unit, --measure, --dpi, --paper and --correction go with --export FILE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the picture could not be encoded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <extracomment>%2 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Extras</name>
    <message>
        <source>A part of Tavrel is missing or damaged (%1). Install the program again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help Not Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file could not be found or read:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file is damaged or is not a help file:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaperMenu</name>
    <message>
        <source>&amp;Letter (8.5 x 11 in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le&amp;gal (8.5 x 14 in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tabloid (11 x 17 in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arch &amp;D (24 x 36 in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arch &amp;E (36 x 48 in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Roll, 36 in wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;oll, 24 in wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll, 914 &amp;mm wide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PatternExport</name>
    <message>
        <source>Too large to draw. The largest measurement is %1 millimeters.</source>
        <extracomment>%1 is a number, such as 2312.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too large to draw. The largest measurement is %1 inches.</source>
        <extracomment>%1 is a number, such as 91.02 or 91.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to draw: &quot;%1&quot; is not a measurement above 0.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfPages</name>
    <message>
        <source>When printed, this bar should measure one centimeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When printed, this bar should measure one inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print every page at 100 % (actual size), with no scaling and no &quot;fit to page&quot;: the bar at the foot of each page must then measure one centimeter. Cut each page along the top and the left line of its frame. Then lay the pages out as in the map below, each page over its neighbours to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 1/2 inch (12.7 mm).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print every page at 100 % (actual size), with no scaling and no &quot;fit to page&quot;: the bar at the foot of each page must then measure one inch. Cut each page along the top and the left line of its frame. Then lay the pages out as in the map below, each page over its neighbours to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 1/2 inch (12.7 mm).</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Tavrel pattern on %n pages: %1 across, %2 down</source>
        <extracomment>The map&apos;s title: %n pages in all, the map included; %1 columns of pages across and %2 rows down.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Page %1 of %2: column %3 of %4, row %5 of %6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print at 100 % (actual size), no scaling.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Cannot export to &quot;%1&quot;: the file name must end in .png, .svg, .pdf or .dxf.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintCorrection</name>
    <message>
        <source>%1 across, %2 down</source>
        <extracomment>A printer&apos;s correction: the factors across and down the page.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintQuestion</name>
    <message>
        <source>The pattern does not fit the page at its usual place. It will print on one page of %1 on &quot;%2&quot;, moved in from the corner.</source>
        <extracomment>%1 is the paper, such as A4; %2 the printer.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The pattern is larger than the page. It will print whole on %n pages of %1 on &quot;%2&quot;: a map of the pages first, then the pages to tape together as the map shows.</source>
        <extracomment>%n pages in all, the map included; %1 the paper, such as A4; %2 the printer.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Print Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There is no default printer (%1). Choose one in the system&apos;s printer settings, then print again.</source>
        <extracomment>%1 is the print system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page for the printer &quot;%1&quot; could not be prepared. Nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2. Nothing was printed.</source>
        <extracomment>%1 is the printer, %2 the print system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no default printer. Choose one in the system&apos;s printer settings, then print again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started. Nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job. Nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrinterCalibration</name>
    <message>
        <source>These lengths would need a correction of %1, beyond what a printer at 100 % needs (%2 to %3). Check that the sheet was printed at 100 %, measure the bars again, and type the lengths in the unit chosen here.</source>
        <extracomment>%1 is the correction, such as &quot;1.0204 across, 0.9950 down&quot;; %2 and %3 are the least and the greatest factors, such as 0.8 and 1.25.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as SVG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as DXF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF drawing for cutters (*.dxf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None: the PDF measures true</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is a printer, %2 its correction, such as &quot;1.0204 across, 0.9950 down&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct &amp;for printer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pattern</source>
        <extracomment>The name offered for a new file, without its suffix.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::app::CalibrationView</name>
    <message>
        <source>Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the bar&apos;s length in millimetres, such as 250.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the bar&apos;s length in inches, such as 7 7/8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bar of %1 pixels cannot measure %2: screens show between %3 and %4 pixels per inch. Check the length and its unit.</source>
        <extracomment>%1 is the bar&apos;s length on the screen, %2 the length the user typed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag the bar&apos;s right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in millimetres and press Enter. Esc leaves without calibrating.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag the bar&apos;s right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in inches, such as 7 7/8 and press Enter. Esc leaves without calibrating.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::app::PrinterCalibrationDialog</name>
    <message>
        <source>Calibrate Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Store Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None: prints go out as the printer makes them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Across bar (%1) measures:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Down bar (%1) measures:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type each length in millimetres, as 198.5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type each length in inches, as 7.85 or 7 7/8.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::app::ProjectorDialog</name>
    <message>
        <source>Projector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White lines on black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black lines on white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calibrate...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;creen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lines:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line &amp;width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the scale &amp;by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pixels per inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not calibrated yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 x %3)</source>
        <extracomment>A screen: its name (width x height in pixels).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::app::frmAbout</name>
    <message>
        <source>OK</source>
        <extracomment>A small button: keep the caption short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tavrel Maker</source>
        <extracomment>&quot;Tavrel Maker&quot; is the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number, such as 1.0.0.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written by: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please send comments and suggestions <byte value="xd"/>
to </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::app::frmMain</name>
    <message>
        <source>Inches (Decimal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches (Fractions)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;NG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as &amp;DXF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Pape&amp;r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pro&amp;jector View...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When printed, each division above should measure one centimeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When printed, each division above should measure one inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too large to draw. The largest measurement is %1 millimeters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too large to draw. The largest measurement is %1 inches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the measurement in inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the measurement in millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Pattern</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::help::HelpBrowser</name>
    <message>
        <source>Page not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file has no page %1.</source>
        <extracomment>%1 is the page&apos;s address within the help file, such as &quot;printing.html&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::help::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <extracomment>The window&apos;s title: the page&apos;s title, then the help file&apos;s.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
