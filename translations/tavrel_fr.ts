<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CalibrationBars</name>
    <message>
        <source>%1 mm</source>
        <extracomment>A bar&apos;s length on the calibration sheet, such as &quot;200 mm&quot;.</extracomment>
        <translation>%1&#xa0;mm</translation>
    </message>
    <message>
        <source>%1 in</source>
        <extracomment>A bar&apos;s length on the calibration sheet, such as &quot;8 in&quot;.</extracomment>
        <translation>%1&#xa0;po</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>Print this sheet at 100 % (actual size), with no scaling and no &quot;fit to page&quot;. Measure each bar with a good ruler in millimeters, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern &gt; Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they come out at their true size.</source>
        <extracomment>&quot;Pattern &gt; Calibrate Printer...&quot; is a menu command: word it as the menu does.</extracomment>
        <translation>Imprimez cette feuille à 100&#xa0;% (taille réelle), sans mise à l’échelle ni «&#xa0;ajuster à la page&#xa0;». Mesurez chaque barre avec une bonne règle graduée en millimètres, du milieu d’un repère d’extrémité au milieu de l’autre. Dans Tavrel, choisissez Patron &gt; Étalonner l’imprimante... et tapez les deux longueurs mesurées&#xa0;: les impressions suivantes sur cette imprimante seront alors corrigées afin d’être aux dimensions exactes.</translation>
    </message>
    <message>
        <source>Print this sheet at 100 % (actual size), with no scaling and no &quot;fit to page&quot;. Measure each bar with a good ruler in inches, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern &gt; Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they come out at their true size.</source>
        <extracomment>&quot;Pattern &gt; Calibrate Printer...&quot; is a menu command: word it as the menu does.</extracomment>
        <translation>Imprimez cette feuille à 100&#xa0;% (taille réelle), sans mise à l’échelle ni «&#xa0;ajuster à la page&#xa0;». Mesurez chaque barre avec une bonne règle graduée en pouces, du milieu d’un repère d’extrémité au milieu de l’autre. Dans Tavrel, choisissez Patron &gt; Étalonner l’imprimante... et tapez les deux longueurs mesurées&#xa0;: les impressions suivantes sur cette imprimante seront alors corrigées afin d’être aux dimensions exactes.</translation>
    </message>
    <message>
        <source>The calibration sheet could not be made.</source>
        <translation>La feuille d’étalonnage n’a pas pu être créée.</translation>
    </message>
    <message>
        <source>Tavrel printer calibration</source>
        <translation>Tavrel – étalonnage de l’imprimante</translation>
    </message>
    <message>
        <source>Across: %1</source>
        <extracomment>%1 is the bar&apos;s length, such as &quot;8 in&quot;.</extracomment>
        <translation>Barre horizontale&#xa0;: %1</translation>
    </message>
    <message>
        <source>Down: %1</source>
        <extracomment>%1 is the bar&apos;s length, such as &quot;10 in&quot;.</extracomment>
        <translation>Barre verticale&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est indiqué deux fois</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>%1 (see tavrel --help)</source>
        <translation>%1 (voir tavrel --help)</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;: use decimal, fractions or millimeter</source>
        <translation>unité inconnue « %1 » : utilisez decimal, fractions ou millimeter</translation>
    </message>
    <message>
        <source>unknown paper &quot;%1&quot;: use %2; %3; or %4</source>
        <extracomment>%2, %3 and %4 are the names of the office papers, the copy-shop papers and the rolls.</extracomment>
        <translation>format de papier inconnu « %1 » : utilisez %2 ; %3 ; ou %4</translation>
    </message>
    <message>
        <source>--export needs --unit decimal, fractions or millimeter</source>
        <translation>--export demande --unit decimal, fractions ou millimeter</translation>
    </message>
    <message>
        <source>--export needs --measure TEXT</source>
        <translation>--export demande --measure TEXTE</translation>
    </message>
    <message>
        <source>--dpi takes a whole number of dots per inch from %1 to %2</source>
        <translation>--dpi attend un nombre entier de points par pouce, de %1 à %2</translation>
    </message>
    <message>
        <source>--paper goes with an export to FILE.pdf</source>
        <translation>--paper ne s’emploie qu’avec un export vers FICHIER.pdf</translation>
    </message>
    <message>
        <source>--correction takes two factors from 0.8 to 1.25, across and down, as 1.02,0.99</source>
        <translation>--correction attend deux facteurs avec un point décimal, de 0.8 à 1.25, en largeur et en hauteur, comme 1.02,0.99</translation>
    </message>
    <message>
        <source>--correction goes with an export to FILE.pdf</source>
        <translation>--correction ne s’emploie qu’avec un export vers FICHIER.pdf</translation>
    </message>
    <message>
        <source>--calibration-sheet goes only with --paper and --unit</source>
        <translation>--calibration-sheet ne s’emploie qu’avec --paper et --unit</translation>
    </message>
    <message>
        <source>--calibration-sheet writes a FILE.pdf</source>
        <translation>--calibration-sheet écrit un FICHIER.pdf</translation>
    </message>
    <message>
        <source>--unit, --measure, --dpi, --paper and --correction go with --export FILE</source>
        <translation>--unit, --measure, --dpi, --paper et --correction ne s’emploient qu’avec --export FICHIER</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in decimal inches: use 2.5 for decimal inches or --unit fractions for 2 1/2</source>
        <translation>--measure « %1 » n’est pas une mesure en pouces décimaux : utilisez 2.5 pour des pouces décimaux ou --unit fractions pour 2 1/2</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in millimeters: use digits with one point at most, as 63.5</source>
        <translation>--measure « %1 » n’est pas une mesure en millimètres : utilisez des chiffres avec au plus un point, comme 63.5</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two of a list of paper names, as &quot;legal or tabloid&quot;.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>(%1 x %2 in)</source>
        <extracomment>A paper&apos;s size in inches, as &quot;(24 x 36 in)&quot;.</extracomment>
        <translation>(%1 x %2 po)</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is unclear: a comma before three digits may group thousands. Write decimals with a point and thousands without a separator</source>
        <translation>--measure « %1 » est ambigu : une virgule suivie de trois chiffres peut séparer les milliers. Écrivez les décimales avec un point et les milliers sans séparateur</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in inches with fractions: use a whole number, a fraction, or both with one space between, as 2, 1/2 or 2 1/2</source>
        <translation>--measure « %1 » n’est pas une mesure en pouces avec fractions : utilisez un nombre entier, une fraction, ou les deux séparés par une espace, comme 2, 1/2 ou 2 1/2</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has decimals, which --unit fractions rounds away to whole inches: use --unit decimal for %1</source>
        <translation>--measure « %1 » a des décimales, que --unit fractions arrondit au pouce entier : utilisez --unit decimal pour %1</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has decimals in its whole inches, which --unit fractions rounds away: write them in the fraction, as 2 1/2, or use --unit decimal</source>
        <translation>--measure « %1 » a des décimales dans ses pouces entiers, que --unit fractions arrondit : écrivez-les dans la fraction, comme 2 1/2, ou utilisez --unit decimal</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has a fraction over 0: write a number above 0 after the slash, as 2 1/2</source>
        <translation>--measure « %1 » a une fraction sur 0 : écrivez un nombre supérieur à 0 après la barre oblique, comme 2 1/2</translation>
    </message>
    <message>
        <source>--export FILE ends in a dot: end it in .png, .svg, .pdf or .dxf</source>
        <translation>--export FICHIER se termine par un point : terminez-le par .png, .svg, .pdf ou .dxf</translation>
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
        <translation>Utilisation : tavrel [--unit UNITÉ --measure TEXTE --export FICHIER [--dpi N]
                     [--paper PAPIER] [--correction X,Y]]
              tavrel --calibration-sheet FICHIER.pdf [--paper PAPIER]
                     [--unit UNITÉ]

Sans option, ouvre la fenêtre. Avec --export, trace le patron d’une mesure dans
FICHIER, sans ouvrir de fenêtre. Avec --calibration-sheet, écrit la feuille qui
mesure l’erreur d’échelle d’une imprimante : une barre horizontale et une barre
verticale de 8 po (20 cm avec --unit millimeter ; sans --unit, dans l’unité
des paramètres régionaux) ou aussi longues que le papier le permet.

  --unit UNITÉ      decimal (pouces, comme 2.5), fractions (pouces, comme
                    &quot;2 1/2&quot;) ou millimeter (comme 63.5)
  --measure TEXTE   la mesure, lue comme la lit la zone de saisie de la fenêtre
  --export FICHIER  FICHIER.png : l’image, à un pixel d’image par pixel
                    d’écran, avec sa résolution enregistrée ; FICHIER.svg :
                    dessin vectoriel en taille réelle ; FICHIER.pdf : pages à
                    imprimer à 100 %, en mosaïque si le patron dépasse le
                    papier ; FICHIER.dxf : lignes et arcs en taille réelle pour
                    machines de découpe et CAO, en pouces ou en millimètres
                    selon l’unité
  --dpi N           la résolution d’écran pour laquelle tracer, en points par
                    pouce (24 à 1440 ; 96 par défaut)
  --paper PAPIER    le format de papier du PDF :
                    %1 (par défaut letter là où
                    les paramètres régionaux mesurent en unités américaines,
                    sinon a4) ; pour les boutiques de reprographie
                    %2 ; ou
                    un rouleau, %3 : pages
                    de la largeur du rouleau, aussi longues que le patron
                    l’exige, jusqu’à 200 po
  --correction X,Y  compense l’erreur d’échelle d’une imprimante : les pages du
                    PDF sont agrandies d’un facteur X en largeur et d’un
                    facteur Y en hauteur (0.8 à 1.25, comme 1.02,0.99),
                    chacun étant la longueur d’une barre de la feuille
                    d’étalonnage divisée par la longueur mesurée
  --lang CODE       la langue de la fenêtre et de ces messages, comme de ou
                    pt_BR (par défaut, celle du système)
  -h, --help        affiche cette aide
  -v, --version     affiche la version

La valeur d’une option se donne comme argument suivant ou après « = »
(--dpi=120).
Code de sortie : 0 fichier écrit, 1 rien d’écrit (pas de mesure, trop grand,
écriture impossible), 2 options incorrectes. Un FICHIER existant n’est jamais
remplacé que par un dessin complet.
</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Pattern Maker</source>
        <translation>Créateur de patrons</translation>
    </message>
    <message>
        <source>Draft a full-size cutting pattern from one measurement and print it at true scale</source>
        <translation>Tracer un patron en taille réelle à partir d’une seule mesure et l’imprimer à l’échelle exacte</translation>
    </message>
    <message>
        <source>sewing;pattern;craft;template;print;true scale;</source>
        <extracomment>Words a sewist types into the desktop&apos;s search to find the program, each followed by a semicolon.</extracomment>
        <translation>couture;patron;travaux manuels;gabarit;imprimer;taille réelle;</translation>
    </message>
</context>
<context>
    <name>DocumentTitles</name>
    <message>
        <source>Tavrel pattern</source>
        <extracomment>A document&apos;s title and a print job&apos;s name.</extracomment>
        <translation>Patron Tavrel</translation>
    </message>
    <message>
        <source>A flat cutting pattern at true size, in millimeters.</source>
        <translation>Un patron à plat en taille réelle, en millimètres.</translation>
    </message>
    <message>
        <source>Tavrel printer calibration</source>
        <extracomment>A document&apos;s title and a print job&apos;s name.</extracomment>
        <translation>Étalonnage d’imprimante Tavrel</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the picture could not be encoded.</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: l’image n’a pas pu être encodée.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <extracomment>%2 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a disk or a socket, not a file.</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: c’est un périphérique ou un socket, pas un fichier.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: no program is reading from this pipe.</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: aucun programme ne lit ce tube.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: its folder &quot;%2&quot; does not let you add files, and the new file is written there before it replaces the old one.</source>
        <extracomment>%2 is the folder of the file %1.</extracomment>
        <translation>Impossible d’écrire « %1 » : son dossier « %2 » ne vous permet pas d’y ajouter des fichiers, et le nouveau fichier y est écrit avant de remplacer l’ancien.</translation>
    </message>
</context>
<context>
    <name>Extras</name>
    <message>
        <source>A part of Tavrel is missing or damaged (%1). Install the program again.</source>
        <translation>Un élément de Tavrel est manquant ou endommagé (%1). Réinstallez le programme.</translation>
    </message>
    <message>
        <source>%1 is not the module built with this program</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 n’est pas le module compilé avec ce programme</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 n’est pas un fichier</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help Not Available</source>
        <translation>Aide non disponible</translation>
    </message>
    <message>
        <source>The help file could not be found or read:
%1</source>
        <translation>Le fichier d’aide est introuvable ou illisible&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The help file is damaged or is not a help file:
%1</source>
        <translation>Le fichier d’aide est endommagé ou n’est pas un fichier d’aide&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>English</source>
        <extracomment>This language&apos;s own name, as a list of languages shows it: &quot;Deutsch&quot; in German.</extracomment>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Full-size cutting patterns from one measurement</source>
        <translation>Des patrons en taille réelle à partir d’une seule mesure</translation>
    </message>
    <message>
        <source>Tavrel drafts a flat cutting pattern from a single measurement and prints it at its real size, ready to pin to fabric or trace onto cardstock.</source>
        <translation>Tavrel trace un patron à plat à partir d’une seule mesure et l’imprime en taille réelle, prêt à épingler sur le tissu ou à reporter sur du carton.</translation>
    </message>
    <message>
        <source>Choose inches as decimals, inches with fractions such as 2 1/2, or millimeters, type the measurement, and the pattern follows every keystroke. A ruler under the pattern tells what one division must measure on paper, so you can check that the printout came out at 100 %. Patterns can also be saved as PDF, SVG, PNG or DXF files.</source>
        <translation>Choisissez les pouces en décimales, les pouces en fractions comme 2 1/2 ou les millimètres, tapez la mesure, et le patron suit chaque frappe. Une règle sous le patron indique ce qu’une division doit mesurer sur le papier, pour vérifier que l’impression est sortie à 100 %. Les patrons peuvent aussi être enregistrés en fichiers PDF, SVG, PNG ou DXF.</translation>
    </message>
    <message>
        <source>A pattern for 2 1/2 inches with its check ruler</source>
        <translation>Un patron pour 2 1/2 pouces avec sa règle de contrôle</translation>
    </message>
</context>
<context>
    <name>PaperMenu</name>
    <message>
        <source>&amp;Letter (8.5 x 11 in)</source>
        <translation>&amp;Letter (8,5 x 11 po)</translation>
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
        <translation>Le&amp;gal (8,5 x 14 po)</translation>
    </message>
    <message>
        <source>&amp;Tabloid (11 x 17 in)</source>
        <translation>&amp;Tabloïd (11 x 17 po)</translation>
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
        <translation>Arch &amp;D (24 x 36 po)</translation>
    </message>
    <message>
        <source>Arch &amp;E (36 x 48 in)</source>
        <translation>Arch &amp;E (36 x 48 po)</translation>
    </message>
    <message>
        <source>&amp;Roll, 36 in wide</source>
        <translation>&amp;Rouleau de 36 po de large</translation>
    </message>
    <message>
        <source>R&amp;oll, 24 in wide</source>
        <translation>R&amp;ouleau de 24 po de large</translation>
    </message>
    <message>
        <source>Roll, 914 &amp;mm wide</source>
        <translation>Rouleau de 914 &amp;mm de large</translation>
    </message>
</context>
<context>
    <name>PatternDescription</name>
    <message>
        <source>Pattern for %1 millimeters, %2 by %3 millimeters when printed</source>
        <translation>Patron pour %1 millimètres, %2 sur %3 millimètres une fois imprimé</translation>
    </message>
    <message>
        <source>Pattern for %1 inches, %2 by %3 inches when printed</source>
        <translation>Patron pour %1 pouces, %2 sur %3 pouces une fois imprimé</translation>
    </message>
</context>
<context>
    <name>PatternExport</name>
    <message>
        <source>Too large to draw. The largest measurement is %1 millimeters.</source>
        <extracomment>%1 is a number, such as 2312.</extracomment>
        <translation>Trop grand pour être tracé. La mesure maximale est de %1 millimètres.</translation>
    </message>
    <message>
        <source>Too large to draw. The largest measurement is %1 inches.</source>
        <extracomment>%1 is a number, such as 91.02 or 91.</extracomment>
        <translation>Trop grand pour être tracé. La mesure maximale est de %1 pouces.</translation>
    </message>
    <message>
        <source>Nothing to draw: &quot;%1&quot; is not a measurement above 0.</source>
        <translation>Rien à tracer&#xa0;: «&#xa0;%1&#xa0;» n’est pas une mesure supérieure à 0.</translation>
    </message>
</context>
<context>
    <name>PdfPages</name>
    <message>
        <source>When printed, this bar should measure one centimeter</source>
        <translation>Une fois imprimée, cette barre doit mesurer un centimètre</translation>
    </message>
    <message>
        <source>When printed, this bar should measure one inch</source>
        <translation>Une fois imprimée, cette barre doit mesurer un pouce</translation>
    </message>
    <message>
        <source>Print every page at 100 % (actual size), with no scaling and no &quot;fit to page&quot;: the bar at the foot of each page must then measure one centimeter. Cut each page along the top and the left line of its frame. Then lay the pages out as in the diagram below, each page over its neighbors to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 12.7 mm (1/2 inch).</source>
        <translation>Imprimez chaque page à 100&#xa0;% (taille réelle), sans mise à l’échelle ni «&#xa0;ajuster à la page&#xa0;»&#xa0;: la barre au bas de chaque page doit alors mesurer un centimètre. Coupez chaque page le long des traits supérieur et gauche de son cadre. Disposez ensuite les pages comme sur le plan ci-dessous, chaque page par-dessus ses voisines de gauche et du haut, ses bords coupés posés sur leurs traits pointillés, de sorte que les deux moitiés de chaque croix cerclée se rejoignent. Assemblez-les avec du ruban adhésif. Les pages se chevauchent de 12,7&#xa0;mm (un demi-pouce).</translation>
    </message>
    <message>
        <source>Print every page at 100 % (actual size), with no scaling and no &quot;fit to page&quot;: the bar at the foot of each page must then measure one inch. Cut each page along the top and the left line of its frame. Then lay the pages out as in the diagram below, each page over its neighbors to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 1/2 inch (12.7 mm).</source>
        <translation>Imprimez chaque page à 100&#xa0;% (taille réelle), sans mise à l’échelle ni «&#xa0;ajuster à la page&#xa0;»&#xa0;: la barre au bas de chaque page doit alors mesurer un pouce. Coupez chaque page le long des traits supérieur et gauche de son cadre. Disposez ensuite les pages comme sur le plan ci-dessous, chaque page par-dessus ses voisines de gauche et du haut, ses bords coupés posés sur leurs traits pointillés, de sorte que les deux moitiés de chaque croix cerclée se rejoignent. Assemblez-les avec du ruban adhésif. Les pages se chevauchent d’un demi-pouce (12,7&#xa0;mm).</translation>
    </message>
    <message numerus="yes">
        <source>Tavrel pattern on %n pages: %1 across, %2 down</source>
        <extracomment>The map&apos;s title: %n pages in all, the map included; %1 columns of pages across and %2 rows down.</extracomment>
        <translation>
            <numerusform>Patron Tavrel sur %n page&#xa0;: %1 en largeur, %2 en hauteur</numerusform>
            <numerusform>Patron Tavrel sur %n pages&#xa0;: %1 en largeur, %2 en hauteur</numerusform>
        </translation>
    </message>
    <message>
        <source>Page %1 of %2: column %3 of %4, row %5 of %6.</source>
        <translation>Page %1 sur %2&#xa0;: colonne %3 sur %4, rangée %5 sur %6.</translation>
    </message>
    <message>
        <source>Print at 100 % (actual size), no scaling.</source>
        <translation>Imprimez à 100&#xa0;% (taille réelle), sans mise à l’échelle.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Cannot export to &quot;%1&quot;: the file name must end in .png, .svg, .pdf or .dxf.</source>
        <translation>Impossible d’exporter vers «&#xa0;%1&#xa0;»&#xa0;: le nom du fichier doit se terminer par .png, .svg, .pdf ou .dxf.</translation>
    </message>
    <message>
        <source>Too small to draw. At this measurement the pattern is less than one pixel high.</source>
        <translation>Trop petit pour être tracé. À cette mesure, le patron fait moins d’un pixel de haut.</translation>
    </message>
</context>
<context>
    <name>PrintCorrection</name>
    <message>
        <source>%1 % across, %2 % down</source>
        <extracomment>A printer&apos;s correction: the scale its prints are made at, across and down the page, where 100 % changes nothing.</extracomment>
        <translation>%1&#xa0;% en largeur, %2&#xa0;% en hauteur</translation>
    </message>
</context>
<context>
    <name>PrintQuestion</name>
    <message>
        <source>The pattern does not fit the page at its usual place. It will print on one page of %1 on &quot;%2&quot;, moved in from the corner.</source>
        <extracomment>%1 is the paper, such as A4; %2 the printer.</extracomment>
        <translation>Le patron ne tient pas sur la page à son emplacement habituel. Il sera imprimé sur une seule page au format %1 par l’imprimante «&#xa0;%2&#xa0;», décalé vers l’intérieur depuis le coin.</translation>
    </message>
    <message numerus="yes">
        <source>The pattern is larger than the page. It will print whole on %n pages of %1 on &quot;%2&quot;: first a diagram of how the pages fit together, then the pages to tape together.</source>
        <extracomment>%n pages in all, the diagram&apos;s page included; %1 the paper, such as A4; %2 the printer.</extracomment>
        <translation>
            <numerusform>Le patron est plus grand que la page. Il sera imprimé en entier sur %n page au format %1 par l’imprimante «&#xa0;%2&#xa0;»&#xa0;: d’abord un plan des pages, puis les pages à assembler avec du ruban adhésif comme le montre le plan.</numerusform>
            <numerusform>Le patron est plus grand que la page. Il sera imprimé en entier sur %n pages au format %1 par l’imprimante «&#xa0;%2&#xa0;»&#xa0;: d’abord un plan des pages, puis les pages à assembler avec du ruban adhésif comme le montre le plan.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Pattern</source>
        <translation>Imprimer le patron</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>The correction kept for the printer &quot;%1&quot; is damaged, so it is ignored: the pattern prints as the printer makes it. Calibrate the printer again to correct its prints.</source>
        <extracomment>%1 is the printer.</extracomment>
        <translation>La correction enregistrée pour l’imprimante «&#xa0;%1&#xa0;» est endommagée et donc ignorée&#xa0;: le patron s’imprime tel que l’imprimante le produit. Étalonnez de nouveau l’imprimante pour corriger ses impressions.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There is no default printer (%1). Choose one in the system&apos;s printer settings, then print again.</source>
        <extracomment>%1 is the print system&apos;s reason.</extracomment>
        <translation>Aucune imprimante par défaut n’est définie (%1). Choisissez-en une dans les paramètres d’impression du système, puis relancez l’impression.</translation>
    </message>
    <message>
        <source>The page for the printer &quot;%1&quot; could not be prepared. Nothing was printed.</source>
        <translation>La page n’a pas pu être préparée pour l’imprimante «&#xa0;%1&#xa0;». Rien n’a été imprimé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2. Nothing was printed.</source>
        <extracomment>%1 is the printer, %2 the print system&apos;s reason.</extracomment>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas accepté la tâche&#xa0;: %2. Rien n’a été imprimé.</translation>
    </message>
    <message>
        <source>There is no default printer. Choose one in the system&apos;s printer settings, then print again.</source>
        <translation>Aucune imprimante par défaut n’est définie. Choisissez-en une dans les paramètres d’impression du système, puis relancez l’impression.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started. Nothing was printed.</source>
        <translation>Impossible de lancer l’impression sur l’imprimante «&#xa0;%1&#xa0;». Rien n’a été imprimé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job. Nothing was printed.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas accepté la tâche. Rien n’a été imprimé.</translation>
    </message>
    <message>
        <source>Printing is not available on this system: no print service is running.</source>
        <translation>L’impression n’est pas disponible sur ce système&#xa0;: aucun service d’impression n’est lancé.</translation>
    </message>
</context>
<context>
    <name>PrinterCalibration</name>
    <message>
        <source>These lengths would need a correction of %1, beyond what a printer at 100 % needs (%2 % to %3 %). Check that the sheet was printed at 100 %, measure the bars again, and type the lengths in the unit chosen here.</source>
        <extracomment>%1 is the correction, such as &quot;130 % across, 99.5 % down&quot;; %2 and %3 are the least and the greatest percentages, 80 and 125.</extracomment>
        <translation>Ces longueurs demanderaient une correction de %1, au-delà de ce qu’il faut à une imprimante réglée à 100&#xa0;% (de %2&#xa0;% à %3&#xa0;%). Vérifiez que la feuille a été imprimée à 100&#xa0;%, mesurez de nouveau les barres et tapez les longueurs dans l’unité choisie ici.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>there is no display to open the window on. To export a pattern to a file instead: tavrel --unit fractions --measure &quot;2 1/2&quot; --export pattern.png (see tavrel --help)</source>
        <extracomment>The command stays as it is: it must be typed so.</extracomment>
        <translation>aucun écran sur lequel ouvrir la fenêtre. Pour exporter plutôt un patron dans un fichier : tavrel --unit fractions --measure &quot;2 1/2&quot; --export pattern.png (voir tavrel --help)</translation>
    </message>
</context>
<context>
    <name>ReadingNotice</name>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3; choose %4 for %1</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 and %4 the units&apos; captions.</extracomment>
        <translation>
            <numerusform>En %3, %1 est dessiné comme %2 pouce ; choisissez %4 pour %1</numerusform>
            <numerusform>En %3, %1 est dessiné comme %2 pouces ; choisissez %4 pour %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3, whose whole inches are rounded</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>En %3, %1 est dessiné comme %2 pouce, car les pouces entiers y sont arrondis</numerusform>
            <numerusform>En %3, %1 est dessiné comme %2 pouces, car les pouces entiers y sont arrondis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3: a fraction over 0 counts as none</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>En %3, %1 est dessiné comme %2 pouce : une fraction sur 0 ne compte pas</numerusform>
            <numerusform>En %3, %1 est dessiné comme %2 pouces : une fraction sur 0 ne compte pas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3; type a whole number, a space and a fraction, as 2 1/2</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>En %3, %1 est dessiné comme %2 pouce ; tapez un nombre entier, une espace et une fraction, comme 2 1/2</numerusform>
            <numerusform>En %3, %1 est dessiné comme %2 pouces ; tapez un nombre entier, une espace et une fraction, comme 2 1/2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>espace insécable</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulation</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>saut de ligne</translation>
    </message>
    <message>
        <source>point</source>
        <translatorcomment>same</translatorcomment>
        <translation>point</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>virgule</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>barre oblique</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>character U+%1</source>
        <translation>U+%1</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes no %1.</source>
        <translation>Rien n’a été collé : le champ refuse le caractère %1.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes no %1.</source>
        <translation>Rien n’a été déposé : le champ refuse le caractère %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes only one %1.</source>
        <translation>Rien n’a été collé : le champ n’accepte qu’une fois le caractère %1.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes only one %1.</source>
        <translation>Rien n’a été déposé : le champ n’accepte qu’une fois le caractère %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes no %1 at the start.</source>
        <translation>Rien n’a été collé : le champ refuse le caractère %1 au début.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes no %1 at the start.</source>
        <translation>Rien n’a été déposé : le champ refuse le caractère %1 au début.</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save as SVG</source>
        <translation>Enregistrer en SVG</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Enregistrer en PNG</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Save as DXF</source>
        <translation>Enregistrer en DXF</translation>
    </message>
    <message>
        <source>DXF drawing for cutters (*.dxf)</source>
        <translation>Dessin DXF pour machines de découpe (*.dxf)</translation>
    </message>
    <message>
        <source>None: the pattern at its true size</source>
        <translation>Aucune&#xa0;: le PDF garde ses dimensions exactes</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is a printer, %2 its correction, such as &quot;102 % across, 99.5 % down&quot;.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Correct &amp;for printer:</source>
        <translation>&amp;Corriger pour l’imprimante&#xa0;:</translation>
    </message>
    <message>
        <source>pattern</source>
        <extracomment>The name offered for a new file, without its suffix.</extracomment>
        <translation>patron</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Tavrel could not write its settings file %1, so this change holds only until Tavrel closes. Check that its folder can be written to and that the disk is not full.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Tavrel n’a pas pu écrire son fichier de réglages %1&#xa0;: cette modification ne vaut donc que jusqu’à la fermeture de Tavrel. Vérifiez que son dossier est accessible en écriture et que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>Tavrel&apos;s settings file %1 is damaged. The settings that could be read are kept; the rest could not be copied aside and goes with the next change.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Le fichier de réglages %1 de Tavrel est endommagé. Les réglages lisibles sont conservés ; le reste n’a pas pu être mis de côté et disparaîtra à la prochaine modification.</translation>
    </message>
    <message>
        <source>Tavrel&apos;s settings file %1 is damaged. The settings that could be read are kept; the file as it was is set aside as %2.</source>
        <extracomment>%1 is the settings file, %2 the copy of it as it was.</extracomment>
        <translation>Le fichier de réglages %1 de Tavrel est endommagé. Les réglages lisibles sont conservés ; le fichier tel qu’il était est mis de côté sous le nom %2.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Print at 100 % (&quot;Actual size&quot;), not &quot;Fit to page&quot;, then check the ruler on the printout.</source>
        <extracomment>Under the pattern, before printing. &quot;Actual size&quot; and &quot;Fit to page&quot; are the print dialog&apos;s settings as browsers and PDF viewers name them in the language.</extracomment>
        <translation>Imprimez à 100&#xa0;% («&#xa0;Taille réelle&#xa0;»), et non «&#xa0;Ajuster à la page&#xa0;», puis vérifiez la règle de contrôle sur la feuille imprimée.</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The caption of the list of languages.</extracomment>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Install Tavrel</source>
        <extracomment>A button that installs the page as a program on the computer or phone.</extracomment>
        <translation>Installer Tavrel</translation>
    </message>
    <message>
        <source>Works offline</source>
        <extracomment>Said of the page once installed: it needs no internet connection.</extracomment>
        <translation>Fonctionne hors ligne</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>A button that saves the pattern as a file.</extracomment>
        <translation>Télécharger</translation>
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
        <translation>Fermer</translation>
    </message>
    <message>
        <source>One correction is kept, for the printer this browser prints on.</source>
        <extracomment>In Pattern &gt; Calibrate Printer, beside &quot;Printer:&quot;: the browser does not say which printer it prints on, so the page keeps one correction for all of it.</extracomment>
        <translation>Une seule correction est conservée, pour l’imprimante sur laquelle imprime ce navigateur.</translation>
    </message>
    <message>
        <source>Open the calibration sheet to print</source>
        <extracomment>A link in Pattern &gt; Calibrate Printer, once the sheet is made: it opens the sheet&apos;s PDF.</extracomment>
        <translation>Ouvrir la feuille d’étalonnage à imprimer</translation>
    </message>
    <message>
        <source>This browser keeps no data for this page, so the correction could not be kept.</source>
        <extracomment>When the browser refuses to store anything for the page (private mode, full storage).</extracomment>
        <translation>Ce navigateur ne conserve aucune donnée pour cette page&#xa0;; la correction n’a donc pas pu être conservée.</translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>The name, for screen readers, of the three units the measurement is typed in.</extracomment>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button that closes a question without doing what it asks.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open the pattern to print</source>
        <extracomment>A link under the sentence on printing at 100 %: it opens the pattern&apos;s PDF to print.</extracomment>
        <translation>Ouvrir le patron pour l’imprimer</translation>
    </message>
    <message>
        <source>The pattern does not fit the page at its usual place. It will print on one page of %1, moved in from the corner.</source>
        <extracomment>Before printing a pattern just too large for its usual place. %1 is the paper, such as A4.</extracomment>
        <translation>Le patron ne tient pas sur la page à son emplacement habituel. Il sera imprimé sur une seule page au format %1, décalé vers l’intérieur depuis le coin.</translation>
    </message>
    <message numerus="yes">
        <source>The pattern is larger than the page. It will print whole on %n pages of %1: first a diagram of how the pages fit together, then the pages to tape together.</source>
        <extracomment>Before printing a pattern larger than the page. %n pages in all, the diagram&apos;s page included; %1 the paper, such as A4.</extracomment>
        <translation>
            <numerusform>Le patron est plus grand que la page. Il sera imprimé en entier sur %n page au format %1 : d’abord un plan des pages, puis les pages à assembler avec du ruban adhésif comme le montre le plan.</numerusform>
            <numerusform>Le patron est plus grand que la page. Il sera imprimé en entier sur %n pages au format %1 : d’abord un plan des pages, puis les pages à assembler avec du ruban adhésif comme le montre le plan.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavrel::app::PatternMenu</name>
    <message>
        <source>&amp;Pattern</source>
        <translation>&amp;Patron</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>Enregistrer en &amp;PDF...</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>Enregistrer en &amp;SVG...</translation>
    </message>
    <message>
        <source>Save as P&amp;NG...</source>
        <translation>Enregistrer en P&amp;NG...</translation>
    </message>
    <message>
        <source>Save as &amp;DXF...</source>
        <translation>Enregistrer en &amp;DXF...</translation>
    </message>
    <message>
        <source>PDF Pape&amp;r</source>
        <translation>Format de papie&amp;r PDF</translation>
    </message>
    <message>
        <source>Save Pattern</source>
        <translation>Enregistrer le patron</translation>
    </message>
    <message>
        <source>Pro&amp;jector View...</source>
        <translation>Mode pro&amp;jecteur...</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer...</source>
        <translation>É&amp;talonner l’imprimante...</translation>
    </message>
    <message>
        <source>PDF Paper</source>
        <translation>Format de papier PDF</translation>
    </message>
</context>
<context>
    <name>tavrel::app::PrinterCalibrationDialog</name>
    <message>
        <source>Calibrate Printer</source>
        <translation>Étalonner l’imprimante</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimètres</translation>
    </message>
    <message>
        <source>&amp;Print Sheet</source>
        <translation>&amp;Imprimer la feuille</translation>
    </message>
    <message>
        <source>&amp;Save Correction</source>
        <translation>&amp;Enregistrer la correction</translation>
    </message>
    <message>
        <source>&amp;Reset Correction</source>
        <translation>&amp;Réinitialiser la correction</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Imprimante&#xa0;:</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Correction&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unité&#xa0;:</translation>
    </message>
    <message>
        <source>None: prints go out as the printer makes them</source>
        <translation>Aucune&#xa0;: les impressions sortent telles que l’imprimante les produit</translation>
    </message>
    <message>
        <source>&amp;Across bar (%1) measures:</source>
        <translation>La barre &amp;horizontale (%1) mesure&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Down bar (%1) measures:</source>
        <translation>La barre &amp;verticale (%1) mesure&#xa0;:</translation>
    </message>
    <message>
        <source>Type each length in millimeters, as 198.5.</source>
        <translation>Tapez chaque longueur en millimètres, par exemple 198.5.</translation>
    </message>
    <message>
        <source>Type each length in inches, as 7.85 or 7 7/8.</source>
        <translation>Tapez chaque longueur en pouces, par exemple 7.85 ou 7 7/8.</translation>
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
        <translation>À propos de Tavrel Maker</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number, such as 1.0.0.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Written by: %1</source>
        <translation>Auteur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Please send comments and suggestions 
to </source>
        <translation>Envoyez vos remarques et suggestions 
à </translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icône du programme</translation>
    </message>
    <message>
        <source>Send mail to the author</source>
        <extracomment>The mail link&apos;s name for screen readers, which read the address after it.</extracomment>
        <translation>Écrire à l’auteur</translation>
    </message>
    <message>
        <source>The Tavrel developers</source>
        <translation>Les développeurs de Tavrel</translation>
    </message>
    <message>
        <source>This program draws a flat cutting pattern and its sizing
formula from a published source; see the user&apos;s guide.</source>
        <extracomment>The About box&apos;s two credit lines: keep the line break.</extracomment>
        <translation>Ce programme trace un patron à plat et sa formule de taille
d’après une source publiée ; voir le guide de l’utilisateur.</translation>
    </message>
</context>
<context>
    <name>tavrel::app::frmMain</name>
    <message>
        <source>Inches (Decimal)</source>
        <translation>Pouces (décimaux)</translation>
    </message>
    <message>
        <source>Inches (Fractions)</source>
        <translation>Pouces (fractions)</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>Millimètres</translation>
    </message>
    <message>
        <source>Print Pattern</source>
        <translation>Imprimer le patron</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Tavrel</translation>
    </message>
    <message>
        <source>When printed, each division above should measure one centimeter</source>
        <translation>À l’impression, chaque division ci-dessus doit mesurer un centimètre</translation>
    </message>
    <message>
        <source>When printed, each division above should measure one inch</source>
        <translation>À l’impression, chaque division ci-dessus doit mesurer un pouce</translation>
    </message>
    <message>
        <source>Enter the measurement in inches</source>
        <translation>Saisissez la mesure en pouces</translation>
    </message>
    <message>
        <source>Enter the measurement in millimeters</source>
        <translation>Saisissez la mesure en millimètres</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Patron</translation>
    </message>
</context>
<context>
    <name>tavrel::help::HelpBrowser</name>
    <message>
        <source>Page not found</source>
        <translation>Page introuvable</translation>
    </message>
    <message>
        <source>The help file has no page %1.</source>
        <extracomment>%1 is the page&apos;s address within the help file, such as &quot;printing.html&quot;.</extracomment>
        <translation>Le fichier d’aide ne contient pas de page %1.</translation>
    </message>
    <message>
        <source>Page too large</source>
        <translation>Page trop volumineuse</translation>
    </message>
    <message>
        <source>The page %1 is too large or too deeply nested for the help window to show.</source>
        <extracomment>%1 is the page&apos;s address within the help file, such as &quot;printing.html&quot;.</extracomment>
        <translation>La page %1 est trop volumineuse ou trop profondément imbriquée pour que la fenêtre d’aide puisse l’afficher.</translation>
    </message>
</context>
<context>
    <name>tavrel::help::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
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
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Accueil</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::CalibrationView</name>
    <message>
        <source>Calibration</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Type the bar&apos;s length in millimeters, such as 250.</source>
        <translation>Tapez la longueur de la barre en millimètres, par exemple 250.</translation>
    </message>
    <message>
        <source>Type the bar&apos;s length in inches, such as 7 7/8.</source>
        <translation>Tapez la longueur de la barre en pouces, par exemple 7 7/8.</translation>
    </message>
    <message>
        <source>Drag the bar&apos;s right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in millimeters and press Enter. Esc leaves without calibrating.</source>
        <translation>Faites glisser l’extrémité droite de la barre, ou utilisez les touches fléchées (avec Maj pour des pas plus grands), jusqu’à ce qu’elle corresponde à une longueur de votre règle&#xa0;; ou mesurez simplement la barre. Tapez ensuite cette longueur en millimètres et appuyez sur Entrée. Échap permet de quitter sans étalonner.</translation>
    </message>
    <message>
        <source>Drag the bar&apos;s right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in inches, such as 7 7/8, and press Enter. Esc leaves without calibrating.</source>
        <translation>Faites glisser l’extrémité droite de la barre, ou utilisez les touches fléchées (avec Maj pour des pas plus grands), jusqu’à ce qu’elle corresponde à une longueur de votre règle&#xa0;; ou mesurez simplement la barre. Tapez ensuite cette longueur en pouces, par exemple 7 7/8, et appuyez sur Entrée. Échap permet de quitter sans étalonner.</translation>
    </message>
    <message>
        <source>Screen Calibration</source>
        <translation>Étalonnage de l’écran</translation>
    </message>
    <message>
        <source>Bar length in millimeters</source>
        <translation>Longueur de la barre en millimètres</translation>
    </message>
    <message>
        <source>Bar length in inches</source>
        <translation>Longueur de la barre en pouces</translation>
    </message>
    <message numerus="yes">
        <source>A bar of %Ln pixels cannot measure %1: screens show between %2 and %3 pixels per inch. Check the length and its unit.</source>
        <extracomment>%Ln is the bar&apos;s length on the screen, %1 the length the user typed, %2 and %3 the least and the most pixels per inch.</extracomment>
        <translation>
            <numerusform>Une barre de %Ln pixel ne peut pas mesurer %1&#xa0;: les écrans affichent entre %2 et %3 pixels par pouce. Vérifiez la longueur et son unité.</numerusform>
            <numerusform>Une barre de %Ln pixels ne peut pas mesurer %1&#xa0;: les écrans affichent entre %2 et %3 pixels par pouce. Vérifiez la longueur et son unité.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavrel::projector::CornerCalibrationView</name>
    <message>
        <source>Type the rectangle&apos;s size, for example 24 x 18 in or 600 x 450 mm.</source>
        <translation>Tapez la taille du rectangle, par exemple 24 x 18 in ou 600 x 450 mm.</translation>
    </message>
    <message>
        <source>The rectangle must be at least 4 x 4 inches (102 x 102 mm).</source>
        <translation>Le rectangle doit mesurer au moins 4 x 4 pouces (102 x 102 mm).</translation>
    </message>
    <message>
        <source>The corners cross each other. Drag each handle onto its own corner of the rectangle.</source>
        <translation>Les coins se croisent. Faites glisser chaque poignée sur son propre coin du rectangle.</translation>
    </message>
    <message>
        <source>A corner is turned inwards: the rectangle would fold over itself.</source>
        <translation>Un coin est tourné vers l’intérieur&#xa0;: le rectangle se replierait sur lui-même.</translation>
    </message>
    <message>
        <source>The rectangle&apos;s size does not match what a screen can show. Check the size you typed.</source>
        <translation>La taille du rectangle ne correspond pas à ce qu’un écran peut afficher. Vérifiez la taille que vous avez tapée.</translation>
    </message>
    <message>
        <source>Corner Calibration</source>
        <translation>Étalonnage par les coins</translation>
    </message>
    <message>
        <source>Drag each handle onto a corner of a rectangle you know on the table, or select one with Tab and move it with the arrow keys (Shift: 10 pixels). Then type the rectangle&apos;s size and press Enter.</source>
        <translation>Faites glisser chaque poignée sur un coin d’un rectangle de taille connue posé sur la table, ou sélectionnez-en une avec Tab et déplacez-la avec les touches fléchées (Maj&#xa0;: 10 pixels). Tapez ensuite la taille du rectangle et appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Rectangle size</source>
        <translation>Taille du rectangle</translation>
    </message>
    <message>
        <source>Drag each point onto the crossing of the mat&apos;s grid it stands for, then press Enter. Esc keeps the corners alone.</source>
        <translation>Faites glisser chaque point sur le croisement du quadrillage du tapis qu’il représente, puis appuyez sur Entrée. Échap garde seulement les coins.</translation>
    </message>
    <message>
        <source>Two points of the mesh cross or fold over each other. Drag each onto its own crossing.</source>
        <translation>Deux points du maillage se croisent ou se replient l’un sur l’autre. Faites glisser chacun sur son propre croisement.</translation>
    </message>
    <message>
        <source>The stored corner calibration of this screen is damaged and was not used.</source>
        <translation>L’étalonnage par les coins enregistré pour cet écran est endommagé et n’a pas été utilisé.</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::MappedProjectorView</name>
    <message>
        <source>Projector View</source>
        <translation>Mode projecteur</translation>
    </message>
    <message>
        <source>The pattern at true scale on the calibrated table. The arrow keys move it, Page Down and Page Up show the next and the previous section; Esc leaves.</source>
        <translation>Le patron en taille réelle sur la table étalonnée. Les touches fléchées le déplacent, Pg suiv et Pg préc affichent la partie suivante et la précédente&#xa0;; Échap ferme la vue.</translation>
    </message>
    <message>
        <source>Section %1 of %2: %3</source>
        <extracomment>%1 is the section&apos;s number, %2 how many there are, %3 its label such as B2.</extracomment>
        <translation>Partie %1 sur %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::ProjectorDialog</name>
    <message>
        <source>Projector</source>
        <translation>Projecteur</translation>
    </message>
    <message>
        <source>White lines on black</source>
        <translation>Traits blancs sur fond noir</translation>
    </message>
    <message>
        <source>Black lines on white</source>
        <translation>Traits noirs sur fond blanc</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
    <message>
        <source>A grid</source>
        <translation>Une grille</translation>
    </message>
    <message>
        <source>A ruler</source>
        <translation>Une règle</translation>
    </message>
    <message>
        <source>&amp;Show Pattern</source>
        <translation>&amp;Afficher le patron</translation>
    </message>
    <message>
        <source>&amp;Reset Calibration</source>
        <translation>&amp;Réinitialiser l’étalonnage</translation>
    </message>
    <message>
        <source>&amp;Lines:</source>
        <translation>&amp;Traits&#xa0;:</translation>
    </message>
    <message>
        <source>Line &amp;width:</source>
        <translation>É&amp;paisseur des traits&#xa0;:</translation>
    </message>
    <message>
        <source>Check the scale &amp;by:</source>
        <translation>&amp;Vérifier l’échelle avec&#xa0;:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Étalonnage&#xa0;:</translation>
    </message>
    <message>
        <source>%1 pixels per inch</source>
        <translation>%1 pixels par pouce</translation>
    </message>
    <message>
        <source>Not calibrated yet</source>
        <translation>Pas encore étalonné</translation>
    </message>
    <message>
        <source>%1 (%2 x %3)</source>
        <extracomment>A screen: its name (width x height in pixels).</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 (%2 x %3)</translation>
    </message>
    <message>
        <source>C&amp;alibrate...</source>
        <translation>Éta&amp;lonner...</translation>
    </message>
    <message>
        <source>Scr&amp;een:</source>
        <translation>É&amp;cran&#xa0;:</translation>
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
        <translation>L’étalonnage conservé pour %1 est endommagé ; il est donc ignoré. Étalonnez à nouveau l’écran avant d’y afficher le patron.</translation>
    </message>
    <message>
        <source>The calibrated rectangle</source>
        <translation>Le rectangle étalonné</translation>
    </message>
    <message>
        <source>&amp;Mirror across</source>
        <translation>Retourner &amp;horizontalement</translation>
    </message>
    <message>
        <source>Mirror &amp;down</source>
        <translation>Retourner v&amp;erticalement</translation>
    </message>
    <message>
        <source>0 degrees</source>
        <translation>0 degré</translation>
    </message>
    <message>
        <source>90 degrees</source>
        <translation>90 degrés</translation>
    </message>
    <message>
        <source>180 degrees</source>
        <translation>180 degrés</translation>
    </message>
    <message>
        <source>270 degrees</source>
        <translation>270 degrés</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>3 x 3 points</source>
        <translatorcomment>same</translatorcomment>
        <translation>3 x 3 points</translation>
    </message>
    <message>
        <source>5 x 5 points</source>
        <translatorcomment>same</translatorcomment>
        <translation>5 x 5 points</translation>
    </message>
    <message>
        <source>Calibrate C&amp;orners...</source>
        <translation>Étalonner les coi&amp;ns...</translation>
    </message>
    <message>
        <source>&amp;Turn:</source>
        <translation>R&amp;otation&#xa0;:</translation>
    </message>
    <message>
        <source>Mes&amp;h:</source>
        <translation>&amp;Maillage&#xa0;:</translation>
    </message>
    <message>
        <source>Corners: %1 x %2 %3</source>
        <extracomment>The corner calibration&apos;s rectangle: %1 x %2 and the unit&apos;s short word, in or mm.</extracomment>
        <translation>Coins&#xa0;: %1 x %2 %3</translation>
    </message>
    <message>
        <source>Not corner calibrated</source>
        <translation>Coins pas encore étalonnés</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::ProjectorView</name>
    <message>
        <source>Projector View</source>
        <translation>Mode projecteur</translation>
    </message>
    <message>
        <source>The pattern at true scale. The arrow keys move it; Esc leaves.</source>
        <translation>Le patron en taille réelle. Les touches fléchées le déplacent&#xa0;; Échap ferme la vue.</translation>
    </message>
</context>
</TS>
