<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
    <name>QFileDialog</name>
    <message>
        <source>None: the PDF measures true</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct &amp;for printer:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::app::CalibrationView</name>
    <message>
        <source>Drag the bar&apos;s right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in %1 and press Enter. Esc leaves without calibrating.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inches, such as 7 7/8</source>
        <translation type="unfinished"></translation>
    </message>
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
</TS>
