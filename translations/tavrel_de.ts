<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CalibrationBars</name>
    <message>
        <source>%1 mm</source>
        <extracomment>A bar&apos;s length on the calibration sheet, such as &quot;200 mm&quot;.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 in</source>
        <extracomment>A bar&apos;s length on the calibration sheet, such as &quot;8 in&quot;.</extracomment>
        <translation>%1 Zoll</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>Print this sheet at 100 % (actual size), with no scaling and no &quot;fit to page&quot;. Measure each bar with a good ruler in millimeters, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern &gt; Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they come out at their true size.</source>
        <extracomment>&quot;Pattern &gt; Calibrate Printer...&quot; is a menu command: word it as the menu does.</extracomment>
        <translation>Drucken Sie dieses Blatt mit 100 % (tatsächliche Größe), ohne Skalierung und ohne „An Seite anpassen“. Messen Sie jeden Balken mit einem guten Lineal in Millimetern, von der Mitte der einen Endmarkierung bis zur Mitte der anderen. Wählen Sie in Tavrel Schnittmuster &gt; Drucker kalibrieren... und geben Sie die beiden gemessenen Längen ein: Spätere Ausdrucke auf diesem Drucker werden dann so korrigiert, dass sie maßgenau sind.</translation>
    </message>
    <message>
        <source>Print this sheet at 100 % (actual size), with no scaling and no &quot;fit to page&quot;. Measure each bar with a good ruler in inches, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern &gt; Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they come out at their true size.</source>
        <extracomment>&quot;Pattern &gt; Calibrate Printer...&quot; is a menu command: word it as the menu does.</extracomment>
        <translation>Drucken Sie dieses Blatt mit 100 % (tatsächliche Größe), ohne Skalierung und ohne „An Seite anpassen“. Messen Sie jeden Balken mit einem guten Lineal in Zoll, von der Mitte der einen Endmarkierung bis zur Mitte der anderen. Wählen Sie in Tavrel Schnittmuster &gt; Drucker kalibrieren... und geben Sie die beiden gemessenen Längen ein: Spätere Ausdrucke auf diesem Drucker werden dann so korrigiert, dass sie maßgenau sind.</translation>
    </message>
    <message>
        <source>The calibration sheet could not be made.</source>
        <translation>Das Testblatt konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Tavrel printer calibration</source>
        <translation>Tavrel-Druckerkalibrierung</translation>
    </message>
    <message>
        <source>Across: %1</source>
        <extracomment>%1 is the bar&apos;s length, such as &quot;8 in&quot;.</extracomment>
        <translation>Waagerecht: %1</translation>
    </message>
    <message>
        <source>Down: %1</source>
        <extracomment>%1 is the bar&apos;s length, such as &quot;10 in&quot;.</extracomment>
        <translation>Senkrecht: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 (see tavrel --help)</source>
        <translation>%1 (siehe tavrel --help)</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;: use decimal, fractions or millimeter</source>
        <translation>unbekannte Einheit &quot;%1&quot;: möglich sind decimal, fractions oder millimeter</translation>
    </message>
    <message>
        <source>unknown paper &quot;%1&quot;: use %2; %3; or %4</source>
        <extracomment>%2, %3 and %4 are the names of the office papers, the copy-shop papers and the rolls.</extracomment>
        <translation>unbekanntes Papierformat &quot;%1&quot;: möglich sind %2; %3; oder %4</translation>
    </message>
    <message>
        <source>--export needs --unit decimal, fractions or millimeter</source>
        <translation>--export braucht --unit decimal, fractions oder millimeter</translation>
    </message>
    <message>
        <source>--export needs --measure TEXT</source>
        <translation>--export braucht --measure TEXT</translation>
    </message>
    <message>
        <source>--dpi takes a whole number of dots per inch from %1 to %2</source>
        <translation>--dpi erwartet eine ganze Zahl von Punkten pro Zoll von %1 bis %2</translation>
    </message>
    <message>
        <source>--paper goes with an export to FILE.pdf</source>
        <translation>--paper gilt nur für einen Export in eine DATEI.pdf</translation>
    </message>
    <message>
        <source>--correction takes two factors from 0.8 to 1.25, across and down, as 1.02,0.99</source>
        <translation>--correction erwartet zwei Faktoren mit Dezimalpunkt von 0.8 bis 1.25, waagerecht und senkrecht, z. B. 1.02,0.99</translation>
    </message>
    <message>
        <source>--correction goes with an export to FILE.pdf</source>
        <translation>--correction gilt nur für einen Export in eine DATEI.pdf</translation>
    </message>
    <message>
        <source>--calibration-sheet goes only with --paper and --unit</source>
        <translation>--calibration-sheet lässt sich nur mit --paper und --unit kombinieren</translation>
    </message>
    <message>
        <source>--calibration-sheet writes a FILE.pdf</source>
        <translation>--calibration-sheet schreibt eine DATEI.pdf</translation>
    </message>
    <message>
        <source>--unit, --measure, --dpi, --paper and --correction go with --export FILE</source>
        <translation>--unit, --measure, --dpi, --paper und --correction gelten nur zusammen mit --export DATEI</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in decimal inches: use 2.5 for decimal inches or --unit fractions for 2 1/2</source>
        <translation>--measure &quot;%1&quot; ist kein Maß in Zoll (dezimal): für Dezimalzoll 2.5 angeben, für 2 1/2 --unit fractions</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in millimeters: use digits with one point at most, as 63.5</source>
        <translation>--measure &quot;%1&quot; ist kein Maß in Millimetern: Ziffern mit höchstens einem Punkt angeben, etwa 63.5</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two of a list of paper names, as &quot;legal or tabloid&quot;.</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>(%1 x %2 in)</source>
        <extracomment>A paper&apos;s size in inches, as &quot;(24 x 36 in)&quot;.</extracomment>
        <translation>(%1 x %2 Zoll)</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is unclear: a comma before three digits may group thousands. Write decimals with a point and thousands without a separator</source>
        <translation>--measure &quot;%1&quot; ist mehrdeutig: Ein Komma vor drei Ziffern kann Tausender trennen. Dezimalstellen mit Punkt und Tausender ohne Trennzeichen schreiben</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in inches with fractions: use a whole number, a fraction, or both with one space between, as 2, 1/2 or 2 1/2</source>
        <translation>--measure &quot;%1&quot; ist kein Maß in Zoll mit Brüchen: eine ganze Zahl, einen Bruch oder beides mit einem Leerzeichen dazwischen angeben, etwa 2, 1/2 oder 2 1/2</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has decimals, which --unit fractions rounds away to whole inches: use --unit decimal for %1</source>
        <translation>--measure &quot;%1&quot; hat Dezimalstellen, die --unit fractions auf ganze Zoll rundet: für %1 --unit decimal angeben</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has decimals in its whole inches, which --unit fractions rounds away: write them in the fraction, as 2 1/2, or use --unit decimal</source>
        <translation>--measure &quot;%1&quot; hat Dezimalstellen in den ganzen Zoll, die --unit fractions wegrundet: sie im Bruch schreiben, etwa 2 1/2, oder --unit decimal angeben</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has a fraction over 0: write a number above 0 after the slash, as 2 1/2</source>
        <translation>--measure &quot;%1&quot; hat einen Bruch mit 0 im Nenner: nach dem Schrägstrich eine Zahl über 0 schreiben, etwa 2 1/2</translation>
    </message>
    <message>
        <source>--export FILE ends in a dot: end it in .png, .svg, .pdf or .dxf</source>
        <translation>--export DATEI endet auf einen Punkt: lassen Sie sie auf .png, .svg, .pdf oder .dxf enden</translation>
    </message>
    <message>
        <source>Usage: tavrel [--unit UNIT --measure TEXT --export FILE [--dpi N]
              [--paper PAPER] [--correction X,Y]]
       tavrel --calibration-sheet FILE.pdf [--paper PAPER] [--unit UNIT]

Without options, opens the window. With --export, draws the pattern for one
measurement into FILE and opens no window. With --calibration-sheet, writes
the sheet that measures a printer&apos;s scaling error: a bar across and a bar
down, 8 in (20 cm with --unit millimeter; the locale&apos;s unit without --unit)
or as long as the paper allows.

  --unit UNIT     decimal (inches, as 2.5), fractions (inches, as &quot;2 1/2&quot;)
                  or millimeter (as 63.5)
  --measure TEXT  the measurement, read as the window&apos;s entry box reads it
  --export FILE   FILE.png: the picture at one image pixel per screen pixel,
                  with its resolution recorded; FILE.svg: vector drawing at
                  true size; FILE.pdf: pages to print at 100 %, tiled when
                  the pattern is larger than the paper; FILE.dxf: lines and
                  arcs at true size for cutting machines and CAD, in inches
                  or millimeters as the unit
  --dpi N         the screen resolution to draw for, in dots per inch
                  (24 to 1440; default 96)
  --paper PAPER   the PDF&apos;s paper: %1
                  (default: letter where the locale measures in US units,
                  otherwise a4); for copy shops
                  %2;
                  or a roll, %3: pages of
                  the roll&apos;s width, as long as the pattern needs up to 200 in
  --correction X,Y
                  undo a printer&apos;s scaling error: the PDF&apos;s pages are enlarged
                  by X across and Y down (0.8 to 1.25, as 1.02,0.99), each the
                  length of a bar of its calibration sheet divided by the
                  length measured
  --lang CODE     the language of the window and of these messages, as de or
                  pt_BR (default: the system&apos;s)
  -h, --help      show this help
  -v, --version   show the version

An option&apos;s value may follow as the next argument or after &apos;=&apos; (--dpi=120).
Exit status: 0 written, 1 nothing written (no measurement, too large, cannot
write), 2 wrong options. An existing FILE is only ever replaced by a complete
drawing.
</source>
        <extracomment>Option names, unit names and paper names stay as they are: they must be typed so. %1, %2 and %3 are the names of the office papers, the copy-shop papers and the rolls.</extracomment>
        <translation>Aufruf: tavrel [--unit EINHEIT --measure TEXT --export DATEI [--dpi N]
               [--paper PAPIER] [--correction X,Y]]
        tavrel --calibration-sheet DATEI.pdf [--paper PAPIER] [--unit EINHEIT]

Ohne Optionen öffnet sich das Fenster. Mit --export wird das Schnittmuster
für ein Maß in DATEI gezeichnet, ohne ein Fenster zu öffnen. Mit
--calibration-sheet wird das Testblatt geschrieben, mit dem sich der
Skalierungsfehler eines Druckers messen lässt: ein waagerechter und ein
senkrechter Balken, je 8 Zoll lang (20 cm mit --unit millimeter; ohne --unit
in der Einheit der Regionseinstellungen) oder so lang, wie das Papier es
erlaubt.

  --unit EINHEIT  decimal (Zoll, z. B. 2.5), fractions (Zoll, z. B. &quot;2 1/2&quot;)
                  oder millimeter (z. B. 63.5)
  --measure TEXT  das Maß, gelesen wie im Eingabefeld des Fensters
  --export DATEI  DATEI.png: das Bild mit einem Bildpixel je Bildschirmpixel,
                  mit eingetragener Auflösung; DATEI.svg: Vektorzeichnung in
                  Originalgröße; DATEI.pdf: Seiten zum Drucken mit 100 %, auf
                  mehrere Seiten verteilt, wenn das Schnittmuster größer als
                  das Papier ist; DATEI.dxf: Linien und Bögen in Originalgröße
                  für Schneideplotter und CAD, in Zoll oder Millimetern je nach
                  Einheit
  --dpi N         die Bildschirmauflösung, für die gezeichnet wird, in Punkten
                  pro Zoll (24 bis 1440; Standard: 96)
  --paper PAPIER  das Papierformat des PDFs: %1
                  (Standard: letter, wo die Regionseinstellungen US-Einheiten
                  verwenden, sonst a4); für Copyshops
                  %2;
                  oder eine Rolle, %3: Seiten
                  in der Breite der Rolle, so lang wie das Schnittmuster, bis
                  zu 200 Zoll
  --correction X,Y
                  gleicht den Skalierungsfehler eines Druckers aus: Die Seiten
                  des PDFs werden waagerecht um den Faktor X und senkrecht um
                  den Faktor Y vergrößert (0.8 bis 1.25, z. B. 1.02,0.99),
                  jeweils die Länge eines Balkens seines Testblatts geteilt
                  durch die gemessene Länge
  --lang CODE     die Sprache des Fensters und dieser Meldungen, z. B. de oder
                  pt_BR (Standard: die des Systems)
  -h, --help      diese Hilfe anzeigen
  -v, --version   die Version anzeigen

Der Wert einer Option kann als nächstes Argument oder nach &apos;=&apos; folgen
(--dpi=120). Exit-Status: 0 geschrieben, 1 nichts geschrieben (kein Maß, zu
groß, Schreiben nicht möglich), 2 falsche Optionen. Eine vorhandene DATEI wird
nur durch eine vollständige Zeichnung ersetzt.
</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Pattern Maker</source>
        <translation>Schnittmuster-Generator</translation>
    </message>
    <message>
        <source>Draft a full-size cutting pattern from one measurement and print it at true scale</source>
        <translation>Ein Schnittmuster in Originalgröße aus einem einzigen Maß zeichnen und maßstabsgetreu drucken</translation>
    </message>
    <message>
        <source>sewing;pattern;craft;template;print;true scale;</source>
        <extracomment>Words a sewist types into the desktop&apos;s search to find the program, each followed by a semicolon.</extracomment>
        <translation>Nähen;Schnittmuster;Basteln;Schablone;Drucken;Originalgröße;maßstabsgetreu;</translation>
    </message>
</context>
<context>
    <name>DocumentTitles</name>
    <message>
        <source>Tavrel pattern</source>
        <extracomment>A document&apos;s title and a print job&apos;s name.</extracomment>
        <translation>Tavrel-Schnittmuster</translation>
    </message>
    <message>
        <source>A flat cutting pattern at true size, in millimeters.</source>
        <translation>Ein flaches Schnittmuster in Originalgröße, in Millimetern.</translation>
    </message>
    <message>
        <source>Tavrel printer calibration</source>
        <extracomment>A document&apos;s title and a print job&apos;s name.</extracomment>
        <translation>Tavrel-Druckerkalibrierung</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the picture could not be encoded.</source>
        <translation>„%1“ kann nicht geschrieben werden: Das Bild konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <extracomment>%2 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>„%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a disk or a socket, not a file.</source>
        <translation>„%1“ kann nicht geschrieben werden: Es ist ein Gerät oder ein Socket, keine Datei.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: no program is reading from this pipe.</source>
        <translation>„%1“ kann nicht geschrieben werden: Kein Programm liest aus dieser Pipe.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: its folder &quot;%2&quot; does not let you add files, and the new file is written there before it replaces the old one.</source>
        <extracomment>%2 is the folder of the file %1.</extracomment>
        <translation>„%1“ kann nicht geschrieben werden: In seinem Ordner „%2“ dürfen Sie keine Dateien anlegen, und die neue Datei wird dort geschrieben, bevor sie die alte ersetzt.</translation>
    </message>
</context>
<context>
    <name>Extras</name>
    <message>
        <source>A part of Tavrel is missing or damaged (%1). Install the program again.</source>
        <translation>Ein Teil von Tavrel fehlt oder ist beschädigt (%1). Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>%1 is not the module built with this program</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 ist nicht das mit diesem Programm erstellte Modul</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 ist keine Datei</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help Not Available</source>
        <translation>Hilfe nicht verfügbar</translation>
    </message>
    <message>
        <source>The help file could not be found or read:
%1</source>
        <translation>Die Hilfedatei wurde nicht gefunden oder konnte nicht gelesen werden:
%1</translation>
    </message>
    <message>
        <source>The help file is damaged or is not a help file:
%1</source>
        <translation>Die Hilfedatei ist beschädigt oder keine Hilfedatei:
%1</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>English</source>
        <extracomment>This language&apos;s own name, as a list of languages shows it: &quot;Deutsch&quot; in German.</extracomment>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Full-size cutting patterns from one measurement</source>
        <translation>Schnittmuster in Originalgröße aus einem einzigen Maß</translation>
    </message>
    <message>
        <source>Tavrel drafts a flat cutting pattern from a single measurement and prints it at its real size, ready to pin to fabric or trace onto cardstock.</source>
        <translation>Tavrel zeichnet aus einem einzigen Maß ein flaches Schnittmuster und druckt es in Originalgröße, bereit zum Feststecken auf dem Stoff oder zum Übertragen auf Karton.</translation>
    </message>
    <message>
        <source>Choose inches as decimals, inches with fractions such as 2 1/2, or millimeters, type the measurement, and the pattern follows every keystroke. A ruler under the pattern tells what one division must measure on paper, so you can check that the printout came out at 100 %. Patterns can also be saved as PDF, SVG, PNG or DXF files.</source>
        <translation>Wählen Sie Zoll als Dezimalzahl, Zoll mit Brüchen wie 2 1/2 oder Millimeter, geben Sie das Maß ein, und das Schnittmuster folgt jedem Tastendruck. Ein Lineal unter dem Schnittmuster zeigt, wie lang ein Abschnitt auf dem Papier sein muss, damit Sie prüfen können, ob der Ausdruck mit 100 % gedruckt wurde. Schnittmuster lassen sich auch als PDF-, SVG-, PNG- oder DXF-Datei speichern.</translation>
    </message>
    <message>
        <source>A pattern for 2 1/2 inches with its check ruler</source>
        <translation>Ein Schnittmuster für 2 1/2 Zoll mit seinem Kontrolllineal</translation>
    </message>
</context>
<context>
    <name>PaperMenu</name>
    <message>
        <source>&amp;Letter (8.5 x 11 in)</source>
        <translation>&amp;Letter (8,5 x 11 Zoll)</translation>
    </message>
    <message>
        <source>A&amp;4</source>
        <translatorcomment>same</translatorcomment>
        <translation>A&amp;4</translation>
    </message>
    <message>
        <source>A&amp;3</source>
        <translatorcomment>same</translatorcomment>
        <translation>A&amp;3</translation>
    </message>
    <message>
        <source>Le&amp;gal (8.5 x 14 in)</source>
        <translation>Le&amp;gal (8,5 x 14 Zoll)</translation>
    </message>
    <message>
        <source>&amp;Tabloid (11 x 17 in)</source>
        <translation>&amp;Tabloid (11 x 17 Zoll)</translation>
    </message>
    <message>
        <source>A&amp;2</source>
        <translatorcomment>same</translatorcomment>
        <translation>A&amp;2</translation>
    </message>
    <message>
        <source>A&amp;1</source>
        <translatorcomment>same</translatorcomment>
        <translation>A&amp;1</translation>
    </message>
    <message>
        <source>A&amp;0</source>
        <translatorcomment>same</translatorcomment>
        <translation>A&amp;0</translation>
    </message>
    <message>
        <source>Arch &amp;D (24 x 36 in)</source>
        <translation>Arch &amp;D (24 x 36 Zoll)</translation>
    </message>
    <message>
        <source>Arch &amp;E (36 x 48 in)</source>
        <translation>Arch &amp;E (36 x 48 Zoll)</translation>
    </message>
    <message>
        <source>&amp;Roll, 36 in wide</source>
        <translation>&amp;Rolle, 36 Zoll breit</translation>
    </message>
    <message>
        <source>R&amp;oll, 24 in wide</source>
        <translation>R&amp;olle, 24 Zoll breit</translation>
    </message>
    <message>
        <source>Roll, 914 &amp;mm wide</source>
        <translation>Rolle, 914 &amp;mm breit</translation>
    </message>
</context>
<context>
    <name>PatternDescription</name>
    <message>
        <source>Pattern for %1 millimeters, %2 by %3 millimeters when printed</source>
        <translation>Schnittmuster für %1 Millimeter, im Ausdruck %2 mal %3 Millimeter groß</translation>
    </message>
    <message>
        <source>Pattern for %1 inches, %2 by %3 inches when printed</source>
        <translation>Schnittmuster für %1 Zoll, im Ausdruck %2 mal %3 Zoll groß</translation>
    </message>
</context>
<context>
    <name>PatternExport</name>
    <message>
        <source>Too large to draw. The largest measurement is %1 millimeters.</source>
        <extracomment>%1 is a number, such as 2312.</extracomment>
        <translation>Zu groß zum Zeichnen. Das größte mögliche Maß beträgt %1 Millimeter.</translation>
    </message>
    <message>
        <source>Too large to draw. The largest measurement is %1 inches.</source>
        <extracomment>%1 is a number, such as 91.02 or 91.</extracomment>
        <translation>Zu groß zum Zeichnen. Das größte mögliche Maß beträgt %1 Zoll.</translation>
    </message>
    <message>
        <source>Nothing to draw: &quot;%1&quot; is not a measurement above 0.</source>
        <translation>Nichts zu zeichnen: „%1“ ist kein Maß größer als 0.</translation>
    </message>
</context>
<context>
    <name>PdfPages</name>
    <message>
        <source>When printed, this bar should measure one centimeter</source>
        <translation>Im Ausdruck sollte dieser Balken genau einen Zentimeter lang sein</translation>
    </message>
    <message>
        <source>When printed, this bar should measure one inch</source>
        <translation>Im Ausdruck sollte dieser Balken genau einen Zoll lang sein</translation>
    </message>
    <message>
        <source>Print every page at 100 % (actual size), with no scaling and no &quot;fit to page&quot;: the bar at the foot of each page must then measure one centimeter. Cut each page along the top and the left line of its frame. Then lay the pages out as in the diagram below, each page over its neighbors to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 12.7 mm (1/2 inch).</source>
        <translation>Drucken Sie jede Seite mit 100 % (tatsächliche Größe), ohne Skalierung und ohne „An Seite anpassen“: Der Balken unten auf jeder Seite muss dann genau einen Zentimeter lang sein. Schneiden Sie jede Seite entlang der oberen und der linken Linie ihres Rahmens zu. Legen Sie die Seiten dann wie im Seitenplan unten aus, jede Seite über ihre Nachbarseiten links und oben, mit den Schnittkanten auf deren gestrichelten Linien, sodass die beiden Hälften jedes eingekreisten Kreuzes zusammentreffen. Kleben Sie die Seiten zusammen. Die Seiten überlappen sich um 12,7 mm (1/2 Zoll).</translation>
    </message>
    <message>
        <source>Print every page at 100 % (actual size), with no scaling and no &quot;fit to page&quot;: the bar at the foot of each page must then measure one inch. Cut each page along the top and the left line of its frame. Then lay the pages out as in the diagram below, each page over its neighbors to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 1/2 inch (12.7 mm).</source>
        <translation>Drucken Sie jede Seite mit 100 % (tatsächliche Größe), ohne Skalierung und ohne „An Seite anpassen“: Der Balken unten auf jeder Seite muss dann genau einen Zoll lang sein. Schneiden Sie jede Seite entlang der oberen und der linken Linie ihres Rahmens zu. Legen Sie die Seiten dann wie im Seitenplan unten aus, jede Seite über ihre Nachbarseiten links und oben, mit den Schnittkanten auf deren gestrichelten Linien, sodass die beiden Hälften jedes eingekreisten Kreuzes zusammentreffen. Kleben Sie die Seiten zusammen. Die Seiten überlappen sich um 1/2 Zoll (12,7 mm).</translation>
    </message>
    <message numerus="yes">
        <source>Tavrel pattern on %n pages: %1 across, %2 down</source>
        <extracomment>The map&apos;s title: %n pages in all, the map included; %1 columns of pages across and %2 rows down.</extracomment>
        <translation>
            <numerusform>Tavrel-Schnittmuster auf %n Seite: %1 nebeneinander, %2 untereinander</numerusform>
            <numerusform>Tavrel-Schnittmuster auf %n Seiten: %1 nebeneinander, %2 untereinander</numerusform>
        </translation>
    </message>
    <message>
        <source>Page %1 of %2: column %3 of %4, row %5 of %6.</source>
        <translation>Seite %1 von %2: Spalte %3 von %4, Zeile %5 von %6.</translation>
    </message>
    <message>
        <source>Print at 100 % (actual size), no scaling.</source>
        <translation>Mit 100 % drucken (tatsächliche Größe), ohne Skalierung.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Cannot export to &quot;%1&quot;: the file name must end in .png, .svg, .pdf or .dxf.</source>
        <translation>Export nach „%1“ nicht möglich: Der Dateiname muss auf .png, .svg, .pdf oder .dxf enden.</translation>
    </message>
    <message>
        <source>Too small to draw. At this measurement the pattern is less than one pixel high.</source>
        <translation>Zu klein zum Zeichnen. Bei diesem Maß ist das Schnittmuster weniger als ein Pixel hoch.</translation>
    </message>
</context>
<context>
    <name>PrintCorrection</name>
    <message>
        <source>%1 % across, %2 % down</source>
        <extracomment>A printer&apos;s correction: the scale its prints are made at, across and down the page, where 100 % changes nothing.</extracomment>
        <translation>%1 % waagerecht, %2 % senkrecht</translation>
    </message>
</context>
<context>
    <name>PrintQuestion</name>
    <message>
        <source>The pattern does not fit the page at its usual place. It will print on one page of %1 on &quot;%2&quot;, moved in from the corner.</source>
        <extracomment>%1 is the paper, such as A4; %2 the printer.</extracomment>
        <translation>Das Schnittmuster passt an seiner üblichen Stelle nicht auf die Seite. Es wird auf einer Seite im Format %1 auf „%2“ gedruckt, von der Ecke etwas nach innen versetzt.</translation>
    </message>
    <message numerus="yes">
        <source>The pattern is larger than the page. It will print whole on %n pages of %1 on &quot;%2&quot;: first a diagram of how the pages fit together, then the pages to tape together.</source>
        <extracomment>%n pages in all, the diagram&apos;s page included; %1 the paper, such as A4; %2 the printer.</extracomment>
        <translation>
            <numerusform>Das Schnittmuster ist größer als die Seite. Es wird vollständig auf %n Seite im Format %1 auf „%2“ gedruckt: zuerst ein Seitenplan, dann die Seiten, die Sie wie im Plan gezeigt zusammenkleben.</numerusform>
            <numerusform>Das Schnittmuster ist größer als die Seite. Es wird vollständig auf %n Seiten im Format %1 auf „%2“ gedruckt: zuerst ein Seitenplan, dann die Seiten, die Sie wie im Plan gezeigt zusammenkleben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Pattern</source>
        <translation>Schnittmuster drucken</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>The correction kept for the printer &quot;%1&quot; is damaged, so it is ignored: the pattern prints as the printer makes it. Calibrate the printer again to correct its prints.</source>
        <extracomment>%1 is the printer.</extracomment>
        <translation>Die für den Drucker „%1“ gespeicherte Korrektur ist beschädigt und wird ignoriert: Das Schnittmuster wird ohne Korrektur gedruckt. Kalibrieren Sie den Drucker erneut, um seine Ausdrucke zu korrigieren.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There is no default printer (%1). Choose one in the system&apos;s printer settings, then print again.</source>
        <extracomment>%1 is the print system&apos;s reason.</extracomment>
        <translation>Es ist kein Standarddrucker eingerichtet (%1). Wählen Sie in den Druckereinstellungen des Systems einen aus und drucken Sie dann erneut.</translation>
    </message>
    <message>
        <source>The page for the printer &quot;%1&quot; could not be prepared. Nothing was printed.</source>
        <translation>Die Seite für den Drucker „%1“ konnte nicht vorbereitet werden. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2. Nothing was printed.</source>
        <extracomment>%1 is the printer, %2 the print system&apos;s reason.</extracomment>
        <translation>Der Drucker „%1“ hat den Auftrag nicht angenommen: %2. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>There is no default printer. Choose one in the system&apos;s printer settings, then print again.</source>
        <translation>Es ist kein Standarddrucker eingerichtet. Wählen Sie in den Druckereinstellungen des Systems einen aus und drucken Sie dann erneut.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started. Nothing was printed.</source>
        <translation>Der Druck auf „%1“ konnte nicht gestartet werden. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job. Nothing was printed.</source>
        <translation>Der Drucker „%1“ hat den Auftrag nicht angenommen. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Printing is not available on this system: no print service is running.</source>
        <translation>Drucken ist auf diesem System nicht möglich: Es läuft kein Druckdienst.</translation>
    </message>
</context>
<context>
    <name>PrinterCalibration</name>
    <message>
        <source>These lengths would need a correction of %1, beyond what a printer at 100 % needs (%2 % to %3 %). Check that the sheet was printed at 100 %, measure the bars again, and type the lengths in the unit chosen here.</source>
        <extracomment>%1 is the correction, such as &quot;130 % across, 99.5 % down&quot;; %2 and %3 are the least and the greatest percentages, 80 and 125.</extracomment>
        <translation>Diese Längen würden eine Korrektur von %1 erfordern, mehr als ein Drucker bei 100 % braucht (%2 % bis %3 %). Prüfen Sie, ob das Testblatt mit 100 % gedruckt wurde, messen Sie die Balken erneut und geben Sie die Längen in der hier gewählten Einheit ein.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>there is no display to open the window on. To export a pattern to a file instead: tavrel --unit fractions --measure &quot;2 1/2&quot; --export pattern.png (see tavrel --help)</source>
        <extracomment>The command stays as it is: it must be typed so.</extracomment>
        <translation>es gibt keine Anzeige, auf der sich das Fenster öffnen ließe. Um stattdessen ein Schnittmuster in eine Datei zu exportieren: tavrel --unit fractions --measure &quot;2 1/2&quot; --export pattern.png (siehe tavrel --help)</translation>
    </message>
</context>
<context>
    <name>ReadingNotice</name>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3; choose %4 for %1</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 and %4 the units&apos; captions.</extracomment>
        <translation>
            <numerusform>In %3 wird %1 als %2 Zoll gezeichnet; für %1 %4 wählen</numerusform>
            <numerusform>In %3 wird %1 als %2 Zoll gezeichnet; für %1 %4 wählen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3, whose whole inches are rounded</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>In %3 wird %1 als %2 Zoll gezeichnet, da dort die ganzen Zoll gerundet werden</numerusform>
            <numerusform>In %3 wird %1 als %2 Zoll gezeichnet, da dort die ganzen Zoll gerundet werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3: a fraction over 0 counts as none</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>In %3 wird %1 als %2 Zoll gezeichnet: Ein Bruch mit 0 im Nenner zählt nicht</numerusform>
            <numerusform>In %3 wird %1 als %2 Zoll gezeichnet: Ein Bruch mit 0 im Nenner zählt nicht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3; type a whole number, a space and a fraction, as 2 1/2</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>In %3 wird %1 als %2 Zoll gezeichnet; eine ganze Zahl, ein Leerzeichen und einen Bruch eingeben, etwa 2 1/2</numerusform>
            <numerusform>In %3 wird %1 als %2 Zoll gezeichnet; eine ganze Zahl, ein Leerzeichen und einen Bruch eingeben, etwa 2 1/2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>geschütztes Leerzeichen</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <source>point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>Schrägstrich</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>character U+%1</source>
        <translation>U+%1</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes no %1.</source>
        <translation>Nichts eingefügt: Das Feld nimmt das Zeichen %1 nicht an.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes no %1.</source>
        <translation>Nichts abgelegt: Das Feld nimmt das Zeichen %1 nicht an.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes only one %1.</source>
        <translation>Nichts eingefügt: Das Feld nimmt das Zeichen %1 nur einmal an.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes only one %1.</source>
        <translation>Nichts abgelegt: Das Feld nimmt das Zeichen %1 nur einmal an.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes no %1 at the start.</source>
        <translation>Nichts eingefügt: Das Feld nimmt das Zeichen %1 nicht am Anfang an.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes no %1 at the start.</source>
        <translation>Nichts abgelegt: Das Feld nimmt das Zeichen %1 nicht am Anfang an.</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Save as SVG</source>
        <translation>Als SVG speichern</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Als PNG speichern</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Save as DXF</source>
        <translation>Als DXF speichern</translation>
    </message>
    <message>
        <source>DXF drawing for cutters (*.dxf)</source>
        <translation>DXF-Zeichnung für Schneideplotter (*.dxf)</translation>
    </message>
    <message>
        <source>None: the pattern at its true size</source>
        <translation>Keine: Das PDF ist maßgenau</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is a printer, %2 its correction, such as &quot;102 % across, 99.5 % down&quot;.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Correct &amp;for printer:</source>
        <translation>Korrektur für &amp;Drucker:</translation>
    </message>
    <message>
        <source>pattern</source>
        <extracomment>The name offered for a new file, without its suffix.</extracomment>
        <translation>Schnittmuster</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Tavrel could not write its settings file %1, so this change holds only until Tavrel closes. Check that its folder can be written to and that the disk is not full.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Tavrel konnte seine Einstellungsdatei %1 nicht schreiben, daher gilt diese Änderung nur, bis Tavrel beendet wird. Prüfen Sie, ob ihr Ordner beschreibbar ist und der Datenträger nicht voll ist.</translation>
    </message>
    <message>
        <source>Tavrel&apos;s settings file %1 is damaged. The settings that could be read are kept; the rest could not be copied aside and goes with the next change.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Die Einstellungsdatei %1 von Tavrel ist beschädigt. Die lesbaren Einstellungen bleiben erhalten; der Rest konnte nicht beiseitegelegt werden und geht mit der nächsten Änderung verloren.</translation>
    </message>
    <message>
        <source>Tavrel&apos;s settings file %1 is damaged. The settings that could be read are kept; the file as it was is set aside as %2.</source>
        <extracomment>%1 is the settings file, %2 the copy of it as it was.</extracomment>
        <translation>Die Einstellungsdatei %1 von Tavrel ist beschädigt. Die lesbaren Einstellungen bleiben erhalten; die Datei, wie sie war, ist als %2 beiseitegelegt.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Print at 100 % (&quot;Actual size&quot;), not &quot;Fit to page&quot;, then check the ruler on the printout.</source>
        <extracomment>Under the pattern, before printing. &quot;Actual size&quot; and &quot;Fit to page&quot; are the print dialog&apos;s settings as browsers and PDF viewers name them in the language.</extracomment>
        <translation>Drucken Sie mit 100 % („Tatsächliche Größe“), nicht mit „An Seite anpassen“, und prüfen Sie dann das Kontrolllineal auf dem Ausdruck.</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The caption of the list of languages.</extracomment>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Install Tavrel</source>
        <extracomment>A button that installs the page as a program on the computer or phone.</extracomment>
        <translation>Tavrel installieren</translation>
    </message>
    <message>
        <source>Works offline</source>
        <extracomment>Said of the page once installed: it needs no internet connection.</extracomment>
        <translation>Funktioniert offline</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>A button that saves the pattern as a file.</extracomment>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>The caption of the control that enlarges the pattern on the screen.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button that closes the guide or a message.</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>One correction is kept, for the printer this browser prints on.</source>
        <extracomment>In Pattern &gt; Calibrate Printer, beside &quot;Printer:&quot;: the browser does not say which printer it prints on, so the page keeps one correction for all of it.</extracomment>
        <translation>Gespeichert wird eine einzige Korrektur: für den Drucker, auf dem dieser Browser druckt.</translation>
    </message>
    <message>
        <source>Open the calibration sheet to print</source>
        <extracomment>A link in Pattern &gt; Calibrate Printer, once the sheet is made: it opens the sheet&apos;s PDF.</extracomment>
        <translation>Testblatt zum Drucken öffnen</translation>
    </message>
    <message>
        <source>This browser keeps no data for this page, so the correction could not be kept.</source>
        <extracomment>When the browser refuses to store anything for the page (private mode, full storage).</extracomment>
        <translation>Dieser Browser speichert keine Daten für diese Seite, daher konnte die Korrektur nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>The name, for screen readers, of the three units the measurement is typed in.</extracomment>
        <translation>Maßeinheit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button that closes a question without doing what it asks.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open the pattern to print</source>
        <extracomment>A link under the sentence on printing at 100 %: it opens the pattern&apos;s PDF to print.</extracomment>
        <translation>Schnittmuster zum Drucken öffnen</translation>
    </message>
    <message>
        <source>The pattern does not fit the page at its usual place. It will print on one page of %1, moved in from the corner.</source>
        <extracomment>Before printing a pattern just too large for its usual place. %1 is the paper, such as A4.</extracomment>
        <translation>Das Schnittmuster passt an seiner üblichen Stelle nicht auf die Seite. Es wird auf einer Seite im Format %1 gedruckt, von der Ecke etwas nach innen versetzt.</translation>
    </message>
    <message numerus="yes">
        <source>The pattern is larger than the page. It will print whole on %n pages of %1: first a diagram of how the pages fit together, then the pages to tape together.</source>
        <extracomment>Before printing a pattern larger than the page. %n pages in all, the diagram&apos;s page included; %1 the paper, such as A4.</extracomment>
        <translation>
            <numerusform>Das Schnittmuster ist größer als die Seite. Es wird vollständig auf %n Seite im Format %1 gedruckt: zuerst ein Seitenplan, dann die Seiten, die Sie wie im Plan gezeigt zusammenkleben.</numerusform>
            <numerusform>Das Schnittmuster ist größer als die Seite. Es wird vollständig auf %n Seiten im Format %1 gedruckt: zuerst ein Seitenplan, dann die Seiten, die Sie wie im Plan gezeigt zusammenkleben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavrel::app::PatternMenu</name>
    <message>
        <source>&amp;Pattern</source>
        <translation>&amp;Schnittmuster</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>Als &amp;SVG speichern...</translation>
    </message>
    <message>
        <source>Save as P&amp;NG...</source>
        <translation>Als P&amp;NG speichern...</translation>
    </message>
    <message>
        <source>Save as &amp;DXF...</source>
        <translation>Als &amp;DXF speichern...</translation>
    </message>
    <message>
        <source>PDF Pape&amp;r</source>
        <translation>PDF-Papier&amp;format</translation>
    </message>
    <message>
        <source>Save Pattern</source>
        <translation>Schnittmuster speichern</translation>
    </message>
    <message>
        <source>Pro&amp;jector View...</source>
        <translation>&amp;Beamer-Ansicht...</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer...</source>
        <translation>Drucker &amp;kalibrieren...</translation>
    </message>
    <message>
        <source>PDF Paper</source>
        <translation>PDF-Papierformat</translation>
    </message>
</context>
<context>
    <name>tavrel::app::PrinterCalibrationDialog</name>
    <message>
        <source>Calibrate Printer</source>
        <translation>Drucker kalibrieren</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>&amp;Print Sheet</source>
        <translation>Testblatt &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Save Correction</source>
        <translation>&amp;Korrektur speichern</translation>
    </message>
    <message>
        <source>&amp;Reset Correction</source>
        <translation>Korrektur &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Korrektur:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Einheit:</translation>
    </message>
    <message>
        <source>None: prints go out as the printer makes them</source>
        <translation>Keine: Der Drucker druckt ohne Korrektur</translation>
    </message>
    <message>
        <source>&amp;Across bar (%1) measures:</source>
        <translation>&amp;Waagerechter Balken (%1) misst:</translation>
    </message>
    <message>
        <source>&amp;Down bar (%1) measures:</source>
        <translation>Senk&amp;rechter Balken (%1) misst:</translation>
    </message>
    <message>
        <source>Type each length in millimeters, as 198.5.</source>
        <translation>Geben Sie jede Länge in Millimetern ein, z. B. 198.5.</translation>
    </message>
    <message>
        <source>Type each length in inches, as 7.85 or 7 7/8.</source>
        <translation>Geben Sie jede Länge in Zoll ein, z. B. 7.85 oder 7 7/8.</translation>
    </message>
</context>
<context>
    <name>tavrel::app::frmAbout</name>
    <message>
        <source>OK</source>
        <extracomment>A small button: keep the caption short.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Tavrel Maker</source>
        <extracomment>&quot;Tavrel Maker&quot; is the program&apos;s name.</extracomment>
        <translation>Über Tavrel Maker</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number, such as 1.0.0.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Written by: %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>Please send comments and suggestions 
to </source>
        <translation>Kommentare und Vorschläge bitte an 
 </translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>Send mail to the author</source>
        <extracomment>The mail link&apos;s name for screen readers, which read the address after it.</extracomment>
        <translation>E-Mail an den Autor senden</translation>
    </message>
    <message>
        <source>The Tavrel developers</source>
        <translation>Die Tavrel-Entwickler</translation>
    </message>
    <message>
        <source>This program draws a flat cutting pattern and its sizing
formula from a published source; see the user&apos;s guide.</source>
        <extracomment>The About box&apos;s two credit lines: keep the line break.</extracomment>
        <translation>Dieses Programm zeichnet ein flaches Schnittmuster und seine
Größenformel nach einer veröffentlichten Quelle; siehe Handbuch.</translation>
    </message>
</context>
<context>
    <name>tavrel::app::frmMain</name>
    <message>
        <source>Inches (Decimal)</source>
        <translation>Zoll (dezimal)</translation>
    </message>
    <message>
        <source>Inches (Fractions)</source>
        <translation>Zoll (Brüche)</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translatorcomment>same</translatorcomment>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Print Pattern</source>
        <translation>Schnittmuster drucken</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Tavrel</translation>
    </message>
    <message>
        <source>When printed, each division above should measure one centimeter</source>
        <translation>Im Ausdruck sollte jeder Abschnitt darüber genau einen Zentimeter lang sein</translation>
    </message>
    <message>
        <source>When printed, each division above should measure one inch</source>
        <translation>Im Ausdruck sollte jeder Abschnitt darüber genau einen Zoll lang sein</translation>
    </message>
    <message>
        <source>Enter the measurement in inches</source>
        <translation>Maß in Zoll eingeben</translation>
    </message>
    <message>
        <source>Enter the measurement in millimeters</source>
        <translation>Maß in Millimetern eingeben</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Schnittmuster</translation>
    </message>
</context>
<context>
    <name>tavrel::help::HelpBrowser</name>
    <message>
        <source>Page not found</source>
        <translation>Seite nicht gefunden</translation>
    </message>
    <message>
        <source>The help file has no page %1.</source>
        <extracomment>%1 is the page&apos;s address within the help file, such as &quot;printing.html&quot;.</extracomment>
        <translation>Die Hilfedatei enthält keine Seite %1.</translation>
    </message>
    <message>
        <source>Page too large</source>
        <translation>Seite zu groß</translation>
    </message>
    <message>
        <source>The page %1 is too large or too deeply nested for the help window to show.</source>
        <extracomment>%1 is the page&apos;s address within the help file, such as &quot;printing.html&quot;.</extracomment>
        <translation>Die Seite %1 ist zu groß oder zu tief verschachtelt, als dass das Hilfefenster sie anzeigen könnte.</translation>
    </message>
</context>
<context>
    <name>tavrel::help::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <extracomment>The window&apos;s title: the page&apos;s title, then the help file&apos;s.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translatorcomment>same</translatorcomment>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Startseite</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::CalibrationView</name>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Type the bar&apos;s length in millimeters, such as 250.</source>
        <translation>Geben Sie die Länge des Balkens in Millimetern ein, z. B. 250.</translation>
    </message>
    <message>
        <source>Type the bar&apos;s length in inches, such as 7 7/8.</source>
        <translation>Geben Sie die Länge des Balkens in Zoll ein, z. B. 7 7/8.</translation>
    </message>
    <message>
        <source>Drag the bar&apos;s right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in millimeters and press Enter. Esc leaves without calibrating.</source>
        <translation>Ziehen Sie das rechte Ende des Balkens oder verwenden Sie die Pfeiltasten (mit der Umschalttaste für größere Schritte), bis er mit einer Länge auf Ihrem Lineal übereinstimmt, oder messen Sie den Balken einfach nach. Geben Sie dann diese Länge in Millimetern ein und drücken Sie die Eingabetaste. Mit Esc verlassen Sie die Ansicht, ohne zu kalibrieren.</translation>
    </message>
    <message>
        <source>Drag the bar&apos;s right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in inches, such as 7 7/8, and press Enter. Esc leaves without calibrating.</source>
        <translation>Ziehen Sie das rechte Ende des Balkens oder verwenden Sie die Pfeiltasten (mit der Umschalttaste für größere Schritte), bis er mit einer Länge auf Ihrem Lineal übereinstimmt, oder messen Sie den Balken einfach nach. Geben Sie dann diese Länge in Zoll ein, z. B. 7 7/8, und drücken Sie die Eingabetaste. Mit Esc verlassen Sie die Ansicht, ohne zu kalibrieren.</translation>
    </message>
    <message>
        <source>Screen Calibration</source>
        <translation>Bildschirmkalibrierung</translation>
    </message>
    <message>
        <source>Bar length in millimeters</source>
        <translation>Länge des Balkens in Millimetern</translation>
    </message>
    <message>
        <source>Bar length in inches</source>
        <translation>Länge des Balkens in Zoll</translation>
    </message>
    <message numerus="yes">
        <source>A bar of %Ln pixels cannot measure %1: screens show between %2 and %3 pixels per inch. Check the length and its unit.</source>
        <extracomment>%Ln is the bar&apos;s length on the screen, %1 the length the user typed, %2 and %3 the least and the most pixels per inch.</extracomment>
        <translation>
            <numerusform>Ein Balken von %Ln Pixel kann nicht %1 lang sein: Bildschirme zeigen zwischen %2 und %3 Pixel pro Zoll. Prüfen Sie die Länge und ihre Einheit.</numerusform>
            <numerusform>Ein Balken von %Ln Pixeln kann nicht %1 lang sein: Bildschirme zeigen zwischen %2 und %3 Pixel pro Zoll. Prüfen Sie die Länge und ihre Einheit.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavrel::projector::CornerCalibrationView</name>
    <message>
        <source>Type the rectangle&apos;s size, for example 24 x 18 in or 600 x 450 mm.</source>
        <translation>Geben Sie die Größe des Rechtecks ein, zum Beispiel 24 x 18 in oder 600 x 450 mm.</translation>
    </message>
    <message>
        <source>The rectangle must be at least 4 x 4 inches (102 x 102 mm).</source>
        <translation>Das Rechteck muss mindestens 4 x 4 Zoll (102 x 102 mm) groß sein.</translation>
    </message>
    <message>
        <source>The corners cross each other. Drag each handle onto its own corner of the rectangle.</source>
        <translation>Die Ecken überkreuzen sich. Ziehen Sie jeden Anfasser auf seine eigene Ecke des Rechtecks.</translation>
    </message>
    <message>
        <source>A corner is turned inwards: the rectangle would fold over itself.</source>
        <translation>Eine Ecke ist nach innen gedreht: Das Rechteck würde sich über sich selbst falten.</translation>
    </message>
    <message>
        <source>The rectangle&apos;s size does not match what a screen can show. Check the size you typed.</source>
        <translation>Die Größe des Rechtecks passt nicht zu dem, was ein Bildschirm zeigen kann. Prüfen Sie die eingegebene Größe.</translation>
    </message>
    <message>
        <source>Corner Calibration</source>
        <translation>Eckenkalibrierung</translation>
    </message>
    <message>
        <source>Drag each handle onto a corner of a rectangle you know on the table, or select one with Tab and move it with the arrow keys (Shift: 10 pixels). Then type the rectangle&apos;s size and press Enter.</source>
        <translation>Ziehen Sie jeden Anfasser auf eine Ecke eines Rechtecks auf dem Tisch, dessen Größe Sie kennen, oder wählen Sie einen mit der Tabulatortaste aus und verschieben Sie ihn mit den Pfeiltasten (Umschalttaste: 10 Pixel). Geben Sie dann die Größe des Rechtecks ein und drücken Sie die Eingabetaste.</translation>
    </message>
    <message>
        <source>Rectangle size</source>
        <translation>Größe des Rechtecks</translation>
    </message>
    <message>
        <source>Drag each point onto the crossing of the mat&apos;s grid it stands for, then press Enter. Esc keeps the corners alone.</source>
        <translation>Ziehen Sie jeden Punkt auf den Kreuzungspunkt im Raster der Matte, für den er steht, und drücken Sie dann die Eingabetaste. Mit Esc behalten Sie nur die Ecken.</translation>
    </message>
    <message>
        <source>Two points of the mesh cross or fold over each other. Drag each onto its own crossing.</source>
        <translation>Zwei Punkte des Netzes überkreuzen oder überlagern sich. Ziehen Sie jeden auf seinen eigenen Kreuzungspunkt.</translation>
    </message>
    <message>
        <source>The stored corner calibration of this screen is damaged and was not used.</source>
        <translation>Die gespeicherte Eckenkalibrierung dieses Bildschirms ist beschädigt und wurde nicht verwendet.</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::MappedProjectorView</name>
    <message>
        <source>Projector View</source>
        <translation>Beamer-Ansicht</translation>
    </message>
    <message>
        <source>The pattern at true scale on the calibrated table. The arrow keys move it, Page Down and Page Up show the next and the previous section; Esc leaves.</source>
        <translation>Das Schnittmuster in Originalgröße auf dem kalibrierten Tisch. Die Pfeiltasten verschieben es, Bild ab und Bild auf zeigen den nächsten und den vorigen Bereich; Esc schließt die Ansicht.</translation>
    </message>
    <message>
        <source>Section %1 of %2: %3</source>
        <extracomment>%1 is the section&apos;s number, %2 how many there are, %3 its label such as B2.</extracomment>
        <translation>Bereich %1 von %2: %3</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::ProjectorDialog</name>
    <message>
        <source>Projector</source>
        <translation>Beamer</translation>
    </message>
    <message>
        <source>White lines on black</source>
        <translation>Weiße Linien auf Schwarz</translation>
    </message>
    <message>
        <source>Black lines on white</source>
        <translation>Schwarze Linien auf Weiß</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>A grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>A ruler</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>&amp;Show Pattern</source>
        <translation>Schnittmuster &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Reset Calibration</source>
        <translation>Kalibrierung &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Lines:</source>
        <translation>&amp;Linien:</translation>
    </message>
    <message>
        <source>Line &amp;width:</source>
        <translation>Linien&amp;breite:</translation>
    </message>
    <message>
        <source>Check the scale &amp;by:</source>
        <translation>&amp;Maßstabskontrolle:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Kalibrierung:</translation>
    </message>
    <message>
        <source>%1 pixels per inch</source>
        <translation>%1 Pixel pro Zoll</translation>
    </message>
    <message>
        <source>Not calibrated yet</source>
        <translation>Noch nicht kalibriert</translation>
    </message>
    <message>
        <source>%1 (%2 x %3)</source>
        <extracomment>A screen: its name (width x height in pixels).</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 (%2 x %3)</translation>
    </message>
    <message>
        <source>C&amp;alibrate...</source>
        <translation>&amp;Kalibrieren...</translation>
    </message>
    <message>
        <source>Scr&amp;een:</source>
        <translation>Bil&amp;dschirm:</translation>
    </message>
    <message numerus="yes">
        <source>%n pixel(s)</source>
        <translation>
            <numerusform>%n Pixel</numerusform>
            <numerusform>%n Pixel</numerusform>
        </translation>
    </message>
    <message>
        <source>The calibration kept for %1 is damaged, so it is ignored. Calibrate the screen again before the pattern is shown on it.</source>
        <extracomment>%1 is the screen as the list of screens names it.</extracomment>
        <translation>Die für %1 gespeicherte Kalibrierung ist beschädigt und wird ignoriert. Kalibrieren Sie den Bildschirm erneut, bevor das Schnittmuster darauf gezeigt wird.</translation>
    </message>
    <message>
        <source>The calibrated rectangle</source>
        <translation>Kalibriertes Rechteck</translation>
    </message>
    <message>
        <source>&amp;Mirror across</source>
        <translation>&amp;Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Mirror &amp;down</source>
        <translation>&amp;Vertikal spiegeln</translation>
    </message>
    <message>
        <source>0 degrees</source>
        <translation>0 Grad</translation>
    </message>
    <message>
        <source>90 degrees</source>
        <translation>90 Grad</translation>
    </message>
    <message>
        <source>180 degrees</source>
        <translation>180 Grad</translation>
    </message>
    <message>
        <source>270 degrees</source>
        <translation>270 Grad</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ohne</translation>
    </message>
    <message>
        <source>3 x 3 points</source>
        <translation>3 x 3 Punkte</translation>
    </message>
    <message>
        <source>5 x 5 points</source>
        <translation>5 x 5 Punkte</translation>
    </message>
    <message>
        <source>Calibrate C&amp;orners...</source>
        <translation>&amp;Ecken kalibrieren...</translation>
    </message>
    <message>
        <source>&amp;Turn:</source>
        <translation>D&amp;rehung:</translation>
    </message>
    <message>
        <source>Mes&amp;h:</source>
        <translation>&amp;Netz:</translation>
    </message>
    <message>
        <source>Corners: %1 x %2 %3</source>
        <extracomment>The corner calibration&apos;s rectangle: %1 x %2 and the unit&apos;s short word, in or mm.</extracomment>
        <translation>Ecken: %1 x %2 %3</translation>
    </message>
    <message>
        <source>Not corner calibrated</source>
        <translation>Ecken noch nicht kalibriert</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::ProjectorView</name>
    <message>
        <source>Projector View</source>
        <translation>Beamer-Ansicht</translation>
    </message>
    <message>
        <source>The pattern at true scale. The arrow keys move it; Esc leaves.</source>
        <translation>Das Schnittmuster in Originalgröße. Die Pfeiltasten verschieben es; Esc schließt die Ansicht.</translation>
    </message>
</context>
</TS>
