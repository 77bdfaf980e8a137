<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>%1 inch</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>Print this sheet at 100 % (actual size), with no scaling and no &quot;fit to page&quot;. Measure each bar with a good ruler in millimeters, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern &gt; Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they come out at their true size.</source>
        <extracomment>&quot;Pattern &gt; Calibrate Printer...&quot; is a menu command: word it as the menu does.</extracomment>
        <translation>Druk dit vel af op 100 % (ware grootte), zonder schalen en zonder &quot;Aanpassen aan pagina&quot;. Meet elke balk met een goede liniaal in millimeters, van het midden van het ene eindstreepje tot het midden van het andere. Kies in Tavrel Patroon &gt; Printer kalibreren... en typ de twee gemeten lengtes in: wat daarna op deze printer wordt afgedrukt, wordt zo gecorrigeerd dat het precies op maat is.</translation>
    </message>
    <message>
        <source>Print this sheet at 100 % (actual size), with no scaling and no &quot;fit to page&quot;. Measure each bar with a good ruler in inches, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern &gt; Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they come out at their true size.</source>
        <extracomment>&quot;Pattern &gt; Calibrate Printer...&quot; is a menu command: word it as the menu does.</extracomment>
        <translation>Druk dit vel af op 100 % (ware grootte), zonder schalen en zonder &quot;Aanpassen aan pagina&quot;. Meet elke balk met een goede liniaal in inches, van het midden van het ene eindstreepje tot het midden van het andere. Kies in Tavrel Patroon &gt; Printer kalibreren... en typ de twee gemeten lengtes in: wat daarna op deze printer wordt afgedrukt, wordt zo gecorrigeerd dat het precies op maat is.</translation>
    </message>
    <message>
        <source>The calibration sheet could not be made.</source>
        <translation>Het testvel kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>Tavrel printer calibration</source>
        <translation>Tavrel-printerkalibratie</translation>
    </message>
    <message>
        <source>Across: %1</source>
        <extracomment>%1 is the bar&apos;s length, such as &quot;8 in&quot;.</extracomment>
        <translation>Horizontaal: %1</translation>
    </message>
    <message>
        <source>Down: %1</source>
        <extracomment>%1 is the bar&apos;s length, such as &quot;10 in&quot;.</extracomment>
        <translation>Verticaal: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>onverwacht argument %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 is twee keer opgegeven</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 vereist een waarde</translation>
    </message>
    <message>
        <source>%1 (see tavrel --help)</source>
        <translation>%1 (zie tavrel --help)</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;: use decimal, fractions or millimeter</source>
        <translation>onbekende eenheid &quot;%1&quot;: gebruik decimal, fractions of millimeter</translation>
    </message>
    <message>
        <source>unknown paper &quot;%1&quot;: use %2; %3; or %4</source>
        <extracomment>%2, %3 and %4 are the names of the office papers, the copy-shop papers and the rolls.</extracomment>
        <translation>onbekend papier &quot;%1&quot;: gebruik %2; %3; of %4</translation>
    </message>
    <message>
        <source>--export needs --unit decimal, fractions or millimeter</source>
        <translation>--export vereist --unit decimal, fractions of millimeter</translation>
    </message>
    <message>
        <source>--export needs --measure TEXT</source>
        <translation>--export vereist --measure TEKST</translation>
    </message>
    <message>
        <source>--dpi takes a whole number of dots per inch from %1 to %2</source>
        <translation>--dpi verwacht een geheel aantal punten per inch van %1 tot %2</translation>
    </message>
    <message>
        <source>--paper goes with an export to FILE.pdf</source>
        <translation>--paper hoort bij een export naar BESTAND.pdf</translation>
    </message>
    <message>
        <source>--correction takes two factors from 0.8 to 1.25, across and down, as 1.02,0.99</source>
        <translation>--correction verwacht twee factoren met een decimale punt van 0.8 tot 1.25, horizontaal en verticaal, zoals 1.02,0.99</translation>
    </message>
    <message>
        <source>--correction goes with an export to FILE.pdf</source>
        <translation>--correction hoort bij een export naar BESTAND.pdf</translation>
    </message>
    <message>
        <source>--calibration-sheet goes only with --paper and --unit</source>
        <translation>--calibration-sheet gaat alleen samen met --paper en --unit</translation>
    </message>
    <message>
        <source>--calibration-sheet writes a FILE.pdf</source>
        <translation>--calibration-sheet schrijft een BESTAND.pdf</translation>
    </message>
    <message>
        <source>--unit, --measure, --dpi, --paper and --correction go with --export FILE</source>
        <translation>--unit, --measure, --dpi, --paper en --correction horen bij --export BESTAND</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in decimal inches: use 2.5 for decimal inches or --unit fractions for 2 1/2</source>
        <translation>--measure &quot;%1&quot; is geen maat in decimale inches: gebruik 2.5 voor decimale inches of --unit fractions voor 2 1/2</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in millimeters: use digits with one point at most, as 63.5</source>
        <translation>--measure &quot;%1&quot; is geen maat in millimeters: gebruik cijfers met hoogstens één punt, zoals 63.5</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two of a list of paper names, as &quot;legal or tabloid&quot;.</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>(%1 x %2 in)</source>
        <extracomment>A paper&apos;s size in inches, as &quot;(24 x 36 in)&quot;.</extracomment>
        <translation>(%1 x %2 inch)</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is unclear: a comma before three digits may group thousands. Write decimals with a point and thousands without a separator</source>
        <translation>--measure &quot;%1&quot; is dubbelzinnig: een komma voor drie cijfers kan duizendtallen scheiden. Schrijf decimalen met een punt en duizendtallen zonder scheidingsteken</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in inches with fractions: use a whole number, a fraction, or both with one space between, as 2, 1/2 or 2 1/2</source>
        <translation>--measure &quot;%1&quot; is geen maat in inches met breuken: gebruik een geheel getal, een breuk of beide met één spatie ertussen, zoals 2, 1/2 of 2 1/2</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has decimals, which --unit fractions rounds away to whole inches: use --unit decimal for %1</source>
        <translation>--measure &quot;%1&quot; heeft decimalen, die --unit fractions afrondt op hele inches: gebruik --unit decimal voor %1</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has decimals in its whole inches, which --unit fractions rounds away: write them in the fraction, as 2 1/2, or use --unit decimal</source>
        <translation>--measure &quot;%1&quot; heeft decimalen in de hele inches, die --unit fractions wegrondt: schrijf ze in de breuk, zoals 2 1/2, of gebruik --unit decimal</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has a fraction over 0: write a number above 0 after the slash, as 2 1/2</source>
        <translation>--measure &quot;%1&quot; heeft een breuk met 0 als noemer: schrijf na de schuine streep een getal boven 0, zoals 2 1/2</translation>
    </message>
    <message>
        <source>--export FILE ends in a dot: end it in .png, .svg, .pdf or .dxf</source>
        <translation>--export BESTAND eindigt op een punt: laat het eindigen op .png, .svg, .pdf of .dxf</translation>
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
        <translation>Gebruik: tavrel [--unit EENHEID --measure TEKST --export BESTAND [--dpi N]
                [--paper PAPIER] [--correction X,Y]]
         tavrel --calibration-sheet BESTAND.pdf [--paper PAPIER]
                [--unit EENHEID]

Zonder opties opent Tavrel het venster. Met --export tekent Tavrel het patroon
voor één maat in BESTAND, zonder een venster te openen. Met --calibration-sheet
schrijft Tavrel het testvel dat de schaalfout van een printer meet: een
horizontale en een verticale balk van 8 inch (20 cm met --unit millimeter;
zonder --unit de eenheid van de landinstellingen) of zo lang als het papier
toelaat.

  --unit EENHEID    decimal (inches, zoals 2.5), fractions (inches, zoals
                    &quot;2 1/2&quot;) of millimeter (zoals 63.5)
  --measure TEKST   de maat, gelezen zoals in het invoervak van het venster
  --export BESTAND  BESTAND.png: de afbeelding met één beeldpixel per
                    schermpixel, met de resolutie erin vastgelegd;
                    BESTAND.svg: vectortekening op ware grootte;
                    BESTAND.pdf: af te drukken op 100 %, verdeeld over
                    meerdere pagina&apos;s als het patroon groter is dan het
                    papier; BESTAND.dxf: lijnen en bogen op ware grootte voor
                    snijmachines en CAD, in inches of millimeters volgens de
                    eenheid
  --dpi N           de schermresolutie waarvoor getekend wordt, in punten per
                    inch (24 tot 1440; standaard 96)
  --paper PAPIER    het papier van de PDF: %1
                    (standaard: letter waar de landinstellingen in Amerikaanse
                    eenheden meten, anders a4); voor copyshops
                    %2;
                    of een rol, %3:
                    pagina&apos;s zo breed als de rol en zo lang als het patroon
                    nodig heeft, tot 200 inch
  --correction X,Y  maakt de schaalfout van een printer ongedaan: de pagina&apos;s
                    van de PDF worden horizontaal met X en verticaal met Y
                    vergroot (0.8 tot 1.25, zoals 1.02,0.99), elk de lengte
                    van een balk van het testvel gedeeld door de gemeten
                    lengte
  --lang CODE       de taal van het venster en van deze meldingen, zoals de
                    of pt_BR (standaard: die van het systeem)
  -h, --help        deze hulp tonen
  -v, --version     de versie tonen

De waarde van een optie mag het volgende argument zijn of na &apos;=&apos; staan
(--dpi=120).
Afsluitcode: 0 geschreven, 1 niets geschreven (geen maat, te groot, kan niet
schrijven), 2 verkeerde opties. Een bestaand BESTAND wordt alleen door een
volledige tekening vervangen.
</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Pattern Maker</source>
        <translation>Patronenmaker</translation>
    </message>
    <message>
        <source>Draft a full-size cutting pattern from one measurement and print it at true scale</source>
        <translation>Een patroon op ware grootte tekenen uit één maat en het op ware schaal afdrukken</translation>
    </message>
    <message>
        <source>sewing;pattern;craft;template;print;true scale;</source>
        <extracomment>Words a sewist types into the desktop&apos;s search to find the program, each followed by a semicolon.</extracomment>
        <translation>naaien;patroon;knippatroon;knutselen;mal;afdrukken;ware grootte;</translation>
    </message>
</context>
<context>
    <name>DocumentTitles</name>
    <message>
        <source>Tavrel pattern</source>
        <extracomment>A document&apos;s title and a print job&apos;s name.</extracomment>
        <translation>Tavrel-patroon</translation>
    </message>
    <message>
        <source>A flat cutting pattern at true size, in millimeters.</source>
        <translation>Een vlak snijpatroon op ware grootte, in millimeters.</translation>
    </message>
    <message>
        <source>Tavrel printer calibration</source>
        <extracomment>A document&apos;s title and a print job&apos;s name.</extracomment>
        <translation>Tavrel-printerkalibratie</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the picture could not be encoded.</source>
        <translation>Kan &quot;%1&quot; niet schrijven: de afbeelding kon niet worden gecodeerd.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <extracomment>%2 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>Kan &quot;%1&quot; niet schrijven: %2.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a disk or a socket, not a file.</source>
        <translation>Kan &quot;%1&quot; niet schrijven: het is een schijf of een socket, geen bestand.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: no program is reading from this pipe.</source>
        <translation>Kan &quot;%1&quot; niet schrijven: geen enkel programma leest uit deze pipe.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: its folder &quot;%2&quot; does not let you add files, and the new file is written there before it replaces the old one.</source>
        <extracomment>%2 is the folder of the file %1.</extracomment>
        <translation>Kan „%1” niet schrijven: de map „%2” laat u er geen bestanden aan toevoegen, en het nieuwe bestand wordt daar geschreven voordat het het oude vervangt.</translation>
    </message>
</context>
<context>
    <name>Extras</name>
    <message>
        <source>A part of Tavrel is missing or damaged (%1). Install the program again.</source>
        <translation>Een onderdeel van Tavrel ontbreekt of is beschadigd (%1). Installeer het programma opnieuw.</translation>
    </message>
    <message>
        <source>%1 is not the module built with this program</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 is niet de module die met dit programma is gebouwd</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 ontbreekt</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 is geen bestand</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help Not Available</source>
        <translation>Help niet beschikbaar</translation>
    </message>
    <message>
        <source>The help file could not be found or read:
%1</source>
        <translation>Het helpbestand kan niet worden gevonden of gelezen:
%1</translation>
    </message>
    <message>
        <source>The help file is damaged or is not a help file:
%1</source>
        <translation>Het helpbestand is beschadigd of is geen helpbestand:
%1</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>English</source>
        <extracomment>This language&apos;s own name, as a list of languages shows it: &quot;Deutsch&quot; in German.</extracomment>
        <translation>Nederlands</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Full-size cutting patterns from one measurement</source>
        <translation>Patronen op ware grootte uit één maat</translation>
    </message>
    <message>
        <source>Tavrel drafts a flat cutting pattern from a single measurement and prints it at its real size, ready to pin to fabric or trace onto cardstock.</source>
        <translation>Tavrel tekent uit één maat een plat patroon en drukt het af op ware grootte, klaar om op de stof te spelden of op karton over te trekken.</translation>
    </message>
    <message>
        <source>Choose inches as decimals, inches with fractions such as 2 1/2, or millimeters, type the measurement, and the pattern follows every keystroke. A ruler under the pattern tells what one division must measure on paper, so you can check that the printout came out at 100 %. Patterns can also be saved as PDF, SVG, PNG or DXF files.</source>
        <translation>Kies inches met decimalen, inches met breuken zoals 2 1/2 of millimeters, typ de maat en het patroon volgt elke toetsaanslag. Een liniaal onder het patroon geeft aan hoe lang één verdeling op papier moet zijn, zodat je kunt controleren of de afdruk op 100 % is gemaakt. Patronen kunnen ook als PDF-, SVG-, PNG- of DXF-bestand worden opgeslagen.</translation>
    </message>
    <message>
        <source>A pattern for 2 1/2 inches with its check ruler</source>
        <translation>Een patroon voor 2 1/2 inch met zijn controleliniaal</translation>
    </message>
</context>
<context>
    <name>PaperMenu</name>
    <message>
        <source>&amp;Letter (8.5 x 11 in)</source>
        <translation>&amp;Letter (8,5 x 11 inch)</translation>
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
        <translation>Le&amp;gal (8,5 x 14 inch)</translation>
    </message>
    <message>
        <source>&amp;Tabloid (11 x 17 in)</source>
        <translation>&amp;Tabloid (11 x 17 inch)</translation>
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
        <translation>Arch &amp;D (24 x 36 inch)</translation>
    </message>
    <message>
        <source>Arch &amp;E (36 x 48 in)</source>
        <translation>Arch &amp;E (36 x 48 inch)</translation>
    </message>
    <message>
        <source>&amp;Roll, 36 in wide</source>
        <translation>&amp;Rol, 36 inch breed</translation>
    </message>
    <message>
        <source>R&amp;oll, 24 in wide</source>
        <translation>R&amp;ol, 24 inch breed</translation>
    </message>
    <message>
        <source>Roll, 914 &amp;mm wide</source>
        <translation>Rol, 914 &amp;mm breed</translation>
    </message>
</context>
<context>
    <name>PatternDescription</name>
    <message>
        <source>Pattern for %1 millimeters, %2 by %3 millimeters when printed</source>
        <translation>Patroon voor %1 millimeter, afgedrukt %2 bij %3 millimeter</translation>
    </message>
    <message>
        <source>Pattern for %1 inches, %2 by %3 inches when printed</source>
        <translation>Patroon voor %1 inch, afgedrukt %2 bij %3 inch</translation>
    </message>
</context>
<context>
    <name>PatternExport</name>
    <message>
        <source>Too large to draw. The largest measurement is %1 millimeters.</source>
        <extracomment>%1 is a number, such as 2312.</extracomment>
        <translation>Te groot om te tekenen. De grootste maat is %1 millimeter.</translation>
    </message>
    <message>
        <source>Too large to draw. The largest measurement is %1 inches.</source>
        <extracomment>%1 is a number, such as 91.02 or 91.</extracomment>
        <translation>Te groot om te tekenen. De grootste maat is %1 inch.</translation>
    </message>
    <message>
        <source>Nothing to draw: &quot;%1&quot; is not a measurement above 0.</source>
        <translation>Niets te tekenen: &quot;%1&quot; is geen maat groter dan 0.</translation>
    </message>
</context>
<context>
    <name>PdfPages</name>
    <message>
        <source>When printed, this bar should measure one centimeter</source>
        <translation>Na het afdrukken moet deze balk precies één centimeter lang zijn</translation>
    </message>
    <message>
        <source>When printed, this bar should measure one inch</source>
        <translation>Na het afdrukken moet deze balk precies één inch lang zijn</translation>
    </message>
    <message>
        <source>Print every page at 100 % (actual size), with no scaling and no &quot;fit to page&quot;: the bar at the foot of each page must then measure one centimeter. Cut each page along the top and the left line of its frame. Then lay the pages out as in the diagram below, each page over its neighbors to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 12.7 mm (1/2 inch).</source>
        <translation>Druk elke pagina af op 100 % (ware grootte), zonder schalen en zonder &quot;Aanpassen aan pagina&quot;: de balk onderaan elke pagina moet dan één centimeter lang zijn. Knip elke pagina langs de boven- en linkerlijn van het kader. Leg de pagina&apos;s daarna neer zoals op het overzicht hieronder, elke pagina over de pagina&apos;s links ervan en erboven, met de geknipte randen op hun stippellijnen, zodat de helften van elk omcirkeld kruis precies op elkaar aansluiten. Plak ze met plakband aan elkaar. De pagina&apos;s overlappen elkaar 12,7 mm (1/2 inch).</translation>
    </message>
    <message>
        <source>Print every page at 100 % (actual size), with no scaling and no &quot;fit to page&quot;: the bar at the foot of each page must then measure one inch. Cut each page along the top and the left line of its frame. Then lay the pages out as in the diagram below, each page over its neighbors to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 1/2 inch (12.7 mm).</source>
        <translation>Druk elke pagina af op 100 % (ware grootte), zonder schalen en zonder &quot;Aanpassen aan pagina&quot;: de balk onderaan elke pagina moet dan één inch lang zijn. Knip elke pagina langs de boven- en linkerlijn van het kader. Leg de pagina&apos;s daarna neer zoals op het overzicht hieronder, elke pagina over de pagina&apos;s links ervan en erboven, met de geknipte randen op hun stippellijnen, zodat de helften van elk omcirkeld kruis precies op elkaar aansluiten. Plak ze met plakband aan elkaar. De pagina&apos;s overlappen elkaar 1/2 inch (12,7 mm).</translation>
    </message>
    <message numerus="yes">
        <source>Tavrel pattern on %n pages: %1 across, %2 down</source>
        <extracomment>The map&apos;s title: %n pages in all, the map included; %1 columns of pages across and %2 rows down.</extracomment>
        <translation>
            <numerusform>Tavrel-patroon op %n pagina: %1 naast elkaar, %2 onder elkaar</numerusform>
            <numerusform>Tavrel-patroon op %n pagina&apos;s: %1 naast elkaar, %2 onder elkaar</numerusform>
        </translation>
    </message>
    <message>
        <source>Page %1 of %2: column %3 of %4, row %5 of %6.</source>
        <translation>Pagina %1 van %2: kolom %3 van %4, rij %5 van %6.</translation>
    </message>
    <message>
        <source>Print at 100 % (actual size), no scaling.</source>
        <translation>Afdrukken op 100 % (ware grootte), niet schalen.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Cannot export to &quot;%1&quot;: the file name must end in .png, .svg, .pdf or .dxf.</source>
        <translation>Kan niet exporteren naar &quot;%1&quot;: de bestandsnaam moet eindigen op .png, .svg, .pdf of .dxf.</translation>
    </message>
    <message>
        <source>Too small to draw. At this measurement the pattern is less than one pixel high.</source>
        <translation>Te klein om te tekenen. Bij deze maat is het patroon minder dan één pixel hoog.</translation>
    </message>
</context>
<context>
    <name>PrintCorrection</name>
    <message>
        <source>%1 % across, %2 % down</source>
        <extracomment>A printer&apos;s correction: the scale its prints are made at, across and down the page, where 100 % changes nothing.</extracomment>
        <translation>%1 % horizontaal, %2 % verticaal</translation>
    </message>
</context>
<context>
    <name>PrintQuestion</name>
    <message>
        <source>The pattern does not fit the page at its usual place. It will print on one page of %1 on &quot;%2&quot;, moved in from the corner.</source>
        <extracomment>%1 is the paper, such as A4; %2 the printer.</extracomment>
        <translation>Het patroon past niet op de gebruikelijke plaats op de pagina. Het wordt op &quot;%2&quot; afgedrukt op één pagina %1, iets verder van de hoek af.</translation>
    </message>
    <message numerus="yes">
        <source>The pattern is larger than the page. It will print whole on %n pages of %1 on &quot;%2&quot;: first a diagram of how the pages fit together, then the pages to tape together.</source>
        <extracomment>%n pages in all, the diagram&apos;s page included; %1 the paper, such as A4; %2 the printer.</extracomment>
        <translation>
            <numerusform>Het patroon is groter dan de pagina. Het wordt in zijn geheel op &quot;%2&quot; afgedrukt, op %n pagina %1: eerst een overzicht van de pagina&apos;s, daarna de pagina&apos;s om aan elkaar te plakken zoals het overzicht laat zien.</numerusform>
            <numerusform>Het patroon is groter dan de pagina. Het wordt in zijn geheel op &quot;%2&quot; afgedrukt, op %n pagina&apos;s %1: eerst een overzicht van de pagina&apos;s, daarna de pagina&apos;s om aan elkaar te plakken zoals het overzicht laat zien.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Pattern</source>
        <translation>Patroon afdrukken</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>The correction kept for the printer &quot;%1&quot; is damaged, so it is ignored: the pattern prints as the printer makes it. Calibrate the printer again to correct its prints.</source>
        <extracomment>%1 is the printer.</extracomment>
        <translation>De correctie die voor printer &quot;%1&quot; is bewaard, is beschadigd en wordt genegeerd: het patroon wordt zonder correctie afgedrukt. Kalibreer de printer opnieuw om de afdrukken te corrigeren.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There is no default printer (%1). Choose one in the system&apos;s printer settings, then print again.</source>
        <extracomment>%1 is the print system&apos;s reason.</extracomment>
        <translation>Er is geen standaardprinter (%1). Kies er een in de printerinstellingen van het systeem en druk daarna opnieuw af.</translation>
    </message>
    <message>
        <source>The page for the printer &quot;%1&quot; could not be prepared. Nothing was printed.</source>
        <translation>De pagina voor printer &quot;%1&quot; kon niet worden voorbereid. Er is niets afgedrukt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2. Nothing was printed.</source>
        <extracomment>%1 is the printer, %2 the print system&apos;s reason.</extracomment>
        <translation>Printer &quot;%1&quot; heeft de afdruktaak niet aangenomen: %2. Er is niets afgedrukt.</translation>
    </message>
    <message>
        <source>There is no default printer. Choose one in the system&apos;s printer settings, then print again.</source>
        <translation>Er is geen standaardprinter. Kies er een in de printerinstellingen van het systeem en druk daarna opnieuw af.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started. Nothing was printed.</source>
        <translation>Printer &quot;%1&quot; kon niet worden gestart. Er is niets afgedrukt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job. Nothing was printed.</source>
        <translation>Printer &quot;%1&quot; heeft de afdruktaak niet aangenomen. Er is niets afgedrukt.</translation>
    </message>
    <message>
        <source>Printing is not available on this system: no print service is running.</source>
        <translation>Afdrukken is op dit systeem niet beschikbaar: er draait geen afdrukdienst.</translation>
    </message>
</context>
<context>
    <name>PrinterCalibration</name>
    <message>
        <source>These lengths would need a correction of %1, beyond what a printer at 100 % needs (%2 % to %3 %). Check that the sheet was printed at 100 %, measure the bars again, and type the lengths in the unit chosen here.</source>
        <extracomment>%1 is the correction, such as &quot;130 % across, 99.5 % down&quot;; %2 and %3 are the least and the greatest percentages, 80 and 125.</extracomment>
        <translation>Deze lengtes zouden een correctie van %1 vereisen, meer dan een printer op 100 % nodig heeft (%2 % tot %3 %). Controleer of het testvel op 100 % is afgedrukt, meet de balken opnieuw en typ de lengtes in de eenheid die hier is gekozen.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>there is no display to open the window on. To export a pattern to a file instead: tavrel --unit fractions --measure &quot;2 1/2&quot; --export pattern.png (see tavrel --help)</source>
        <extracomment>The command stays as it is: it must be typed so.</extracomment>
        <translation>er is geen beeldscherm om het venster op te openen. Om in plaats daarvan een patroon naar een bestand te exporteren: tavrel --unit fractions --measure &quot;2 1/2&quot; --export pattern.png (zie tavrel --help)</translation>
    </message>
</context>
<context>
    <name>ReadingNotice</name>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3; choose %4 for %1</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 and %4 the units&apos; captions.</extracomment>
        <translation>
            <numerusform>In %3 wordt %1 getekend als %2 inch; kies %4 voor %1</numerusform>
            <numerusform>In %3 wordt %1 getekend als %2 inch; kies %4 voor %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3, whose whole inches are rounded</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>In %3 wordt %1 getekend als %2 inch, omdat de hele inches daar worden afgerond</numerusform>
            <numerusform>In %3 wordt %1 getekend als %2 inch, omdat de hele inches daar worden afgerond</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3: a fraction over 0 counts as none</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>In %3 wordt %1 getekend als %2 inch: een breuk met 0 als noemer telt niet</numerusform>
            <numerusform>In %3 wordt %1 getekend als %2 inch: een breuk met 0 als noemer telt niet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3; type a whole number, a space and a fraction, as 2 1/2</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>In %3 wordt %1 getekend als %2 inch; typ een geheel getal, een spatie en een breuk, zoals 2 1/2</numerusform>
            <numerusform>In %3 wordt %1 getekend als %2 inch; typ een geheel getal, een spatie en een breuk, zoals 2 1/2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>space</source>
        <translation>spatie</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>vaste spatie</translation>
    </message>
    <message>
        <source>tab</source>
        <translatorcomment>same</translatorcomment>
        <translation>tab</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>regeleinde</translation>
    </message>
    <message>
        <source>point</source>
        <translation>punt</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>komma</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>schuine streep</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>‘%1’</translation>
    </message>
    <message>
        <source>character U+%1</source>
        <translation>U+%1</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes no %1.</source>
        <translation>Er is niets geplakt: het vak accepteert het teken %1 niet.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes no %1.</source>
        <translation>Er is niets neergezet: het vak accepteert het teken %1 niet.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes only one %1.</source>
        <translation>Er is niets geplakt: het vak accepteert het teken %1 maar één keer.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes only one %1.</source>
        <translation>Er is niets neergezet: het vak accepteert het teken %1 maar één keer.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes no %1 at the start.</source>
        <translation>Er is niets geplakt: het vak accepteert het teken %1 niet aan het begin.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes no %1 at the start.</source>
        <translation>Er is niets neergezet: het vak accepteert het teken %1 niet aan het begin.</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Save as PDF</source>
        <translation>Opslaan als PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-document (*.pdf)</translation>
    </message>
    <message>
        <source>Save as SVG</source>
        <translation>Opslaan als SVG</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-tekening (*.svg)</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Opslaan als PNG</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-afbeelding (*.png)</translation>
    </message>
    <message>
        <source>Save as DXF</source>
        <translation>Opslaan als DXF</translation>
    </message>
    <message>
        <source>DXF drawing for cutters (*.dxf)</source>
        <translation>DXF-tekening voor snijmachines (*.dxf)</translation>
    </message>
    <message>
        <source>None: the pattern at its true size</source>
        <translation>Geen: de PDF is precies op maat</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is a printer, %2 its correction, such as &quot;102 % across, 99.5 % down&quot;.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Correct &amp;for printer:</source>
        <translation>Corrigeren &amp;voor printer:</translation>
    </message>
    <message>
        <source>pattern</source>
        <extracomment>The name offered for a new file, without its suffix.</extracomment>
        <translation>patroon</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Tavrel could not write its settings file %1, so this change holds only until Tavrel closes. Check that its folder can be written to and that the disk is not full.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Tavrel kon zijn instellingenbestand %1 niet schrijven, dus deze wijziging geldt alleen tot Tavrel wordt gesloten. Controleer of er in de map geschreven kan worden en of de schijf niet vol is.</translation>
    </message>
    <message>
        <source>Tavrel&apos;s settings file %1 is damaged. The settings that could be read are kept; the rest could not be copied aside and goes with the next change.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Het instellingenbestand %1 van Tavrel is beschadigd. De instellingen die gelezen konden worden, blijven bewaard; de rest kon niet apart worden gezet en verdwijnt bij de volgende wijziging.</translation>
    </message>
    <message>
        <source>Tavrel&apos;s settings file %1 is damaged. The settings that could be read are kept; the file as it was is set aside as %2.</source>
        <extracomment>%1 is the settings file, %2 the copy of it as it was.</extracomment>
        <translation>Het instellingenbestand %1 van Tavrel is beschadigd. De instellingen die gelezen konden worden, blijven bewaard; het bestand zoals het was, is apart gezet als %2.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Print at 100 % (&quot;Actual size&quot;), not &quot;Fit to page&quot;, then check the ruler on the printout.</source>
        <extracomment>Under the pattern, before printing. &quot;Actual size&quot; and &quot;Fit to page&quot; are the print dialog&apos;s settings as browsers and PDF viewers name them in the language.</extracomment>
        <translation>Druk af op 100 % (&quot;Werkelijke grootte&quot;), niet met &quot;Aanpassen aan pagina&quot;, en controleer daarna de controleliniaal op de afdruk.</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The caption of the list of languages.</extracomment>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Install Tavrel</source>
        <extracomment>A button that installs the page as a program on the computer or phone.</extracomment>
        <translation>Tavrel installeren</translation>
    </message>
    <message>
        <source>Works offline</source>
        <extracomment>Said of the page once installed: it needs no internet connection.</extracomment>
        <translation>Werkt offline</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>A button that saves the pattern as a file.</extracomment>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>The caption of the control that enlarges the pattern on the screen.</extracomment>
        <translation>Zoomen</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button that closes the guide or a message.</extracomment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>One correction is kept, for the printer this browser prints on.</source>
        <extracomment>In Pattern &gt; Calibrate Printer, beside &quot;Printer:&quot;: the browser does not say which printer it prints on, so the page keeps one correction for all of it.</extracomment>
        <translation>Er wordt één correctie bewaard, voor de printer waarop deze browser afdrukt.</translation>
    </message>
    <message>
        <source>Open the calibration sheet to print</source>
        <extracomment>A link in Pattern &gt; Calibrate Printer, once the sheet is made: it opens the sheet&apos;s PDF.</extracomment>
        <translation>Testvel openen om af te drukken</translation>
    </message>
    <message>
        <source>This browser keeps no data for this page, so the correction could not be kept.</source>
        <extracomment>When the browser refuses to store anything for the page (private mode, full storage).</extracomment>
        <translation>Deze browser bewaart geen gegevens voor deze pagina, dus de correctie kon niet worden bewaard.</translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>The name, for screen readers, of the three units the measurement is typed in.</extracomment>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button that closes a question without doing what it asks.</extracomment>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Open the pattern to print</source>
        <extracomment>A link under the sentence on printing at 100 %: it opens the pattern&apos;s PDF to print.</extracomment>
        <translation>Patroon openen om af te drukken</translation>
    </message>
    <message>
        <source>The pattern does not fit the page at its usual place. It will print on one page of %1, moved in from the corner.</source>
        <extracomment>Before printing a pattern just too large for its usual place. %1 is the paper, such as A4.</extracomment>
        <translation>Het patroon past niet op de gebruikelijke plaats op de pagina. Het wordt afgedrukt op één pagina %1, iets verder van de hoek af.</translation>
    </message>
    <message numerus="yes">
        <source>The pattern is larger than the page. It will print whole on %n pages of %1: first a diagram of how the pages fit together, then the pages to tape together.</source>
        <extracomment>Before printing a pattern larger than the page. %n pages in all, the diagram&apos;s page included; %1 the paper, such as A4.</extracomment>
        <translation>
            <numerusform>Het patroon is groter dan de pagina. Het wordt in zijn geheel afgedrukt op %n pagina %1: eerst een overzicht van de pagina&apos;s, daarna de pagina&apos;s om aan elkaar te plakken zoals het overzicht laat zien.</numerusform>
            <numerusform>Het patroon is groter dan de pagina. Het wordt in zijn geheel afgedrukt op %n pagina&apos;s %1: eerst een overzicht van de pagina&apos;s, daarna de pagina&apos;s om aan elkaar te plakken zoals het overzicht laat zien.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavrel::app::PatternMenu</name>
    <message>
        <source>&amp;Pattern</source>
        <translation>&amp;Patroon</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>Opslaan als &amp;PDF...</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>Opslaan als &amp;SVG...</translation>
    </message>
    <message>
        <source>Save as P&amp;NG...</source>
        <translation>Opslaan als P&amp;NG...</translation>
    </message>
    <message>
        <source>Save as &amp;DXF...</source>
        <translation>Opslaan als &amp;DXF...</translation>
    </message>
    <message>
        <source>PDF Pape&amp;r</source>
        <translation>PDF-papie&amp;r</translation>
    </message>
    <message>
        <source>Save Pattern</source>
        <translation>Patroon opslaan</translation>
    </message>
    <message>
        <source>Pro&amp;jector View...</source>
        <translation>Pro&amp;jectorweergave...</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer...</source>
        <translation>Printer &amp;kalibreren...</translation>
    </message>
    <message>
        <source>PDF Paper</source>
        <translation>PDF-papier</translation>
    </message>
</context>
<context>
    <name>tavrel::app::PrinterCalibrationDialog</name>
    <message>
        <source>Calibrate Printer</source>
        <translation>Printer kalibreren</translation>
    </message>
    <message>
        <source>Inches</source>
        <translatorcomment>same</translatorcomment>
        <translation>Inches</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translatorcomment>same</translatorcomment>
        <translation>Millimeters</translation>
    </message>
    <message>
        <source>&amp;Print Sheet</source>
        <translation>&amp;Testvel afdrukken</translation>
    </message>
    <message>
        <source>&amp;Save Correction</source>
        <translation>Correctie &amp;opslaan</translation>
    </message>
    <message>
        <source>&amp;Reset Correction</source>
        <translation>Correctie &amp;wissen</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translatorcomment>same</translatorcomment>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Correctie:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Eenheid:</translation>
    </message>
    <message>
        <source>None: prints go out as the printer makes them</source>
        <translation>Geen: de printer drukt af zonder correctie</translation>
    </message>
    <message>
        <source>&amp;Across bar (%1) measures:</source>
        <translation>&amp;Horizontale balk (%1) meet:</translation>
    </message>
    <message>
        <source>&amp;Down bar (%1) measures:</source>
        <translation>&amp;Verticale balk (%1) meet:</translation>
    </message>
    <message>
        <source>Type each length in millimeters, as 198.5.</source>
        <translation>Typ elke lengte in millimeters, zoals 198.5.</translation>
    </message>
    <message>
        <source>Type each length in inches, as 7.85 or 7 7/8.</source>
        <translation>Typ elke lengte in inches, zoals 7.85 of 7 7/8.</translation>
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
        <translation>Over Tavrel Maker</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number, such as 1.0.0.</extracomment>
        <translation>Versie %1.%2.%3</translation>
    </message>
    <message>
        <source>Written by: %1</source>
        <translation>Geschreven door: %1</translation>
    </message>
    <message>
        <source>Please send comments and suggestions 
to </source>
        <translation>Stuur opmerkingen en suggesties 
naar </translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmapictogram</translation>
    </message>
    <message>
        <source>Send mail to the author</source>
        <extracomment>The mail link&apos;s name for screen readers, which read the address after it.</extracomment>
        <translation>E-mail naar de auteur sturen</translation>
    </message>
    <message>
        <source>The Tavrel developers</source>
        <translation>De ontwikkelaars van Tavrel</translation>
    </message>
    <message>
        <source>This program draws a flat cutting pattern and its sizing
formula from a published source; see the user&apos;s guide.</source>
        <extracomment>The About box&apos;s two credit lines: keep the line break.</extracomment>
        <translation>Dit programma tekent een vlak snijpatroon en de maatformule
uit een gepubliceerde bron; zie de handleiding.</translation>
    </message>
</context>
<context>
    <name>tavrel::app::frmMain</name>
    <message>
        <source>Inches (Decimal)</source>
        <translation>Inches (decimaal)</translation>
    </message>
    <message>
        <source>Inches (Fractions)</source>
        <translation>Inches (breuken)</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translatorcomment>same</translatorcomment>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Print Pattern</source>
        <translation>Patroon afdrukken</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Af&amp;sluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translatorcomment>same</translatorcomment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over Tavrel</translation>
    </message>
    <message>
        <source>When printed, each division above should measure one centimeter</source>
        <translation>Na het afdrukken moet elk vak hierboven precies één centimeter lang zijn</translation>
    </message>
    <message>
        <source>When printed, each division above should measure one inch</source>
        <translation>Na het afdrukken moet elk vak hierboven precies één inch lang zijn</translation>
    </message>
    <message>
        <source>Enter the measurement in inches</source>
        <translation>Voer de maat in inches in</translation>
    </message>
    <message>
        <source>Enter the measurement in millimeters</source>
        <translation>Voer de maat in millimeters in</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Patroon</translation>
    </message>
</context>
<context>
    <name>tavrel::help::HelpBrowser</name>
    <message>
        <source>Page not found</source>
        <translation>Pagina niet gevonden</translation>
    </message>
    <message>
        <source>The help file has no page %1.</source>
        <extracomment>%1 is the page&apos;s address within the help file, such as &quot;printing.html&quot;.</extracomment>
        <translation>Het helpbestand heeft geen pagina %1.</translation>
    </message>
    <message>
        <source>Page too large</source>
        <translation>Pagina te groot</translation>
    </message>
    <message>
        <source>The page %1 is too large or too deeply nested for the help window to show.</source>
        <extracomment>%1 is the page&apos;s address within the help file, such as &quot;printing.html&quot;.</extracomment>
        <translation>De pagina %1 is te groot of te diep genest om in het helpvenster te tonen.</translation>
    </message>
</context>
<context>
    <name>tavrel::help::HelpWindow</name>
    <message>
        <source>Help</source>
        <translatorcomment>same</translatorcomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <extracomment>The window&apos;s title: the page&apos;s title, then the help file&apos;s.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigatie</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Vorige</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>V&amp;olgende</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Startpagina</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::CalibrationView</name>
    <message>
        <source>Calibration</source>
        <translation>Kalibratie</translation>
    </message>
    <message>
        <source>Type the bar&apos;s length in millimeters, such as 250.</source>
        <translation>Typ de lengte van de balk in millimeters, bijvoorbeeld 250.</translation>
    </message>
    <message>
        <source>Type the bar&apos;s length in inches, such as 7 7/8.</source>
        <translation>Typ de lengte van de balk in inches, bijvoorbeeld 7 7/8.</translation>
    </message>
    <message>
        <source>Drag the bar&apos;s right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in millimeters and press Enter. Esc leaves without calibrating.</source>
        <translation>Sleep het rechteruiteinde van de balk, of gebruik de pijltoetsen (met Shift voor grotere stappen), tot de balk overeenkomt met een lengte op je liniaal; of meet de balk gewoon op. Typ die lengte daarna in millimeters en druk op Enter. Esc breekt het kalibreren af.</translation>
    </message>
    <message>
        <source>Drag the bar&apos;s right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in inches, such as 7 7/8, and press Enter. Esc leaves without calibrating.</source>
        <translation>Sleep het rechteruiteinde van de balk, of gebruik de pijltoetsen (met Shift voor grotere stappen), tot de balk overeenkomt met een lengte op je liniaal; of meet de balk gewoon op. Typ die lengte daarna in inches, bijvoorbeeld 7 7/8, en druk op Enter. Esc breekt het kalibreren af.</translation>
    </message>
    <message>
        <source>Screen Calibration</source>
        <translation>Schermkalibratie</translation>
    </message>
    <message>
        <source>Bar length in millimeters</source>
        <translation>Lengte van de balk in millimeters</translation>
    </message>
    <message>
        <source>Bar length in inches</source>
        <translation>Lengte van de balk in inches</translation>
    </message>
    <message numerus="yes">
        <source>A bar of %Ln pixels cannot measure %1: screens show between %2 and %3 pixels per inch. Check the length and its unit.</source>
        <extracomment>%Ln is the bar&apos;s length on the screen, %1 the length the user typed, %2 and %3 the least and the most pixels per inch.</extracomment>
        <translation>
            <numerusform>Een balk van %Ln pixel kan geen %1 lang zijn: schermen tonen tussen %2 en %3 pixels per inch. Controleer de lengte en de eenheid.</numerusform>
            <numerusform>Een balk van %Ln pixels kan geen %1 lang zijn: schermen tonen tussen %2 en %3 pixels per inch. Controleer de lengte en de eenheid.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavrel::projector::CornerCalibrationView</name>
    <message>
        <source>Type the rectangle&apos;s size, for example 24 x 18 in or 600 x 450 mm.</source>
        <translation>Typ de grootte van de rechthoek, bijvoorbeeld 24 x 18 in of 600 x 450 mm.</translation>
    </message>
    <message>
        <source>The rectangle must be at least 4 x 4 inches (102 x 102 mm).</source>
        <translation>De rechthoek moet minstens 4 x 4 inch (102 x 102 mm) groot zijn.</translation>
    </message>
    <message>
        <source>The corners cross each other. Drag each handle onto its own corner of the rectangle.</source>
        <translation>De hoeken kruisen elkaar. Sleep elke greep naar zijn eigen hoek van de rechthoek.</translation>
    </message>
    <message>
        <source>A corner is turned inwards: the rectangle would fold over itself.</source>
        <translation>Een hoek is naar binnen gedraaid: de rechthoek zou over zichzelf heen vouwen.</translation>
    </message>
    <message>
        <source>The rectangle&apos;s size does not match what a screen can show. Check the size you typed.</source>
        <translation>De grootte van de rechthoek past niet bij wat een scherm kan tonen. Controleer de grootte die je hebt getypt.</translation>
    </message>
    <message>
        <source>Corner Calibration</source>
        <translation>Hoekkalibratie</translation>
    </message>
    <message>
        <source>Drag each handle onto a corner of a rectangle you know on the table, or select one with Tab and move it with the arrow keys (Shift: 10 pixels). Then type the rectangle&apos;s size and press Enter.</source>
        <translation>Sleep elke greep naar een hoek van een rechthoek op de tafel waarvan je de maten kent, of kies er een met Tab en verplaats hem met de pijltoetsen (Shift: 10 pixels). Typ daarna de grootte van de rechthoek en druk op Enter.</translation>
    </message>
    <message>
        <source>Rectangle size</source>
        <translation>Grootte van de rechthoek</translation>
    </message>
    <message>
        <source>Drag each point onto the crossing of the mat&apos;s grid it stands for, then press Enter. Esc keeps the corners alone.</source>
        <translation>Sleep elk punt naar het kruispunt van het raster op de snijmat waar het voor staat en druk dan op Enter. Esc bewaart alleen de hoeken.</translation>
    </message>
    <message>
        <source>Two points of the mesh cross or fold over each other. Drag each onto its own crossing.</source>
        <translation>Twee punten van het puntennet kruisen of vouwen over elkaar. Sleep elk punt naar zijn eigen kruispunt.</translation>
    </message>
    <message>
        <source>The stored corner calibration of this screen is damaged and was not used.</source>
        <translation>De bewaarde hoekkalibratie van dit scherm is beschadigd en is niet gebruikt.</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::MappedProjectorView</name>
    <message>
        <source>Projector View</source>
        <translation>Projectorweergave</translation>
    </message>
    <message>
        <source>The pattern at true scale on the calibrated table. The arrow keys move it, Page Down and Page Up show the next and the previous section; Esc leaves.</source>
        <translation>Het patroon op ware grootte op de gekalibreerde tafel. De pijltoetsen verschuiven het, Page Down en Page Up tonen het volgende en het vorige deel; Esc sluit de projectorweergave.</translation>
    </message>
    <message>
        <source>Section %1 of %2: %3</source>
        <extracomment>%1 is the section&apos;s number, %2 how many there are, %3 its label such as B2.</extracomment>
        <translation>Deel %1 van %2: %3</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::ProjectorDialog</name>
    <message>
        <source>Projector</source>
        <translatorcomment>same</translatorcomment>
        <translation>Projector</translation>
    </message>
    <message>
        <source>White lines on black</source>
        <translation>Witte lijnen op zwart</translation>
    </message>
    <message>
        <source>Black lines on white</source>
        <translation>Zwarte lijnen op wit</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Niets</translation>
    </message>
    <message>
        <source>A grid</source>
        <translation>Een raster</translation>
    </message>
    <message>
        <source>A ruler</source>
        <translation>Een liniaal</translation>
    </message>
    <message>
        <source>&amp;Show Pattern</source>
        <translation>Patroon &amp;tonen</translation>
    </message>
    <message>
        <source>&amp;Reset Calibration</source>
        <translation>Kalibratie &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Lines:</source>
        <translation>&amp;Lijnen:</translation>
    </message>
    <message>
        <source>Line &amp;width:</source>
        <translation>Lijn&amp;dikte:</translation>
    </message>
    <message>
        <source>Check the scale &amp;by:</source>
        <translation>Schaal contr&amp;oleren met:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Kalibratie:</translation>
    </message>
    <message>
        <source>%1 pixels per inch</source>
        <translatorcomment>same</translatorcomment>
        <translation>%1 pixels per inch</translation>
    </message>
    <message>
        <source>Not calibrated yet</source>
        <translation>Nog niet gekalibreerd</translation>
    </message>
    <message>
        <source>%1 (%2 x %3)</source>
        <extracomment>A screen: its name (width x height in pixels).</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 (%2 x %3)</translation>
    </message>
    <message>
        <source>C&amp;alibrate...</source>
        <translation>&amp;Kalibreren...</translation>
    </message>
    <message>
        <source>Scr&amp;een:</source>
        <translation>Sc&amp;herm:</translation>
    </message>
    <message numerus="yes">
        <source>%n pixel(s)</source>
        <translation>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixels</numerusform>
        </translation>
    </message>
    <message>
        <source>The calibration kept for %1 is damaged, so it is ignored. Calibrate the screen again before the pattern is shown on it.</source>
        <extracomment>%1 is the screen as the list of screens names it.</extracomment>
        <translation>De kalibratie die voor %1 bewaard is, is beschadigd en wordt daarom genegeerd. Kalibreer het scherm opnieuw voordat het patroon erop wordt getoond.</translation>
    </message>
    <message>
        <source>The calibrated rectangle</source>
        <translation>De gekalibreerde rechthoek</translation>
    </message>
    <message>
        <source>&amp;Mirror across</source>
        <translation>Ho&amp;rizontaal spiegelen</translation>
    </message>
    <message>
        <source>Mirror &amp;down</source>
        <translation>&amp;Verticaal spiegelen</translation>
    </message>
    <message>
        <source>0 degrees</source>
        <translation>0 graden</translation>
    </message>
    <message>
        <source>90 degrees</source>
        <translation>90 graden</translation>
    </message>
    <message>
        <source>180 degrees</source>
        <translation>180 graden</translation>
    </message>
    <message>
        <source>270 degrees</source>
        <translation>270 graden</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>3 x 3 points</source>
        <translation>3 x 3 punten</translation>
    </message>
    <message>
        <source>5 x 5 points</source>
        <translation>5 x 5 punten</translation>
    </message>
    <message>
        <source>Calibrate C&amp;orners...</source>
        <translation>Ho&amp;eken kalibreren...</translation>
    </message>
    <message>
        <source>&amp;Turn:</source>
        <translation>Dr&amp;aaien:</translation>
    </message>
    <message>
        <source>Mes&amp;h:</source>
        <translation>&amp;Puntennet:</translation>
    </message>
    <message>
        <source>Corners: %1 x %2 %3</source>
        <extracomment>The corner calibration&apos;s rectangle: %1 x %2 and the unit&apos;s short word, in or mm.</extracomment>
        <translation>Hoeken: %1 x %2 %3</translation>
    </message>
    <message>
        <source>Not corner calibrated</source>
        <translation>Hoeken nog niet gekalibreerd</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::ProjectorView</name>
    <message>
        <source>Projector View</source>
        <translation>Projectorweergave</translation>
    </message>
    <message>
        <source>The pattern at true scale. The arrow keys move it; Esc leaves.</source>
        <translation>Het patroon op ware grootte. De pijltoetsen verschuiven het; Esc sluit de projectorweergave.</translation>
    </message>
</context>
</TS>
