<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>%1 pollici</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>Print this sheet at 100 % (actual size), with no scaling and no &quot;fit to page&quot;. Measure each bar with a good ruler in millimeters, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern &gt; Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they come out at their true size.</source>
        <extracomment>&quot;Pattern &gt; Calibrate Printer...&quot; is a menu command: word it as the menu does.</extracomment>
        <translation>Stampare questo foglio al 100 % (dimensioni effettive), senza ridimensionamento e senza «Adatta alla pagina». Misurare ogni barra con un buon righello in millimetri, dal centro di una tacca d&apos;estremità al centro dell&apos;altra. In Tavrel scegliere Cartamodello &gt; Calibra stampante... e digitare le due lunghezze misurate: le stampe successive con questa stampante verranno corrette in modo da risultare in scala esatta.</translation>
    </message>
    <message>
        <source>Print this sheet at 100 % (actual size), with no scaling and no &quot;fit to page&quot;. Measure each bar with a good ruler in inches, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern &gt; Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they come out at their true size.</source>
        <extracomment>&quot;Pattern &gt; Calibrate Printer...&quot; is a menu command: word it as the menu does.</extracomment>
        <translation>Stampare questo foglio al 100 % (dimensioni effettive), senza ridimensionamento e senza «Adatta alla pagina». Misurare ogni barra con un buon righello in pollici, dal centro di una tacca d&apos;estremità al centro dell&apos;altra. In Tavrel scegliere Cartamodello &gt; Calibra stampante... e digitare le due lunghezze misurate: le stampe successive con questa stampante verranno corrette in modo da risultare in scala esatta.</translation>
    </message>
    <message>
        <source>The calibration sheet could not be made.</source>
        <translation>Impossibile creare il foglio di calibrazione.</translation>
    </message>
    <message>
        <source>Tavrel printer calibration</source>
        <translation>Tavrel: calibrazione della stampante</translation>
    </message>
    <message>
        <source>Across: %1</source>
        <extracomment>%1 is the bar&apos;s length, such as &quot;8 in&quot;.</extracomment>
        <translation>Orizzontale: %1</translation>
    </message>
    <message>
        <source>Down: %1</source>
        <extracomment>%1 is the bar&apos;s length, such as &quot;10 in&quot;.</extracomment>
        <translation>Verticale: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 è indicata due volte</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>%1 (see tavrel --help)</source>
        <translation>%1 (vedere tavrel --help)</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;: use decimal, fractions or millimeter</source>
        <translation>unità sconosciuta «%1»: usare decimal, fractions o millimeter</translation>
    </message>
    <message>
        <source>unknown paper &quot;%1&quot;: use %2; %3; or %4</source>
        <extracomment>%2, %3 and %4 are the names of the office papers, the copy-shop papers and the rolls.</extracomment>
        <translation>carta sconosciuta «%1»: usare %2; %3; oppure %4</translation>
    </message>
    <message>
        <source>--export needs --unit decimal, fractions or millimeter</source>
        <translation>--export richiede --unit decimal, fractions o millimeter</translation>
    </message>
    <message>
        <source>--export needs --measure TEXT</source>
        <translation>--export richiede --measure TESTO</translation>
    </message>
    <message>
        <source>--dpi takes a whole number of dots per inch from %1 to %2</source>
        <translation>--dpi richiede un numero intero di punti per pollice da %1 a %2</translation>
    </message>
    <message>
        <source>--paper goes with an export to FILE.pdf</source>
        <translation>--paper si usa solo con un&apos;esportazione in FILE.pdf</translation>
    </message>
    <message>
        <source>--correction takes two factors from 0.8 to 1.25, across and down, as 1.02,0.99</source>
        <translation>--correction richiede due fattori con il punto decimale da 0.8 a 1.25, orizzontale e verticale, come 1.02,0.99</translation>
    </message>
    <message>
        <source>--correction goes with an export to FILE.pdf</source>
        <translation>--correction si usa solo con un&apos;esportazione in FILE.pdf</translation>
    </message>
    <message>
        <source>--calibration-sheet goes only with --paper and --unit</source>
        <translation>--calibration-sheet si usa solo con --paper e --unit</translation>
    </message>
    <message>
        <source>--calibration-sheet writes a FILE.pdf</source>
        <translation>--calibration-sheet scrive un FILE.pdf</translation>
    </message>
    <message>
        <source>--unit, --measure, --dpi, --paper and --correction go with --export FILE</source>
        <translation>--unit, --measure, --dpi, --paper e --correction si usano solo con --export FILE</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in decimal inches: use 2.5 for decimal inches or --unit fractions for 2 1/2</source>
        <translation>--measure «%1» non è una misura in pollici decimali: usare 2.5 per i pollici decimali o --unit fractions per 2 1/2</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in millimeters: use digits with one point at most, as 63.5</source>
        <translation>--measure «%1» non è una misura in millimetri: usare cifre con al massimo un punto, come 63.5</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two of a list of paper names, as &quot;legal or tabloid&quot;.</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>(%1 x %2 in)</source>
        <extracomment>A paper&apos;s size in inches, as &quot;(24 x 36 in)&quot;.</extracomment>
        <translation>(%1 x %2 poll.)</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is unclear: a comma before three digits may group thousands. Write decimals with a point and thousands without a separator</source>
        <translation>--measure «%1» è ambiguo: una virgola prima di tre cifre può separare le migliaia. Scrivere i decimali con il punto e le migliaia senza separatore</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in inches with fractions: use a whole number, a fraction, or both with one space between, as 2, 1/2 or 2 1/2</source>
        <translation>--measure «%1» non è una misura in pollici con frazioni: usare un numero intero, una frazione o entrambi separati da uno spazio, come 2, 1/2 o 2 1/2</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has decimals, which --unit fractions rounds away to whole inches: use --unit decimal for %1</source>
        <translation>--measure «%1» ha dei decimali, che --unit fractions arrotonda ai pollici interi: usare --unit decimal per %1</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has decimals in its whole inches, which --unit fractions rounds away: write them in the fraction, as 2 1/2, or use --unit decimal</source>
        <translation>--measure «%1» ha dei decimali nei pollici interi, che --unit fractions arrotonda: scriverli nella frazione, come 2 1/2, o usare --unit decimal</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has a fraction over 0: write a number above 0 after the slash, as 2 1/2</source>
        <translation>--measure «%1» ha una frazione con 0 al denominatore: scrivere dopo la barra un numero maggiore di 0, come 2 1/2</translation>
    </message>
    <message>
        <source>--export FILE ends in a dot: end it in .png, .svg, .pdf or .dxf</source>
        <translation>--export FILE termina con un punto: fatelo terminare con .png, .svg, .pdf o .dxf</translation>
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
        <translation>Uso: tavrel [--unit UNITÀ --measure TESTO --export FILE [--dpi N]
            [--paper CARTA] [--correction X,Y]]
     tavrel --calibration-sheet FILE.pdf [--paper CARTA] [--unit UNITÀ]

Senza opzioni apre la finestra. Con --export disegna il cartamodello per una
misura nel FILE e non apre nessuna finestra. Con --calibration-sheet scrive il
foglio che misura l&apos;errore di scala di una stampante: una barra orizzontale e
una verticale di 8 pollici (20 cm con --unit millimeter; senza --unit, l&apos;unità
delle impostazioni locali) o lunghe quanto la carta consente.

  --unit UNITÀ     decimal (pollici, come 2.5), fractions (pollici, come
                   &quot;2 1/2&quot;) o millimeter (come 63.5)
  --measure TESTO  la misura, letta come la legge la casella della finestra
  --export FILE    FILE.png: l&apos;immagine, un pixel dell&apos;immagine per ogni pixel
                   dello schermo, con la risoluzione registrata; FILE.svg:
                   disegno vettoriale a grandezza naturale; FILE.pdf: pagine da
                   stampare al 100 %, suddivise su più fogli se il cartamodello
                   è più grande della carta; FILE.dxf: linee e archi a
                   grandezza naturale per macchine da taglio e CAD, in pollici
                   o millimetri secondo l&apos;unità
  --dpi N          la risoluzione dello schermo per cui disegnare, in punti per
                   pollice (da 24 a 1440; predefinita: 96)
  --paper CARTA    la carta del PDF: %1
                   (predefinita: letter dove si misura in unità USA, altrimenti
                   a4); per le copisterie
                   %2;
                   oppure un rotolo, %3: pagine
                   larghe quanto il rotolo e lunghe quanto serve al
                   cartamodello, fino a 200 pollici
  --correction X,Y
                   annulla l&apos;errore di scala di una stampante: le pagine del
                   PDF vengono ingrandite di X in orizzontale e di Y in
                   verticale (da 0.8 a 1.25, come 1.02,0.99); ciascun fattore è
                   la lunghezza di una barra del foglio di calibrazione divisa
                   per quella misurata
  --lang CODICE    la lingua della finestra e di questi messaggi, come de o
                   pt_BR (predefinita: quella del sistema)
  -h, --help       mostra questo aiuto
  -v, --version    mostra la versione

Il valore di un&apos;opzione può seguire come argomento successivo o dopo &apos;=&apos;
(--dpi=120). Codice di uscita: 0 file scritto, 1 nessun file scritto (nessuna
misura, troppo grande, scrittura impossibile), 2 opzioni errate. Un FILE
esistente viene sostituito solo da un disegno completo.
</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Pattern Maker</source>
        <translation>Generatore di cartamodelli</translation>
    </message>
    <message>
        <source>Draft a full-size cutting pattern from one measurement and print it at true scale</source>
        <translation>Disegnare un cartamodello a grandezza naturale da una sola misura e stamparlo in scala reale</translation>
    </message>
    <message>
        <source>sewing;pattern;craft;template;print;true scale;</source>
        <extracomment>Words a sewist types into the desktop&apos;s search to find the program, each followed by a semicolon.</extracomment>
        <translation>cucito;cartamodello;modello;bricolage;sagoma;stampa;grandezza naturale;</translation>
    </message>
</context>
<context>
    <name>DocumentTitles</name>
    <message>
        <source>Tavrel pattern</source>
        <extracomment>A document&apos;s title and a print job&apos;s name.</extracomment>
        <translation>Cartamodello Tavrel</translation>
    </message>
    <message>
        <source>A flat cutting pattern at true size, in millimeters.</source>
        <translation>Un cartamodello piano a grandezza naturale, in millimetri.</translation>
    </message>
    <message>
        <source>Tavrel printer calibration</source>
        <extracomment>A document&apos;s title and a print job&apos;s name.</extracomment>
        <translation>Calibrazione stampante Tavrel</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the picture could not be encoded.</source>
        <translation>Impossibile scrivere «%1»: non è stato possibile codificare l&apos;immagine.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <extracomment>%2 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>Impossibile scrivere «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a disk or a socket, not a file.</source>
        <translation>Impossibile scrivere «%1»: è un disco o un socket, non un file.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: no program is reading from this pipe.</source>
        <translation>Impossibile scrivere «%1»: nessun programma sta leggendo da questa pipe.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: its folder &quot;%2&quot; does not let you add files, and the new file is written there before it replaces the old one.</source>
        <extracomment>%2 is the folder of the file %1.</extracomment>
        <translation>Impossibile scrivere «%1»: la sua cartella «%2» non vi permette di aggiungere file, e il nuovo file viene scritto lì prima di sostituire quello vecchio.</translation>
    </message>
</context>
<context>
    <name>Extras</name>
    <message>
        <source>A part of Tavrel is missing or damaged (%1). Install the program again.</source>
        <translation>Una parte di Tavrel manca o è danneggiata (%1). Reinstallare il programma.</translation>
    </message>
    <message>
        <source>%1 is not the module built with this program</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 non è il modulo compilato con questo programma</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 manca</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 non è un file</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help Not Available</source>
        <translation>Guida non disponibile</translation>
    </message>
    <message>
        <source>The help file could not be found or read:
%1</source>
        <translation>Impossibile trovare o leggere il file della guida:
%1</translation>
    </message>
    <message>
        <source>The help file is damaged or is not a help file:
%1</source>
        <translation>Il file della guida è danneggiato o non è un file di guida:
%1</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>English</source>
        <extracomment>This language&apos;s own name, as a list of languages shows it: &quot;Deutsch&quot; in German.</extracomment>
        <translation>Italiano</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Full-size cutting patterns from one measurement</source>
        <translation>Cartamodelli a grandezza naturale da una sola misura</translation>
    </message>
    <message>
        <source>Tavrel drafts a flat cutting pattern from a single measurement and prints it at its real size, ready to pin to fabric or trace onto cardstock.</source>
        <translation>Tavrel disegna un cartamodello piano da una sola misura e lo stampa a grandezza naturale, pronto da appuntare sul tessuto o da ricalcare su cartoncino.</translation>
    </message>
    <message>
        <source>Choose inches as decimals, inches with fractions such as 2 1/2, or millimeters, type the measurement, and the pattern follows every keystroke. A ruler under the pattern tells what one division must measure on paper, so you can check that the printout came out at 100 %. Patterns can also be saved as PDF, SVG, PNG or DXF files.</source>
        <translation>Si scelgono i pollici decimali, i pollici con frazioni come 2 1/2 o i millimetri, si digita la misura e il cartamodello segue ogni tasto premuto. Un righello sotto il cartamodello indica quanto deve misurare una divisione sulla carta, per verificare che la stampa sia uscita al 100 %. I cartamodelli si possono anche salvare come file PDF, SVG, PNG o DXF.</translation>
    </message>
    <message>
        <source>A pattern for 2 1/2 inches with its check ruler</source>
        <translation>Un cartamodello per 2 1/2 pollici con il suo righello di controllo</translation>
    </message>
</context>
<context>
    <name>PaperMenu</name>
    <message>
        <source>&amp;Letter (8.5 x 11 in)</source>
        <translation>&amp;Letter (8,5 x 11 pollici)</translation>
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
        <translation>Le&amp;gal (8,5 x 14 pollici)</translation>
    </message>
    <message>
        <source>&amp;Tabloid (11 x 17 in)</source>
        <translation>&amp;Tabloid (11 x 17 pollici)</translation>
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
        <translation>Arch &amp;D (24 x 36 pollici)</translation>
    </message>
    <message>
        <source>Arch &amp;E (36 x 48 in)</source>
        <translation>Arch &amp;E (36 x 48 pollici)</translation>
    </message>
    <message>
        <source>&amp;Roll, 36 in wide</source>
        <translation>&amp;Rotolo, largo 36 pollici</translation>
    </message>
    <message>
        <source>R&amp;oll, 24 in wide</source>
        <translation>R&amp;otolo, largo 24 pollici</translation>
    </message>
    <message>
        <source>Roll, 914 &amp;mm wide</source>
        <translation>Rotolo, largo 914 &amp;mm</translation>
    </message>
</context>
<context>
    <name>PatternDescription</name>
    <message>
        <source>Pattern for %1 millimeters, %2 by %3 millimeters when printed</source>
        <translation>Cartamodello per %1 millimetri, %2 per %3 millimetri una volta stampato</translation>
    </message>
    <message>
        <source>Pattern for %1 inches, %2 by %3 inches when printed</source>
        <translation>Cartamodello per %1 pollici, %2 per %3 pollici una volta stampato</translation>
    </message>
</context>
<context>
    <name>PatternExport</name>
    <message>
        <source>Too large to draw. The largest measurement is %1 millimeters.</source>
        <extracomment>%1 is a number, such as 2312.</extracomment>
        <translation>Troppo grande da disegnare. La misura massima è %1 millimetri.</translation>
    </message>
    <message>
        <source>Too large to draw. The largest measurement is %1 inches.</source>
        <extracomment>%1 is a number, such as 91.02 or 91.</extracomment>
        <translation>Troppo grande da disegnare. La misura massima è %1 pollici.</translation>
    </message>
    <message>
        <source>Nothing to draw: &quot;%1&quot; is not a measurement above 0.</source>
        <translation>Niente da disegnare: «%1» non è una misura maggiore di 0.</translation>
    </message>
</context>
<context>
    <name>PdfPages</name>
    <message>
        <source>When printed, this bar should measure one centimeter</source>
        <translation>Una volta stampata, questa barra deve misurare un centimetro</translation>
    </message>
    <message>
        <source>When printed, this bar should measure one inch</source>
        <translation>Una volta stampata, questa barra deve misurare un pollice</translation>
    </message>
    <message>
        <source>Print every page at 100 % (actual size), with no scaling and no &quot;fit to page&quot;: the bar at the foot of each page must then measure one centimeter. Cut each page along the top and the left line of its frame. Then lay the pages out as in the diagram below, each page over its neighbors to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 12.7 mm (1/2 inch).</source>
        <translation>Stampare ogni pagina al 100 % (dimensioni effettive), senza ridimensionamento e senza «Adatta alla pagina»: la barra in fondo a ogni pagina deve allora misurare un centimetro. Tagliare ogni pagina lungo la linea superiore e la linea sinistra della sua cornice. Poi disporre le pagine come nello schema qui sotto, ciascuna sopra le pagine vicine a sinistra e in alto, con i bordi tagliati sulle loro linee tratteggiate, in modo che le due metà di ogni croce cerchiata combacino. Unire le pagine con nastro adesivo. Le pagine si sovrappongono di 12,7 mm (1/2 pollice).</translation>
    </message>
    <message>
        <source>Print every page at 100 % (actual size), with no scaling and no &quot;fit to page&quot;: the bar at the foot of each page must then measure one inch. Cut each page along the top and the left line of its frame. Then lay the pages out as in the diagram below, each page over its neighbors to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 1/2 inch (12.7 mm).</source>
        <translation>Stampare ogni pagina al 100 % (dimensioni effettive), senza ridimensionamento e senza «Adatta alla pagina»: la barra in fondo a ogni pagina deve allora misurare un pollice. Tagliare ogni pagina lungo la linea superiore e la linea sinistra della sua cornice. Poi disporre le pagine come nello schema qui sotto, ciascuna sopra le pagine vicine a sinistra e in alto, con i bordi tagliati sulle loro linee tratteggiate, in modo che le due metà di ogni croce cerchiata combacino. Unire le pagine con nastro adesivo. Le pagine si sovrappongono di 1/2 pollice (12,7 mm).</translation>
    </message>
    <message numerus="yes">
        <source>Tavrel pattern on %n pages: %1 across, %2 down</source>
        <extracomment>The map&apos;s title: %n pages in all, the map included; %1 columns of pages across and %2 rows down.</extracomment>
        <translation>
            <numerusform>Cartamodello Tavrel su %n pagina: %1 in larghezza, %2 in altezza</numerusform>
            <numerusform>Cartamodello Tavrel su %n pagine: %1 in larghezza, %2 in altezza</numerusform>
        </translation>
    </message>
    <message>
        <source>Page %1 of %2: column %3 of %4, row %5 of %6.</source>
        <translation>Pagina %1 di %2: colonna %3 di %4, riga %5 di %6.</translation>
    </message>
    <message>
        <source>Print at 100 % (actual size), no scaling.</source>
        <translation>Stampare al 100 % (dimensioni effettive), senza ridimensionamento.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Cannot export to &quot;%1&quot;: the file name must end in .png, .svg, .pdf or .dxf.</source>
        <translation>Impossibile esportare in «%1»: il nome del file deve terminare con .png, .svg, .pdf o .dxf.</translation>
    </message>
    <message>
        <source>Too small to draw. At this measurement the pattern is less than one pixel high.</source>
        <translation>Troppo piccolo da disegnare. Con questa misura il cartamodello è alto meno di un pixel.</translation>
    </message>
</context>
<context>
    <name>PrintCorrection</name>
    <message>
        <source>%1 % across, %2 % down</source>
        <extracomment>A printer&apos;s correction: the scale its prints are made at, across and down the page, where 100 % changes nothing.</extracomment>
        <translation>%1 % in orizzontale, %2 % in verticale</translation>
    </message>
</context>
<context>
    <name>PrintQuestion</name>
    <message>
        <source>The pattern does not fit the page at its usual place. It will print on one page of %1 on &quot;%2&quot;, moved in from the corner.</source>
        <extracomment>%1 is the paper, such as A4; %2 the printer.</extracomment>
        <translation>Il cartamodello non entra nella pagina nella sua posizione abituale. Verrà stampato su una pagina %1 con la stampante «%2», scostato dall&apos;angolo.</translation>
    </message>
    <message numerus="yes">
        <source>The pattern is larger than the page. It will print whole on %n pages of %1 on &quot;%2&quot;: first a diagram of how the pages fit together, then the pages to tape together.</source>
        <extracomment>%n pages in all, the diagram&apos;s page included; %1 the paper, such as A4; %2 the printer.</extracomment>
        <translation>
            <numerusform>Il cartamodello è più grande della pagina. Verrà stampato per intero su %n pagina %1 con la stampante «%2»: prima uno schema delle pagine, poi le pagine da unire con nastro adesivo come indicato nello schema.</numerusform>
            <numerusform>Il cartamodello è più grande della pagina. Verrà stampato per intero su %n pagine %1 con la stampante «%2»: prima uno schema delle pagine, poi le pagine da unire con nastro adesivo come indicato nello schema.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Pattern</source>
        <translation>Stampa cartamodello</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>The correction kept for the printer &quot;%1&quot; is damaged, so it is ignored: the pattern prints as the printer makes it. Calibrate the printer again to correct its prints.</source>
        <extracomment>%1 is the printer.</extracomment>
        <translation>La correzione salvata per la stampante «%1» è danneggiata e viene ignorata: il cartamodello viene stampato senza correzione. Calibrare di nuovo la stampante per correggerne le stampe.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There is no default printer (%1). Choose one in the system&apos;s printer settings, then print again.</source>
        <extracomment>%1 is the print system&apos;s reason.</extracomment>
        <translation>Non c&apos;è una stampante predefinita (%1). Sceglierne una nelle impostazioni delle stampanti del sistema, poi stampare di nuovo.</translation>
    </message>
    <message>
        <source>The page for the printer &quot;%1&quot; could not be prepared. Nothing was printed.</source>
        <translation>Impossibile preparare la pagina per la stampante «%1». Non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2. Nothing was printed.</source>
        <extracomment>%1 is the printer, %2 the print system&apos;s reason.</extracomment>
        <translation>La stampante «%1» non ha accettato il lavoro: %2. Non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>There is no default printer. Choose one in the system&apos;s printer settings, then print again.</source>
        <translation>Non c&apos;è una stampante predefinita. Sceglierne una nelle impostazioni delle stampanti del sistema, poi stampare di nuovo.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started. Nothing was printed.</source>
        <translation>Impossibile avviare la stampante «%1». Non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job. Nothing was printed.</source>
        <translation>La stampante «%1» non ha accettato il lavoro. Non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>Printing is not available on this system: no print service is running.</source>
        <translation>La stampa non è disponibile su questo sistema: nessun servizio di stampa è in esecuzione.</translation>
    </message>
</context>
<context>
    <name>PrinterCalibration</name>
    <message>
        <source>These lengths would need a correction of %1, beyond what a printer at 100 % needs (%2 % to %3 %). Check that the sheet was printed at 100 %, measure the bars again, and type the lengths in the unit chosen here.</source>
        <extracomment>%1 is the correction, such as &quot;130 % across, 99.5 % down&quot;; %2 and %3 are the least and the greatest percentages, 80 and 125.</extracomment>
        <translation>Queste lunghezze richiederebbero una correzione di %1, oltre quanto serve a una stampante al 100 % (da %2 % a %3 %). Verificare che il foglio sia stato stampato al 100 %, misurare di nuovo le barre e digitare le lunghezze nell&apos;unità scelta qui.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>there is no display to open the window on. To export a pattern to a file instead: tavrel --unit fractions --measure &quot;2 1/2&quot; --export pattern.png (see tavrel --help)</source>
        <extracomment>The command stays as it is: it must be typed so.</extracomment>
        <translation>non c’è uno schermo su cui aprire la finestra. Per esportare invece un cartamodello in un file: tavrel --unit fractions --measure &quot;2 1/2&quot; --export pattern.png (vedere tavrel --help)</translation>
    </message>
</context>
<context>
    <name>ReadingNotice</name>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3; choose %4 for %1</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 and %4 the units&apos; captions.</extracomment>
        <translation>
            <numerusform>In %3, %1 viene disegnato come %2 pollice; scegliere %4 per %1</numerusform>
            <numerusform>In %3, %1 viene disegnato come %2 pollici; scegliere %4 per %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3, whose whole inches are rounded</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>In %3, %1 viene disegnato come %2 pollice, perché i pollici interi vengono arrotondati</numerusform>
            <numerusform>In %3, %1 viene disegnato come %2 pollici, perché i pollici interi vengono arrotondati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3: a fraction over 0 counts as none</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>In %3, %1 viene disegnato come %2 pollice: una frazione con 0 al denominatore non conta</numerusform>
            <numerusform>In %3, %1 viene disegnato come %2 pollici: una frazione con 0 al denominatore non conta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3; type a whole number, a space and a fraction, as 2 1/2</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>In %3, %1 viene disegnato come %2 pollice; digitare un numero intero, uno spazio e una frazione, come 2 1/2</numerusform>
            <numerusform>In %3, %1 viene disegnato come %2 pollici; digitare un numero intero, uno spazio e una frazione, come 2 1/2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>space</source>
        <translation>spazio</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>spazio unificatore</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulazione</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>a capo</translation>
    </message>
    <message>
        <source>point</source>
        <translation>punto</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>virgola</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>barra</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>character U+%1</source>
        <translation>U+%1</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes no %1.</source>
        <translation>Non è stato incollato nulla: la casella non accetta il carattere %1.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes no %1.</source>
        <translation>Non è stato rilasciato nulla: la casella non accetta il carattere %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes only one %1.</source>
        <translation>Non è stato incollato nulla: la casella accetta il carattere %1 una sola volta.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes only one %1.</source>
        <translation>Non è stato rilasciato nulla: la casella accetta il carattere %1 una sola volta.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes no %1 at the start.</source>
        <translation>Non è stato incollato nulla: la casella non accetta il carattere %1 all’inizio.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes no %1 at the start.</source>
        <translation>Non è stato rilasciato nulla: la casella non accetta il carattere %1 all’inizio.</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save as SVG</source>
        <translation>Salva come SVG</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Disegno SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Salva come PNG</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>Save as DXF</source>
        <translation>Salva come DXF</translation>
    </message>
    <message>
        <source>DXF drawing for cutters (*.dxf)</source>
        <translation>Disegno DXF per macchine da taglio (*.dxf)</translation>
    </message>
    <message>
        <source>None: the pattern at its true size</source>
        <translation>Nessuna: il PDF è in scala esatta</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is a printer, %2 its correction, such as &quot;102 % across, 99.5 % down&quot;.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Correct &amp;for printer:</source>
        <translation>&amp;Correzione per la stampante:</translation>
    </message>
    <message>
        <source>pattern</source>
        <extracomment>The name offered for a new file, without its suffix.</extracomment>
        <translation>cartamodello</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Tavrel could not write its settings file %1, so this change holds only until Tavrel closes. Check that its folder can be written to and that the disk is not full.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Tavrel non ha potuto scrivere il suo file delle impostazioni %1, quindi questa modifica vale solo fino alla chiusura di Tavrel. Controllare che si possa scrivere nella sua cartella e che il disco non sia pieno.</translation>
    </message>
    <message>
        <source>Tavrel&apos;s settings file %1 is damaged. The settings that could be read are kept; the rest could not be copied aside and goes with the next change.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Il file delle impostazioni %1 di Tavrel è danneggiato. Le impostazioni leggibili sono conservate; il resto non è stato possibile metterlo da parte e andrà perso alla prossima modifica.</translation>
    </message>
    <message>
        <source>Tavrel&apos;s settings file %1 is damaged. The settings that could be read are kept; the file as it was is set aside as %2.</source>
        <extracomment>%1 is the settings file, %2 the copy of it as it was.</extracomment>
        <translation>Il file delle impostazioni %1 di Tavrel è danneggiato. Le impostazioni leggibili sono conservate; il file com’era è stato messo da parte come %2.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Print at 100 % (&quot;Actual size&quot;), not &quot;Fit to page&quot;, then check the ruler on the printout.</source>
        <extracomment>Under the pattern, before printing. &quot;Actual size&quot; and &quot;Fit to page&quot; are the print dialog&apos;s settings as browsers and PDF viewers name them in the language.</extracomment>
        <translation>Stampare al 100 % («Dimensioni effettive»), non con «Adatta alla pagina», poi controllare il righello di controllo sul foglio stampato.</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The caption of the list of languages.</extracomment>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Install Tavrel</source>
        <extracomment>A button that installs the page as a program on the computer or phone.</extracomment>
        <translation>Installa Tavrel</translation>
    </message>
    <message>
        <source>Works offline</source>
        <extracomment>Said of the page once installed: it needs no internet connection.</extracomment>
        <translation>Funziona offline</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>A button that saves the pattern as a file.</extracomment>
        <translation>Scarica</translation>
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
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>One correction is kept, for the printer this browser prints on.</source>
        <extracomment>In Pattern &gt; Calibrate Printer, beside &quot;Printer:&quot;: the browser does not say which printer it prints on, so the page keeps one correction for all of it.</extracomment>
        <translation>Viene conservata una sola correzione, per la stampante su cui stampa questo browser.</translation>
    </message>
    <message>
        <source>Open the calibration sheet to print</source>
        <extracomment>A link in Pattern &gt; Calibrate Printer, once the sheet is made: it opens the sheet&apos;s PDF.</extracomment>
        <translation>Apri il foglio di calibrazione da stampare</translation>
    </message>
    <message>
        <source>This browser keeps no data for this page, so the correction could not be kept.</source>
        <extracomment>When the browser refuses to store anything for the page (private mode, full storage).</extracomment>
        <translation>Questo browser non conserva dati per questa pagina, quindi non è stato possibile conservare la correzione.</translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>The name, for screen readers, of the three units the measurement is typed in.</extracomment>
        <translation>Unità di misura</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button that closes a question without doing what it asks.</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Open the pattern to print</source>
        <extracomment>A link under the sentence on printing at 100 %: it opens the pattern&apos;s PDF to print.</extracomment>
        <translation>Apri il cartamodello per stamparlo</translation>
    </message>
    <message>
        <source>The pattern does not fit the page at its usual place. It will print on one page of %1, moved in from the corner.</source>
        <extracomment>Before printing a pattern just too large for its usual place. %1 is the paper, such as A4.</extracomment>
        <translation>Il cartamodello non entra nella pagina nella sua posizione abituale. Verrà stampato su una pagina %1, scostato dall&apos;angolo.</translation>
    </message>
    <message numerus="yes">
        <source>The pattern is larger than the page. It will print whole on %n pages of %1: first a diagram of how the pages fit together, then the pages to tape together.</source>
        <extracomment>Before printing a pattern larger than the page. %n pages in all, the diagram&apos;s page included; %1 the paper, such as A4.</extracomment>
        <translation>
            <numerusform>Il cartamodello è più grande della pagina. Verrà stampato per intero su %n pagina %1: prima uno schema delle pagine, poi le pagine da unire con nastro adesivo come indicato nello schema.</numerusform>
            <numerusform>Il cartamodello è più grande della pagina. Verrà stampato per intero su %n pagine %1: prima uno schema delle pagine, poi le pagine da unire con nastro adesivo come indicato nello schema.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavrel::app::PatternMenu</name>
    <message>
        <source>&amp;Pattern</source>
        <translation>&amp;Cartamodello</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>Salva come &amp;PDF...</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>Salva come &amp;SVG...</translation>
    </message>
    <message>
        <source>Save as P&amp;NG...</source>
        <translation>Salva come P&amp;NG...</translation>
    </message>
    <message>
        <source>Save as &amp;DXF...</source>
        <translation>Salva come &amp;DXF...</translation>
    </message>
    <message>
        <source>PDF Pape&amp;r</source>
        <translation>&amp;Formato carta PDF</translation>
    </message>
    <message>
        <source>Save Pattern</source>
        <translation>Salva cartamodello</translation>
    </message>
    <message>
        <source>Pro&amp;jector View...</source>
        <translation>Modalità pro&amp;iettore...</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer...</source>
        <translation>&amp;Calibra stampante...</translation>
    </message>
    <message>
        <source>PDF Paper</source>
        <translation>Formato carta PDF</translation>
    </message>
</context>
<context>
    <name>tavrel::app::PrinterCalibrationDialog</name>
    <message>
        <source>Calibrate Printer</source>
        <translation>Calibra stampante</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pollici</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimetri</translation>
    </message>
    <message>
        <source>&amp;Print Sheet</source>
        <translation>&amp;Stampa foglio</translation>
    </message>
    <message>
        <source>&amp;Save Correction</source>
        <translation>Sa&amp;lva correzione</translation>
    </message>
    <message>
        <source>&amp;Reset Correction</source>
        <translation>A&amp;zzera correzione</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Stampante:</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Correzione:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unità:</translation>
    </message>
    <message>
        <source>None: prints go out as the printer makes them</source>
        <translation>Nessuna: la stampante stampa senza correzione</translation>
    </message>
    <message>
        <source>&amp;Across bar (%1) measures:</source>
        <translation>La barra &amp;orizzontale (%1) misura:</translation>
    </message>
    <message>
        <source>&amp;Down bar (%1) measures:</source>
        <translation>La barra &amp;verticale (%1) misura:</translation>
    </message>
    <message>
        <source>Type each length in millimeters, as 198.5.</source>
        <translation>Digitare ogni lunghezza in millimetri, per esempio 198.5.</translation>
    </message>
    <message>
        <source>Type each length in inches, as 7.85 or 7 7/8.</source>
        <translation>Digitare ogni lunghezza in pollici, per esempio 7.85 o 7 7/8.</translation>
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
        <translation>Informazioni su Tavrel Maker</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number, such as 1.0.0.</extracomment>
        <translation>Versione %1.%2.%3</translation>
    </message>
    <message>
        <source>Written by: %1</source>
        <translation>Autore: %1</translation>
    </message>
    <message>
        <source>Please send comments and suggestions 
to </source>
        <translation>Inviare commenti e suggerimenti 
a </translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icona del programma</translation>
    </message>
    <message>
        <source>Send mail to the author</source>
        <extracomment>The mail link&apos;s name for screen readers, which read the address after it.</extracomment>
        <translation>Scrivere all&apos;autore</translation>
    </message>
    <message>
        <source>The Tavrel developers</source>
        <translation>Gli sviluppatori di Tavrel</translation>
    </message>
    <message>
        <source>This program draws a flat cutting pattern and its sizing
formula from a published source; see the user&apos;s guide.</source>
        <extracomment>The About box&apos;s two credit lines: keep the line break.</extracomment>
        <translation>Questo programma disegna un cartamodello piano e la sua formula
di taglia da una fonte pubblicata; vedere la guida per l’utente.</translation>
    </message>
</context>
<context>
    <name>tavrel::app::frmMain</name>
    <message>
        <source>Inches (Decimal)</source>
        <translation>Pollici (decimali)</translation>
    </message>
    <message>
        <source>Inches (Fractions)</source>
        <translation>Pollici (frazioni)</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>Millimetri</translation>
    </message>
    <message>
        <source>Print Pattern</source>
        <translation>Stampa cartamodello</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translatorcomment>same</translatorcomment>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni su Tavrel</translation>
    </message>
    <message>
        <source>When printed, each division above should measure one centimeter</source>
        <translation>Sulla stampa ogni divisione qui sopra deve misurare un centimetro</translation>
    </message>
    <message>
        <source>When printed, each division above should measure one inch</source>
        <translation>Sulla stampa ogni divisione qui sopra deve misurare un pollice</translation>
    </message>
    <message>
        <source>Enter the measurement in inches</source>
        <translation>Inserire la misura in pollici</translation>
    </message>
    <message>
        <source>Enter the measurement in millimeters</source>
        <translation>Inserire la misura in millimetri</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Cartamodello</translation>
    </message>
</context>
<context>
    <name>tavrel::help::HelpBrowser</name>
    <message>
        <source>Page not found</source>
        <translation>Pagina non trovata</translation>
    </message>
    <message>
        <source>The help file has no page %1.</source>
        <extracomment>%1 is the page&apos;s address within the help file, such as &quot;printing.html&quot;.</extracomment>
        <translation>Il file della guida non contiene la pagina %1.</translation>
    </message>
    <message>
        <source>Page too large</source>
        <translation>Pagina troppo grande</translation>
    </message>
    <message>
        <source>The page %1 is too large or too deeply nested for the help window to show.</source>
        <extracomment>%1 is the page&apos;s address within the help file, such as &quot;printing.html&quot;.</extracomment>
        <translation>La pagina %1 è troppo grande o troppo annidata perché la finestra della guida possa mostrarla.</translation>
    </message>
</context>
<context>
    <name>tavrel::help::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <extracomment>The window&apos;s title: the page&apos;s title, then the help file&apos;s.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigazione</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Pagina iniziale</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::CalibrationView</name>
    <message>
        <source>Calibration</source>
        <translation>Calibrazione</translation>
    </message>
    <message>
        <source>Type the bar&apos;s length in millimeters, such as 250.</source>
        <translation>Digitare la lunghezza della barra in millimetri, per esempio 250.</translation>
    </message>
    <message>
        <source>Type the bar&apos;s length in inches, such as 7 7/8.</source>
        <translation>Digitare la lunghezza della barra in pollici, per esempio 7 7/8.</translation>
    </message>
    <message>
        <source>Drag the bar&apos;s right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in millimeters and press Enter. Esc leaves without calibrating.</source>
        <translation>Trascinare l&apos;estremità destra della barra, o usare i tasti freccia (con Maiusc per passi più lunghi), finché non corrisponde a una lunghezza del righello; oppure misurare semplicemente la barra. Poi digitare quella lunghezza in millimetri e premere Invio. Con Esc si esce senza calibrare.</translation>
    </message>
    <message>
        <source>Drag the bar&apos;s right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in inches, such as 7 7/8, and press Enter. Esc leaves without calibrating.</source>
        <translation>Trascinare l&apos;estremità destra della barra, o usare i tasti freccia (con Maiusc per passi più lunghi), finché non corrisponde a una lunghezza del righello; oppure misurare semplicemente la barra. Poi digitare quella lunghezza in pollici, per esempio 7 7/8, e premere Invio. Con Esc si esce senza calibrare.</translation>
    </message>
    <message>
        <source>Screen Calibration</source>
        <translation>Calibrazione dello schermo</translation>
    </message>
    <message>
        <source>Bar length in millimeters</source>
        <translation>Lunghezza della barra in millimetri</translation>
    </message>
    <message>
        <source>Bar length in inches</source>
        <translation>Lunghezza della barra in pollici</translation>
    </message>
    <message numerus="yes">
        <source>A bar of %Ln pixels cannot measure %1: screens show between %2 and %3 pixels per inch. Check the length and its unit.</source>
        <extracomment>%Ln is the bar&apos;s length on the screen, %1 the length the user typed, %2 and %3 the least and the most pixels per inch.</extracomment>
        <translation>
            <numerusform>Una barra di %Ln pixel non può misurare %1: gli schermi hanno tra %2 e %3 pixel per pollice. Controllare la lunghezza e l&apos;unità di misura.</numerusform>
            <numerusform>Una barra di %Ln pixel non può misurare %1: gli schermi hanno tra %2 e %3 pixel per pollice. Controllare la lunghezza e l&apos;unità di misura.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavrel::projector::CornerCalibrationView</name>
    <message>
        <source>Type the rectangle&apos;s size, for example 24 x 18 in or 600 x 450 mm.</source>
        <translation>Digitare le dimensioni del rettangolo, per esempio 24 x 18 in o 600 x 450 mm.</translation>
    </message>
    <message>
        <source>The rectangle must be at least 4 x 4 inches (102 x 102 mm).</source>
        <translation>Il rettangolo deve misurare almeno 4 x 4 pollici (102 x 102 mm).</translation>
    </message>
    <message>
        <source>The corners cross each other. Drag each handle onto its own corner of the rectangle.</source>
        <translation>Gli angoli si incrociano. Trascinare ogni maniglia sul proprio angolo del rettangolo.</translation>
    </message>
    <message>
        <source>A corner is turned inwards: the rectangle would fold over itself.</source>
        <translation>Un angolo è rivolto verso l&apos;interno: il rettangolo si ripiegherebbe su se stesso.</translation>
    </message>
    <message>
        <source>The rectangle&apos;s size does not match what a screen can show. Check the size you typed.</source>
        <translation>Le dimensioni del rettangolo non corrispondono a ciò che uno schermo può mostrare. Controllare le dimensioni digitate.</translation>
    </message>
    <message>
        <source>Corner Calibration</source>
        <translation>Calibrazione sugli angoli</translation>
    </message>
    <message>
        <source>Drag each handle onto a corner of a rectangle you know on the table, or select one with Tab and move it with the arrow keys (Shift: 10 pixels). Then type the rectangle&apos;s size and press Enter.</source>
        <translation>Trascinare ogni maniglia su un angolo di un rettangolo di misura nota sul tavolo, oppure selezionarne una con Tab e spostarla con i tasti freccia (Maiusc: 10 pixel). Poi digitare le dimensioni del rettangolo e premere Invio.</translation>
    </message>
    <message>
        <source>Rectangle size</source>
        <translation>Dimensioni del rettangolo</translation>
    </message>
    <message>
        <source>Drag each point onto the crossing of the mat&apos;s grid it stands for, then press Enter. Esc keeps the corners alone.</source>
        <translation>Trascinare ogni punto sull&apos;incrocio della griglia del tappetino che rappresenta, poi premere Invio. Con Esc si tengono solo gli angoli.</translation>
    </message>
    <message>
        <source>Two points of the mesh cross or fold over each other. Drag each onto its own crossing.</source>
        <translation>Due punti del reticolo si incrociano o si sovrappongono. Trascinare ciascuno sul proprio incrocio.</translation>
    </message>
    <message>
        <source>The stored corner calibration of this screen is damaged and was not used.</source>
        <translation>La calibrazione sugli angoli memorizzata per questo schermo è danneggiata e non è stata usata.</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::MappedProjectorView</name>
    <message>
        <source>Projector View</source>
        <translation>Modalità proiettore</translation>
    </message>
    <message>
        <source>The pattern at true scale on the calibrated table. The arrow keys move it, Page Down and Page Up show the next and the previous section; Esc leaves.</source>
        <translation>Il cartamodello in scala reale sul tavolo calibrato. I tasti freccia lo spostano, Pag giù e Pag su mostrano la sezione successiva e quella precedente; Esc chiude la modalità proiettore.</translation>
    </message>
    <message>
        <source>Section %1 of %2: %3</source>
        <extracomment>%1 is the section&apos;s number, %2 how many there are, %3 its label such as B2.</extracomment>
        <translation>Sezione %1 di %2: %3</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::ProjectorDialog</name>
    <message>
        <source>Projector</source>
        <translation>Proiettore</translation>
    </message>
    <message>
        <source>White lines on black</source>
        <translation>Linee bianche su nero</translation>
    </message>
    <message>
        <source>Black lines on white</source>
        <translation>Linee nere su bianco</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>A grid</source>
        <translation>Una griglia</translation>
    </message>
    <message>
        <source>A ruler</source>
        <translation>Un righello</translation>
    </message>
    <message>
        <source>&amp;Show Pattern</source>
        <translation>&amp;Mostra cartamodello</translation>
    </message>
    <message>
        <source>&amp;Reset Calibration</source>
        <translation>A&amp;zzera calibrazione</translation>
    </message>
    <message>
        <source>&amp;Lines:</source>
        <translation>&amp;Linee:</translation>
    </message>
    <message>
        <source>Line &amp;width:</source>
        <translation>S&amp;pessore linee:</translation>
    </message>
    <message>
        <source>Check the scale &amp;by:</source>
        <translation>&amp;Verifica della scala:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Calibrazione:</translation>
    </message>
    <message>
        <source>%1 pixels per inch</source>
        <translation>%1 pixel per pollice</translation>
    </message>
    <message>
        <source>Not calibrated yet</source>
        <translation>Schermo non ancora calibrato</translation>
    </message>
    <message>
        <source>%1 (%2 x %3)</source>
        <extracomment>A screen: its name (width x height in pixels).</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 (%2 x %3)</translation>
    </message>
    <message>
        <source>C&amp;alibrate...</source>
        <translation>C&amp;alibra...</translation>
    </message>
    <message>
        <source>Scr&amp;een:</source>
        <translation>&amp;Schermo:</translation>
    </message>
    <message numerus="yes">
        <source>%n pixel(s)</source>
        <translation>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixel</numerusform>
        </translation>
    </message>
    <message>
        <source>The calibration kept for %1 is damaged, so it is ignored. Calibrate the screen again before the pattern is shown on it.</source>
        <extracomment>%1 is the screen as the list of screens names it.</extracomment>
        <translation>La calibrazione conservata per %1 è danneggiata, quindi viene ignorata. Calibrate di nuovo lo schermo prima di mostrarvi il cartamodello.</translation>
    </message>
    <message>
        <source>The calibrated rectangle</source>
        <translation>Il rettangolo calibrato</translation>
    </message>
    <message>
        <source>&amp;Mirror across</source>
        <translation>Specchia in &amp;orizzontale</translation>
    </message>
    <message>
        <source>Mirror &amp;down</source>
        <translation>Specchia in v&amp;erticale</translation>
    </message>
    <message>
        <source>0 degrees</source>
        <translation>0 gradi</translation>
    </message>
    <message>
        <source>90 degrees</source>
        <translation>90 gradi</translation>
    </message>
    <message>
        <source>180 degrees</source>
        <translation>180 gradi</translation>
    </message>
    <message>
        <source>270 degrees</source>
        <translation>270 gradi</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>3 x 3 points</source>
        <translation>3 x 3 punti</translation>
    </message>
    <message>
        <source>5 x 5 points</source>
        <translation>5 x 5 punti</translation>
    </message>
    <message>
        <source>Calibrate C&amp;orners...</source>
        <translation>Calibra a&amp;ngoli...</translation>
    </message>
    <message>
        <source>&amp;Turn:</source>
        <translation>&amp;Rotazione:</translation>
    </message>
    <message>
        <source>Mes&amp;h:</source>
        <translation>Re&amp;ticolo:</translation>
    </message>
    <message>
        <source>Corners: %1 x %2 %3</source>
        <extracomment>The corner calibration&apos;s rectangle: %1 x %2 and the unit&apos;s short word, in or mm.</extracomment>
        <translation>Angoli: %1 x %2 %3</translation>
    </message>
    <message>
        <source>Not corner calibrated</source>
        <translation>Angoli non ancora calibrati</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::ProjectorView</name>
    <message>
        <source>Projector View</source>
        <translation>Modalità proiettore</translation>
    </message>
    <message>
        <source>The pattern at true scale. The arrow keys move it; Esc leaves.</source>
        <translation>Il cartamodello in scala reale. I tasti freccia lo spostano; Esc chiude la modalità proiettore.</translation>
    </message>
</context>
</TS>
