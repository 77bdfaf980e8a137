<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>%1 pulg.</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>Print this sheet at 100 % (actual size), with no scaling and no &quot;fit to page&quot;. Measure each bar with a good ruler in millimeters, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern &gt; Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they come out at their true size.</source>
        <extracomment>&quot;Pattern &gt; Calibrate Printer...&quot; is a menu command: word it as the menu does.</extracomment>
        <translation>Imprime esta hoja al 100 % (tamaño real), sin escalar y sin «ajustar a la página». Mide cada barra con una buena regla en milímetros, desde el centro de una marca del extremo hasta el centro de la otra. En Tavrel, elige Patrón &gt; Calibrar impresora... y escribe las dos longitudes que hayas medido: a partir de entonces, lo que imprimas en esta impresora se corregirá para que tenga el tamaño exacto.</translation>
    </message>
    <message>
        <source>Print this sheet at 100 % (actual size), with no scaling and no &quot;fit to page&quot;. Measure each bar with a good ruler in inches, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern &gt; Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they come out at their true size.</source>
        <extracomment>&quot;Pattern &gt; Calibrate Printer...&quot; is a menu command: word it as the menu does.</extracomment>
        <translation>Imprime esta hoja al 100 % (tamaño real), sin escalar y sin «ajustar a la página». Mide cada barra con una buena regla en pulgadas, desde el centro de una marca del extremo hasta el centro de la otra. En Tavrel, elige Patrón &gt; Calibrar impresora... y escribe las dos longitudes que hayas medido: a partir de entonces, lo que imprimas en esta impresora se corregirá para que tenga el tamaño exacto.</translation>
    </message>
    <message>
        <source>The calibration sheet could not be made.</source>
        <translation>No se pudo crear la hoja de calibración.</translation>
    </message>
    <message>
        <source>Tavrel printer calibration</source>
        <translation>Tavrel: calibración de la impresora</translation>
    </message>
    <message>
        <source>Across: %1</source>
        <extracomment>%1 is the bar&apos;s length, such as &quot;8 in&quot;.</extracomment>
        <translation>Horizontal: %1</translation>
    </message>
    <message>
        <source>Down: %1</source>
        <extracomment>%1 is the bar&apos;s length, such as &quot;10 in&quot;.</extracomment>
        <translation>Vertical: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 (see tavrel --help)</source>
        <translation>%1 (consulta tavrel --help)</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;: use decimal, fractions or millimeter</source>
        <translation>unidad desconocida «%1»: usa decimal, fractions o millimeter</translation>
    </message>
    <message>
        <source>unknown paper &quot;%1&quot;: use %2; %3; or %4</source>
        <extracomment>%2, %3 and %4 are the names of the office papers, the copy-shop papers and the rolls.</extracomment>
        <translation>papel desconocido «%1»: usa %2; %3; o %4</translation>
    </message>
    <message>
        <source>--export needs --unit decimal, fractions or millimeter</source>
        <translation>--export necesita --unit decimal, fractions o millimeter</translation>
    </message>
    <message>
        <source>--export needs --measure TEXT</source>
        <translation>--export necesita --measure TEXTO</translation>
    </message>
    <message>
        <source>--dpi takes a whole number of dots per inch from %1 to %2</source>
        <translation>--dpi admite un número entero de puntos por pulgada, de %1 a %2</translation>
    </message>
    <message>
        <source>--paper goes with an export to FILE.pdf</source>
        <translation>--paper solo va con una exportación a ARCHIVO.pdf</translation>
    </message>
    <message>
        <source>--correction takes two factors from 0.8 to 1.25, across and down, as 1.02,0.99</source>
        <translation>--correction admite dos factores con punto decimal de 0.8 a 1.25, horizontal y vertical, como 1.02,0.99</translation>
    </message>
    <message>
        <source>--correction goes with an export to FILE.pdf</source>
        <translation>--correction solo va con una exportación a ARCHIVO.pdf</translation>
    </message>
    <message>
        <source>--calibration-sheet goes only with --paper and --unit</source>
        <translation>--calibration-sheet solo va con --paper y --unit</translation>
    </message>
    <message>
        <source>--calibration-sheet writes a FILE.pdf</source>
        <translation>--calibration-sheet escribe un ARCHIVO.pdf</translation>
    </message>
    <message>
        <source>--unit, --measure, --dpi, --paper and --correction go with --export FILE</source>
        <translation>--unit, --measure, --dpi, --paper y --correction van con --export ARCHIVO</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in decimal inches: use 2.5 for decimal inches or --unit fractions for 2 1/2</source>
        <translation>--measure «%1» no es una medida en pulgadas decimales: usa 2.5 para pulgadas decimales o --unit fractions para 2 1/2</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in millimeters: use digits with one point at most, as 63.5</source>
        <translation>--measure «%1» no es una medida en milímetros: usa cifras con un punto como máximo, como 63.5</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two of a list of paper names, as &quot;legal or tabloid&quot;.</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>(%1 x %2 in)</source>
        <extracomment>A paper&apos;s size in inches, as &quot;(24 x 36 in)&quot;.</extracomment>
        <translation>(%1x%2 pulg.)</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is unclear: a comma before three digits may group thousands. Write decimals with a point and thousands without a separator</source>
        <translation>--measure «%1» es ambiguo: una coma antes de tres cifras puede separar miles. Escribe los decimales con punto y los miles sin separador</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in inches with fractions: use a whole number, a fraction, or both with one space between, as 2, 1/2 or 2 1/2</source>
        <translation>--measure «%1» no es una medida en pulgadas con fracciones: usa un número entero, una fracción o ambos separados por un espacio, como 2, 1/2 o 2 1/2</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has decimals, which --unit fractions rounds away to whole inches: use --unit decimal for %1</source>
        <translation>--measure «%1» tiene decimales, que --unit fractions redondea a pulgadas enteras: usa --unit decimal para %1</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has decimals in its whole inches, which --unit fractions rounds away: write them in the fraction, as 2 1/2, or use --unit decimal</source>
        <translation>--measure «%1» tiene decimales en sus pulgadas enteras, que --unit fractions redondea: escríbelos en la fracción, como 2 1/2, o usa --unit decimal</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has a fraction over 0: write a number above 0 after the slash, as 2 1/2</source>
        <translation>--measure «%1» tiene una fracción sobre 0: escribe un número mayor que 0 después de la barra, como 2 1/2</translation>
    </message>
    <message>
        <source>--export FILE ends in a dot: end it in .png, .svg, .pdf or .dxf</source>
        <translation>--export ARCHIVO termina en un punto: termínelo en .png, .svg, .pdf o .dxf</translation>
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
        <translation>Uso: tavrel [--unit UNIDAD --measure TEXTO --export ARCHIVO [--dpi N]
             [--paper PAPEL] [--correction X,Y]]
     tavrel --calibration-sheet ARCHIVO.pdf [--paper PAPEL] [--unit UNIDAD]

Sin opciones, abre la ventana. Con --export, dibuja el patrón de una medida en
ARCHIVO y no abre ninguna ventana. Con --calibration-sheet, escribe la hoja que
mide el error de escala de una impresora: una barra horizontal y otra vertical,
de 8 pulg. (20 cm con --unit millimeter; sin --unit, en la unidad de la
configuración regional) o tan largas como permita el papel.

  --unit UNIDAD     decimal (pulgadas, como 2.5), fractions (pulgadas, como
                    &quot;2 1/2&quot;) o millimeter (como 63.5)
  --measure TEXTO   la medida, leída igual que la lee la casilla de la ventana
  --export ARCHIVO  ARCHIVO.png: la imagen a un píxel de imagen por píxel de
                    pantalla, con su resolución registrada; ARCHIVO.svg:
                    dibujo vectorial a tamaño real; ARCHIVO.pdf: páginas para
                    imprimir al 100 %, en mosaico si el patrón es más grande
                    que el papel; ARCHIVO.dxf: líneas y arcos a tamaño real
                    para máquinas de corte y CAD, en pulgadas o milímetros
                    según la unidad
  --dpi N           la resolución de pantalla para la que se dibuja, en puntos
                    por pulgada (de 24 a 1440; por omisión, 96)
  --paper PAPEL     el papel del PDF: %1 (por
                    omisión: letter si la configuración regional mide en
                    unidades de EE. UU.; si no, a4); para copisterías
                    %2;
                    o un rollo, %3: páginas del
                    ancho del rollo, tan largas como necesite el patrón, hasta
                    200 pulg.
  --correction X,Y  corrige el error de escala de una impresora: las páginas
                    del PDF se amplían en un factor X en horizontal y en un
                    factor Y en vertical (de 0.8 a 1.25, como 1.02,0.99); cada
                    factor es la longitud de una barra de la hoja de
                    calibración dividida por la longitud medida
  --lang CÓDIGO     el idioma de la ventana y de estos mensajes, como de o
                    pt_BR (por omisión: el del sistema)
  -h, --help        muestra esta ayuda
  -v, --version     muestra la versión

El valor de una opción va como argumento siguiente o tras &apos;=&apos; (--dpi=120).
Estado de salida: 0 escrito, 1 nada escrito (sin medida, demasiado grande, no
se puede escribir), 2 opciones incorrectas. Un ARCHIVO existente solo se
reemplaza por un dibujo completo.
</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Pattern Maker</source>
        <translation>Creador de patrones</translation>
    </message>
    <message>
        <source>Draft a full-size cutting pattern from one measurement and print it at true scale</source>
        <translation>Trazar un patrón a tamaño real a partir de una sola medida e imprimirlo a escala exacta</translation>
    </message>
    <message>
        <source>sewing;pattern;craft;template;print;true scale;</source>
        <extracomment>Words a sewist types into the desktop&apos;s search to find the program, each followed by a semicolon.</extracomment>
        <translation>costura;patrón;manualidades;plantilla;imprimir;tamaño real;</translation>
    </message>
</context>
<context>
    <name>DocumentTitles</name>
    <message>
        <source>Tavrel pattern</source>
        <extracomment>A document&apos;s title and a print job&apos;s name.</extracomment>
        <translation>Patrón de Tavrel</translation>
    </message>
    <message>
        <source>A flat cutting pattern at true size, in millimeters.</source>
        <translation>Un patrón plano a tamaño real, en milímetros.</translation>
    </message>
    <message>
        <source>Tavrel printer calibration</source>
        <extracomment>A document&apos;s title and a print job&apos;s name.</extracomment>
        <translation>Calibración de impresora de Tavrel</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the picture could not be encoded.</source>
        <translation>No se puede escribir «%1»: no se pudo codificar la imagen.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <extracomment>%2 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>No se puede escribir «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a disk or a socket, not a file.</source>
        <translation>No se puede escribir «%1»: es un dispositivo o un socket, no un archivo.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: no program is reading from this pipe.</source>
        <translation>No se puede escribir «%1»: ningún programa está leyendo de esta tubería.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: its folder &quot;%2&quot; does not let you add files, and the new file is written there before it replaces the old one.</source>
        <extracomment>%2 is the folder of the file %1.</extracomment>
        <translation>No se puede escribir «%1»: su carpeta «%2» no le permite añadir archivos, y el archivo nuevo se escribe allí antes de sustituir al antiguo.</translation>
    </message>
</context>
<context>
    <name>Extras</name>
    <message>
        <source>A part of Tavrel is missing or damaged (%1). Install the program again.</source>
        <translation>Falta una parte de Tavrel o está dañada (%1). Vuelve a instalar el programa.</translation>
    </message>
    <message>
        <source>%1 is not the module built with this program</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 no es el módulo compilado con este programa</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 no es un archivo</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help Not Available</source>
        <translation>Ayuda no disponible</translation>
    </message>
    <message>
        <source>The help file could not be found or read:
%1</source>
        <translation>No se pudo encontrar o leer el archivo de ayuda:
%1</translation>
    </message>
    <message>
        <source>The help file is damaged or is not a help file:
%1</source>
        <translation>El archivo de ayuda está dañado o no es un archivo de ayuda:
%1</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>English</source>
        <extracomment>This language&apos;s own name, as a list of languages shows it: &quot;Deutsch&quot; in German.</extracomment>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Full-size cutting patterns from one measurement</source>
        <translation>Patrones a tamaño real a partir de una sola medida</translation>
    </message>
    <message>
        <source>Tavrel drafts a flat cutting pattern from a single measurement and prints it at its real size, ready to pin to fabric or trace onto cardstock.</source>
        <translation>Tavrel traza un patrón plano a partir de una sola medida y lo imprime a tamaño real, listo para prender con alfileres en la tela o calcar en cartulina.</translation>
    </message>
    <message>
        <source>Choose inches as decimals, inches with fractions such as 2 1/2, or millimeters, type the measurement, and the pattern follows every keystroke. A ruler under the pattern tells what one division must measure on paper, so you can check that the printout came out at 100 %. Patterns can also be saved as PDF, SVG, PNG or DXF files.</source>
        <translation>Elige pulgadas con decimales, pulgadas con fracciones como 2 1/2 o milímetros, escribe la medida y el patrón sigue cada pulsación. Una regla bajo el patrón indica cuánto debe medir una división en el papel, para comprobar que la impresión salió al 100 %. Los patrones también se pueden guardar como archivos PDF, SVG, PNG o DXF.</translation>
    </message>
    <message>
        <source>A pattern for 2 1/2 inches with its check ruler</source>
        <translation>Un patrón para 2 1/2 pulgadas con su regla de control</translation>
    </message>
</context>
<context>
    <name>PaperMenu</name>
    <message>
        <source>&amp;Letter (8.5 x 11 in)</source>
        <translation>&amp;Carta (8,5 x 11 pulg.)</translation>
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
        <translation>Le&amp;gal (8,5 x 14 pulg.)</translation>
    </message>
    <message>
        <source>&amp;Tabloid (11 x 17 in)</source>
        <translation>&amp;Tabloide (11 x 17 pulg.)</translation>
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
        <translation>Arch &amp;D (24 x 36 pulg.)</translation>
    </message>
    <message>
        <source>Arch &amp;E (36 x 48 in)</source>
        <translation>Arch &amp;E (36 x 48 pulg.)</translation>
    </message>
    <message>
        <source>&amp;Roll, 36 in wide</source>
        <translation>&amp;Rollo de 36 pulg. de ancho</translation>
    </message>
    <message>
        <source>R&amp;oll, 24 in wide</source>
        <translation>R&amp;ollo de 24 pulg. de ancho</translation>
    </message>
    <message>
        <source>Roll, 914 &amp;mm wide</source>
        <translation>Rollo de 914 &amp;mm de ancho</translation>
    </message>
</context>
<context>
    <name>PatternDescription</name>
    <message>
        <source>Pattern for %1 millimeters, %2 by %3 millimeters when printed</source>
        <translation>Patrón para %1 milímetros, de %2 por %3 milímetros una vez impreso</translation>
    </message>
    <message>
        <source>Pattern for %1 inches, %2 by %3 inches when printed</source>
        <translation>Patrón para %1 pulgadas, de %2 por %3 pulgadas una vez impreso</translation>
    </message>
</context>
<context>
    <name>PatternExport</name>
    <message>
        <source>Too large to draw. The largest measurement is %1 millimeters.</source>
        <extracomment>%1 is a number, such as 2312.</extracomment>
        <translation>Demasiado grande para dibujarlo. La medida máxima es de %1 milímetros.</translation>
    </message>
    <message>
        <source>Too large to draw. The largest measurement is %1 inches.</source>
        <extracomment>%1 is a number, such as 91.02 or 91.</extracomment>
        <translation>Demasiado grande para dibujarlo. La medida máxima es de %1 pulgadas.</translation>
    </message>
    <message>
        <source>Nothing to draw: &quot;%1&quot; is not a measurement above 0.</source>
        <translation>Nada que dibujar: «%1» no es una medida mayor que 0.</translation>
    </message>
</context>
<context>
    <name>PdfPages</name>
    <message>
        <source>When printed, this bar should measure one centimeter</source>
        <translation>Una vez impresa, esta barra debe medir un centímetro</translation>
    </message>
    <message>
        <source>When printed, this bar should measure one inch</source>
        <translation>Una vez impresa, esta barra debe medir una pulgada</translation>
    </message>
    <message>
        <source>Print every page at 100 % (actual size), with no scaling and no &quot;fit to page&quot;: the bar at the foot of each page must then measure one centimeter. Cut each page along the top and the left line of its frame. Then lay the pages out as in the diagram below, each page over its neighbors to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 12.7 mm (1/2 inch).</source>
        <translation>Imprime todas las páginas al 100 % (tamaño real), sin escalar y sin «ajustar a la página»: la barra al pie de cada página debe medir entonces un centímetro. Recorta cada página por la línea superior y la línea izquierda de su marco. Después coloca las páginas como indica el esquema de montaje de abajo, cada página encima de sus vecinas de la izquierda y de arriba, con los bordes recortados sobre las líneas discontinuas de estas, de modo que coincidan las dos mitades de cada cruz con círculo. Únelas con cinta adhesiva. Las páginas se solapan 12,7 mm (1/2 pulgada).</translation>
    </message>
    <message>
        <source>Print every page at 100 % (actual size), with no scaling and no &quot;fit to page&quot;: the bar at the foot of each page must then measure one inch. Cut each page along the top and the left line of its frame. Then lay the pages out as in the diagram below, each page over its neighbors to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 1/2 inch (12.7 mm).</source>
        <translation>Imprime todas las páginas al 100 % (tamaño real), sin escalar y sin «ajustar a la página»: la barra al pie de cada página debe medir entonces una pulgada. Recorta cada página por la línea superior y la línea izquierda de su marco. Después coloca las páginas como indica el esquema de montaje de abajo, cada página encima de sus vecinas de la izquierda y de arriba, con los bordes recortados sobre las líneas discontinuas de estas, de modo que coincidan las dos mitades de cada cruz con círculo. Únelas con cinta adhesiva. Las páginas se solapan 1/2 pulgada (12,7 mm).</translation>
    </message>
    <message numerus="yes">
        <source>Tavrel pattern on %n pages: %1 across, %2 down</source>
        <extracomment>The map&apos;s title: %n pages in all, the map included; %1 columns of pages across and %2 rows down.</extracomment>
        <translation>
            <numerusform>Patrón de Tavrel en %n página: %1 a lo ancho, %2 a lo alto</numerusform>
            <numerusform>Patrón de Tavrel en %n páginas: %1 a lo ancho, %2 a lo alto</numerusform>
        </translation>
    </message>
    <message>
        <source>Page %1 of %2: column %3 of %4, row %5 of %6.</source>
        <translation>Página %1 de %2: columna %3 de %4, fila %5 de %6.</translation>
    </message>
    <message>
        <source>Print at 100 % (actual size), no scaling.</source>
        <translation>Imprime al 100 % (tamaño real), sin escalar.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Cannot export to &quot;%1&quot;: the file name must end in .png, .svg, .pdf or .dxf.</source>
        <translation>No se puede exportar a «%1»: el nombre del archivo debe terminar en .png, .svg, .pdf o .dxf.</translation>
    </message>
    <message>
        <source>Too small to draw. At this measurement the pattern is less than one pixel high.</source>
        <translation>Demasiado pequeño para dibujarlo. Con esta medida, el patrón mide menos de un píxel de alto.</translation>
    </message>
</context>
<context>
    <name>PrintCorrection</name>
    <message>
        <source>%1 % across, %2 % down</source>
        <extracomment>A printer&apos;s correction: the scale its prints are made at, across and down the page, where 100 % changes nothing.</extracomment>
        <translation>%1 % en horizontal, %2 % en vertical</translation>
    </message>
</context>
<context>
    <name>PrintQuestion</name>
    <message>
        <source>The pattern does not fit the page at its usual place. It will print on one page of %1 on &quot;%2&quot;, moved in from the corner.</source>
        <extracomment>%1 is the paper, such as A4; %2 the printer.</extracomment>
        <translation>El patrón no cabe en la página en su posición habitual. Se imprimirá en una página %1 en la impresora «%2», desplazado hacia dentro desde la esquina.</translation>
    </message>
    <message numerus="yes">
        <source>The pattern is larger than the page. It will print whole on %n pages of %1 on &quot;%2&quot;: first a diagram of how the pages fit together, then the pages to tape together.</source>
        <extracomment>%n pages in all, the diagram&apos;s page included; %1 the paper, such as A4; %2 the printer.</extracomment>
        <translation>
            <numerusform>El patrón es más grande que la página. Se imprimirá completo en %n página %1 en la impresora «%2»: primero un esquema de montaje de las páginas y después las páginas que hay que unir con cinta adhesiva como indica el esquema.</numerusform>
            <numerusform>El patrón es más grande que la página. Se imprimirá completo en %n páginas %1 en la impresora «%2»: primero un esquema de montaje de las páginas y después las páginas que hay que unir con cinta adhesiva como indica el esquema.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Pattern</source>
        <translation>Imprimir patrón</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>The correction kept for the printer &quot;%1&quot; is damaged, so it is ignored: the pattern prints as the printer makes it. Calibrate the printer again to correct its prints.</source>
        <extracomment>%1 is the printer.</extracomment>
        <translation>La corrección guardada para la impresora «%1» está dañada, así que se ignora: el patrón se imprime sin corrección. Vuelve a calibrar la impresora para corregir sus impresiones.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There is no default printer (%1). Choose one in the system&apos;s printer settings, then print again.</source>
        <extracomment>%1 is the print system&apos;s reason.</extracomment>
        <translation>No hay ninguna impresora predeterminada (%1). Elige una en la configuración de impresoras del sistema y vuelve a imprimir.</translation>
    </message>
    <message>
        <source>The page for the printer &quot;%1&quot; could not be prepared. Nothing was printed.</source>
        <translation>No se pudo preparar la página para la impresora «%1». No se ha impreso nada.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2. Nothing was printed.</source>
        <extracomment>%1 is the printer, %2 the print system&apos;s reason.</extracomment>
        <translation>La impresora «%1» no aceptó el trabajo: %2. No se ha impreso nada.</translation>
    </message>
    <message>
        <source>There is no default printer. Choose one in the system&apos;s printer settings, then print again.</source>
        <translation>No hay ninguna impresora predeterminada. Elige una en la configuración de impresoras del sistema y vuelve a imprimir.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started. Nothing was printed.</source>
        <translation>No se pudo empezar a imprimir en la impresora «%1». No se ha impreso nada.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job. Nothing was printed.</source>
        <translation>La impresora «%1» no aceptó el trabajo. No se ha impreso nada.</translation>
    </message>
    <message>
        <source>Printing is not available on this system: no print service is running.</source>
        <translation>La impresión no está disponible en este sistema: no hay ningún servicio de impresión en marcha.</translation>
    </message>
</context>
<context>
    <name>PrinterCalibration</name>
    <message>
        <source>These lengths would need a correction of %1, beyond what a printer at 100 % needs (%2 % to %3 %). Check that the sheet was printed at 100 %, measure the bars again, and type the lengths in the unit chosen here.</source>
        <extracomment>%1 is the correction, such as &quot;130 % across, 99.5 % down&quot;; %2 and %3 are the least and the greatest percentages, 80 and 125.</extracomment>
        <translation>Estas longitudes necesitarían una corrección de %1, más de lo que necesita una impresora al 100 % (de %2 % a %3 %). Comprueba que la hoja se imprimió al 100 %, vuelve a medir las barras y escribe las longitudes en la unidad elegida aquí.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>there is no display to open the window on. To export a pattern to a file instead: tavrel --unit fractions --measure &quot;2 1/2&quot; --export pattern.png (see tavrel --help)</source>
        <extracomment>The command stays as it is: it must be typed so.</extracomment>
        <translation>no hay ninguna pantalla en la que abrir la ventana. Para exportar en su lugar un patrón a un archivo: tavrel --unit fractions --measure &quot;2 1/2&quot; --export pattern.png (vea tavrel --help)</translation>
    </message>
</context>
<context>
    <name>ReadingNotice</name>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3; choose %4 for %1</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 and %4 the units&apos; captions.</extracomment>
        <translation>
            <numerusform>En %3, %1 se dibuja como %2 pulgada; elige %4 para %1</numerusform>
            <numerusform>En %3, %1 se dibuja como %2 pulgadas; elige %4 para %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3, whose whole inches are rounded</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>En %3, %1 se dibuja como %2 pulgada, porque allí se redondean las pulgadas enteras</numerusform>
            <numerusform>En %3, %1 se dibuja como %2 pulgadas, porque allí se redondean las pulgadas enteras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3: a fraction over 0 counts as none</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>En %3, %1 se dibuja como %2 pulgada: una fracción sobre 0 no cuenta</numerusform>
            <numerusform>En %3, %1 se dibuja como %2 pulgadas: una fracción sobre 0 no cuenta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3; type a whole number, a space and a fraction, as 2 1/2</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>En %3, %1 se dibuja como %2 pulgada; escribe un número entero, un espacio y una fracción, como 2 1/2</numerusform>
            <numerusform>En %3, %1 se dibuja como %2 pulgadas; escribe un número entero, un espacio y una fracción, como 2 1/2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>space</source>
        <translation>espacio</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>espacio de no separación</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulación</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>salto de línea</translation>
    </message>
    <message>
        <source>point</source>
        <translation>punto</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>coma</translation>
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
        <translation>No se ha pegado nada: el campo no admite el carácter %1.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes no %1.</source>
        <translation>No se ha soltado nada: el campo no admite el carácter %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes only one %1.</source>
        <translation>No se ha pegado nada: el campo admite el carácter %1 solo una vez.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes only one %1.</source>
        <translation>No se ha soltado nada: el campo admite el carácter %1 solo una vez.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes no %1 at the start.</source>
        <translation>No se ha pegado nada: el campo no admite el carácter %1 al principio.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes no %1 at the start.</source>
        <translation>No se ha soltado nada: el campo no admite el carácter %1 al principio.</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save as SVG</source>
        <translation>Guardar como SVG</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Guardar como PNG</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Save as DXF</source>
        <translation>Guardar como DXF</translation>
    </message>
    <message>
        <source>DXF drawing for cutters (*.dxf)</source>
        <translation>Dibujo DXF para máquinas de corte (*.dxf)</translation>
    </message>
    <message>
        <source>None: the pattern at its true size</source>
        <translation>Ninguna: el PDF tiene el tamaño exacto</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is a printer, %2 its correction, such as &quot;102 % across, 99.5 % down&quot;.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Correct &amp;for printer:</source>
        <translation>Corregir para la &amp;impresora:</translation>
    </message>
    <message>
        <source>pattern</source>
        <extracomment>The name offered for a new file, without its suffix.</extracomment>
        <translation>patrón</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Tavrel could not write its settings file %1, so this change holds only until Tavrel closes. Check that its folder can be written to and that the disk is not full.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Tavrel no pudo escribir su archivo de configuración %1, así que este cambio solo se mantiene hasta que Tavrel se cierre. Comprueba que se puede escribir en su carpeta y que el disco no está lleno.</translation>
    </message>
    <message>
        <source>Tavrel&apos;s settings file %1 is damaged. The settings that could be read are kept; the rest could not be copied aside and goes with the next change.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>El archivo de ajustes %1 de Tavrel está dañado. Se conservan los ajustes que se pudieron leer; el resto no se pudo apartar y se perderá con el próximo cambio.</translation>
    </message>
    <message>
        <source>Tavrel&apos;s settings file %1 is damaged. The settings that could be read are kept; the file as it was is set aside as %2.</source>
        <extracomment>%1 is the settings file, %2 the copy of it as it was.</extracomment>
        <translation>El archivo de ajustes %1 de Tavrel está dañado. Se conservan los ajustes que se pudieron leer; el archivo tal como estaba se ha apartado como %2.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Print at 100 % (&quot;Actual size&quot;), not &quot;Fit to page&quot;, then check the ruler on the printout.</source>
        <extracomment>Under the pattern, before printing. &quot;Actual size&quot; and &quot;Fit to page&quot; are the print dialog&apos;s settings as browsers and PDF viewers name them in the language.</extracomment>
        <translation>Imprime al 100 % («Tamaño real»), no con «Ajustar a la página», y luego comprueba la regla de control en la hoja impresa.</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The caption of the list of languages.</extracomment>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Install Tavrel</source>
        <extracomment>A button that installs the page as a program on the computer or phone.</extracomment>
        <translation>Instalar Tavrel</translation>
    </message>
    <message>
        <source>Works offline</source>
        <extracomment>Said of the page once installed: it needs no internet connection.</extracomment>
        <translation>Funciona sin conexión</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>A button that saves the pattern as a file.</extracomment>
        <translation>Descargar</translation>
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
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>One correction is kept, for the printer this browser prints on.</source>
        <extracomment>In Pattern &gt; Calibrate Printer, beside &quot;Printer:&quot;: the browser does not say which printer it prints on, so the page keeps one correction for all of it.</extracomment>
        <translation>Se guarda una sola corrección, para la impresora en la que imprime este navegador.</translation>
    </message>
    <message>
        <source>Open the calibration sheet to print</source>
        <extracomment>A link in Pattern &gt; Calibrate Printer, once the sheet is made: it opens the sheet&apos;s PDF.</extracomment>
        <translation>Abrir la hoja de calibración para imprimir</translation>
    </message>
    <message>
        <source>This browser keeps no data for this page, so the correction could not be kept.</source>
        <extracomment>When the browser refuses to store anything for the page (private mode, full storage).</extracomment>
        <translation>Este navegador no guarda datos para esta página, así que no se pudo guardar la corrección.</translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>The name, for screen readers, of the three units the measurement is typed in.</extracomment>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button that closes a question without doing what it asks.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open the pattern to print</source>
        <extracomment>A link under the sentence on printing at 100 %: it opens the pattern&apos;s PDF to print.</extracomment>
        <translation>Abrir el patrón para imprimirlo</translation>
    </message>
    <message>
        <source>The pattern does not fit the page at its usual place. It will print on one page of %1, moved in from the corner.</source>
        <extracomment>Before printing a pattern just too large for its usual place. %1 is the paper, such as A4.</extracomment>
        <translation>El patrón no cabe en la página en su posición habitual. Se imprimirá en una página %1, desplazado hacia dentro desde la esquina.</translation>
    </message>
    <message numerus="yes">
        <source>The pattern is larger than the page. It will print whole on %n pages of %1: first a diagram of how the pages fit together, then the pages to tape together.</source>
        <extracomment>Before printing a pattern larger than the page. %n pages in all, the diagram&apos;s page included; %1 the paper, such as A4.</extracomment>
        <translation>
            <numerusform>El patrón es más grande que la página. Se imprimirá completo en %n página %1: primero un esquema de montaje de las páginas y después las páginas que hay que unir con cinta adhesiva como indica el esquema.</numerusform>
            <numerusform>El patrón es más grande que la página. Se imprimirá completo en %n páginas %1: primero un esquema de montaje de las páginas y después las páginas que hay que unir con cinta adhesiva como indica el esquema.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavrel::app::PatternMenu</name>
    <message>
        <source>&amp;Pattern</source>
        <translation>&amp;Patrón</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>Guardar como &amp;PDF...</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>Guardar como &amp;SVG...</translation>
    </message>
    <message>
        <source>Save as P&amp;NG...</source>
        <translation>Guardar como P&amp;NG...</translation>
    </message>
    <message>
        <source>Save as &amp;DXF...</source>
        <translation>Guardar como &amp;DXF...</translation>
    </message>
    <message>
        <source>PDF Pape&amp;r</source>
        <translation>Papel pa&amp;ra PDF</translation>
    </message>
    <message>
        <source>Save Pattern</source>
        <translation>Guardar patrón</translation>
    </message>
    <message>
        <source>Pro&amp;jector View...</source>
        <translation>Vista de pro&amp;yector...</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer...</source>
        <translation>&amp;Calibrar impresora...</translation>
    </message>
    <message>
        <source>PDF Paper</source>
        <translation>Papel para PDF</translation>
    </message>
</context>
<context>
    <name>tavrel::app::PrinterCalibrationDialog</name>
    <message>
        <source>Calibrate Printer</source>
        <translation>Calibrar impresora</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>&amp;Print Sheet</source>
        <translation>&amp;Imprimir hoja</translation>
    </message>
    <message>
        <source>&amp;Save Correction</source>
        <translation>&amp;Guardar corrección</translation>
    </message>
    <message>
        <source>&amp;Reset Correction</source>
        <translation>&amp;Quitar corrección</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Corrección:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unidad:</translation>
    </message>
    <message>
        <source>None: prints go out as the printer makes them</source>
        <translation>Ninguna: la impresora imprime sin corrección</translation>
    </message>
    <message>
        <source>&amp;Across bar (%1) measures:</source>
        <translation>La barra &amp;horizontal (%1) mide:</translation>
    </message>
    <message>
        <source>&amp;Down bar (%1) measures:</source>
        <translation>La barra &amp;vertical (%1) mide:</translation>
    </message>
    <message>
        <source>Type each length in millimeters, as 198.5.</source>
        <translation>Escribe cada longitud en milímetros, como 198.5.</translation>
    </message>
    <message>
        <source>Type each length in inches, as 7.85 or 7 7/8.</source>
        <translation>Escribe cada longitud en pulgadas, como 7.85 o 7 7/8.</translation>
    </message>
</context>
<context>
    <name>tavrel::app::frmAbout</name>
    <message>
        <source>OK</source>
        <extracomment>A small button: keep the caption short.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Tavrel Maker</source>
        <extracomment>&quot;Tavrel Maker&quot; is the program&apos;s name.</extracomment>
        <translation>Acerca de Tavrel Maker</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number, such as 1.0.0.</extracomment>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Written by: %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>Please send comments and suggestions 
to </source>
        <translation>Envía tus comentarios y sugerencias 
a </translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icono del programa</translation>
    </message>
    <message>
        <source>Send mail to the author</source>
        <extracomment>The mail link&apos;s name for screen readers, which read the address after it.</extracomment>
        <translation>Enviar un correo al autor</translation>
    </message>
    <message>
        <source>The Tavrel developers</source>
        <translation>Los desarrolladores de Tavrel</translation>
    </message>
    <message>
        <source>This program draws a flat cutting pattern and its sizing
formula from a published source; see the user&apos;s guide.</source>
        <extracomment>The About box&apos;s two credit lines: keep the line break.</extracomment>
        <translation>Este programa dibuja un patrón plano y su fórmula de tallaje
a partir de una fuente publicada; consulta la guía del usuario.</translation>
    </message>
</context>
<context>
    <name>tavrel::app::frmMain</name>
    <message>
        <source>Inches (Decimal)</source>
        <translation>Pulgadas (decimales)</translation>
    </message>
    <message>
        <source>Inches (Fractions)</source>
        <translation>Pulgadas (fracciones)</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>Print Pattern</source>
        <translation>Imprimir patrón</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Tavrel</translation>
    </message>
    <message>
        <source>When printed, each division above should measure one centimeter</source>
        <translation>Una vez impresa, cada división de arriba debe medir un centímetro</translation>
    </message>
    <message>
        <source>When printed, each division above should measure one inch</source>
        <translation>Una vez impresa, cada división de arriba debe medir una pulgada</translation>
    </message>
    <message>
        <source>Enter the measurement in inches</source>
        <translation>Escribe la medida en pulgadas</translation>
    </message>
    <message>
        <source>Enter the measurement in millimeters</source>
        <translation>Escribe la medida en milímetros</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Patrón</translation>
    </message>
</context>
<context>
    <name>tavrel::help::HelpBrowser</name>
    <message>
        <source>Page not found</source>
        <translation>Página no encontrada</translation>
    </message>
    <message>
        <source>The help file has no page %1.</source>
        <extracomment>%1 is the page&apos;s address within the help file, such as &quot;printing.html&quot;.</extracomment>
        <translation>El archivo de ayuda no tiene la página %1.</translation>
    </message>
    <message>
        <source>Page too large</source>
        <translation>Página demasiado grande</translation>
    </message>
    <message>
        <source>The page %1 is too large or too deeply nested for the help window to show.</source>
        <extracomment>%1 is the page&apos;s address within the help file, such as &quot;printing.html&quot;.</extracomment>
        <translation>La página %1 es demasiado grande o está anidada a demasiada profundidad para que la ventana de ayuda pueda mostrarla.</translation>
    </message>
</context>
<context>
    <name>tavrel::help::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <extracomment>The window&apos;s title: the page&apos;s title, then the help file&apos;s.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Inicio</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::CalibrationView</name>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Type the bar&apos;s length in millimeters, such as 250.</source>
        <translation>Escribe la longitud de la barra en milímetros, por ejemplo 250.</translation>
    </message>
    <message>
        <source>Type the bar&apos;s length in inches, such as 7 7/8.</source>
        <translation>Escribe la longitud de la barra en pulgadas, por ejemplo 7 7/8.</translation>
    </message>
    <message>
        <source>Drag the bar&apos;s right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in millimeters and press Enter. Esc leaves without calibrating.</source>
        <translation>Arrastra el extremo derecho de la barra, o usa las teclas de flecha (con Mayús para avanzar en pasos más grandes), hasta que coincida con una longitud de tu regla; o simplemente mide la barra. Después escribe esa longitud en milímetros y pulsa Intro. Esc sale sin calibrar.</translation>
    </message>
    <message>
        <source>Drag the bar&apos;s right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in inches, such as 7 7/8, and press Enter. Esc leaves without calibrating.</source>
        <translation>Arrastra el extremo derecho de la barra, o usa las teclas de flecha (con Mayús para avanzar en pasos más grandes), hasta que coincida con una longitud de tu regla; o simplemente mide la barra. Después escribe esa longitud en pulgadas, por ejemplo 7 7/8, y pulsa Intro. Esc sale sin calibrar.</translation>
    </message>
    <message>
        <source>Screen Calibration</source>
        <translation>Calibración de la pantalla</translation>
    </message>
    <message>
        <source>Bar length in millimeters</source>
        <translation>Longitud de la barra en milímetros</translation>
    </message>
    <message>
        <source>Bar length in inches</source>
        <translation>Longitud de la barra en pulgadas</translation>
    </message>
    <message numerus="yes">
        <source>A bar of %Ln pixels cannot measure %1: screens show between %2 and %3 pixels per inch. Check the length and its unit.</source>
        <extracomment>%Ln is the bar&apos;s length on the screen, %1 the length the user typed, %2 and %3 the least and the most pixels per inch.</extracomment>
        <translation>
            <numerusform>Una barra de %Ln píxel no puede medir %1: las pantallas muestran entre %2 y %3 píxeles por pulgada. Comprueba la longitud y su unidad.</numerusform>
            <numerusform>Una barra de %Ln píxeles no puede medir %1: las pantallas muestran entre %2 y %3 píxeles por pulgada. Comprueba la longitud y su unidad.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavrel::projector::CornerCalibrationView</name>
    <message>
        <source>Type the rectangle&apos;s size, for example 24 x 18 in or 600 x 450 mm.</source>
        <translation>Escribe el tamaño del rectángulo, por ejemplo 24 x 18 in o 600 x 450 mm.</translation>
    </message>
    <message>
        <source>The rectangle must be at least 4 x 4 inches (102 x 102 mm).</source>
        <translation>El rectángulo debe medir al menos 4 x 4 pulgadas (102 x 102 mm).</translation>
    </message>
    <message>
        <source>The corners cross each other. Drag each handle onto its own corner of the rectangle.</source>
        <translation>Las esquinas se cruzan. Arrastra cada tirador a su propia esquina del rectángulo.</translation>
    </message>
    <message>
        <source>A corner is turned inwards: the rectangle would fold over itself.</source>
        <translation>Una esquina está girada hacia dentro: el rectángulo se doblaría sobre sí mismo.</translation>
    </message>
    <message>
        <source>The rectangle&apos;s size does not match what a screen can show. Check the size you typed.</source>
        <translation>El tamaño del rectángulo no coincide con lo que puede mostrar una pantalla. Comprueba el tamaño que has escrito.</translation>
    </message>
    <message>
        <source>Corner Calibration</source>
        <translation>Calibración por esquinas</translation>
    </message>
    <message>
        <source>Drag each handle onto a corner of a rectangle you know on the table, or select one with Tab and move it with the arrow keys (Shift: 10 pixels). Then type the rectangle&apos;s size and press Enter.</source>
        <translation>Arrastra cada tirador a una esquina de un rectángulo de la mesa cuyo tamaño conozcas, o selecciona uno con Tab y muévelo con las teclas de flecha (Mayús: 10 píxeles). Después escribe el tamaño del rectángulo y pulsa Intro.</translation>
    </message>
    <message>
        <source>Rectangle size</source>
        <translation>Tamaño del rectángulo</translation>
    </message>
    <message>
        <source>Drag each point onto the crossing of the mat&apos;s grid it stands for, then press Enter. Esc keeps the corners alone.</source>
        <translation>Arrastra cada punto al cruce de la cuadrícula de la base de corte que le corresponde y pulsa Intro. Esc conserva solo las esquinas.</translation>
    </message>
    <message>
        <source>Two points of the mesh cross or fold over each other. Drag each onto its own crossing.</source>
        <translation>Dos puntos de la malla se cruzan o se doblan uno sobre otro. Arrastra cada uno a su propio cruce.</translation>
    </message>
    <message>
        <source>The stored corner calibration of this screen is damaged and was not used.</source>
        <translation>La calibración por esquinas guardada para esta pantalla está dañada y no se ha usado.</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::MappedProjectorView</name>
    <message>
        <source>Projector View</source>
        <translation>Vista de proyector</translation>
    </message>
    <message>
        <source>The pattern at true scale on the calibrated table. The arrow keys move it, Page Down and Page Up show the next and the previous section; Esc leaves.</source>
        <translation>El patrón a tamaño real sobre la mesa calibrada. Las teclas de flecha lo desplazan, Av Pág y Re Pág muestran la sección siguiente y la anterior; Esc cierra la vista.</translation>
    </message>
    <message>
        <source>Section %1 of %2: %3</source>
        <extracomment>%1 is the section&apos;s number, %2 how many there are, %3 its label such as B2.</extracomment>
        <translation>Sección %1 de %2: %3</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::ProjectorDialog</name>
    <message>
        <source>Projector</source>
        <translation>Proyector</translation>
    </message>
    <message>
        <source>White lines on black</source>
        <translation>Líneas blancas sobre negro</translation>
    </message>
    <message>
        <source>Black lines on white</source>
        <translation>Líneas negras sobre blanco</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>A grid</source>
        <translation>Una cuadrícula</translation>
    </message>
    <message>
        <source>A ruler</source>
        <translation>Una regla</translation>
    </message>
    <message>
        <source>&amp;Show Pattern</source>
        <translation>&amp;Mostrar patrón</translation>
    </message>
    <message>
        <source>&amp;Reset Calibration</source>
        <translation>&amp;Quitar calibración</translation>
    </message>
    <message>
        <source>&amp;Lines:</source>
        <translation>&amp;Líneas:</translation>
    </message>
    <message>
        <source>Line &amp;width:</source>
        <translation>&amp;Grosor de línea:</translation>
    </message>
    <message>
        <source>Check the scale &amp;by:</source>
        <translation>Comprobar la &amp;escala con:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Calibración:</translation>
    </message>
    <message>
        <source>%1 pixels per inch</source>
        <translation>%1 píxeles por pulgada</translation>
    </message>
    <message>
        <source>Not calibrated yet</source>
        <translation>Aún sin calibrar</translation>
    </message>
    <message>
        <source>%1 (%2 x %3)</source>
        <extracomment>A screen: its name (width x height in pixels).</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 (%2 x %3)</translation>
    </message>
    <message>
        <source>C&amp;alibrate...</source>
        <translation>C&amp;alibrar...</translation>
    </message>
    <message>
        <source>Scr&amp;een:</source>
        <translation>&amp;Pantalla:</translation>
    </message>
    <message numerus="yes">
        <source>%n pixel(s)</source>
        <translation>
            <numerusform>%n píxel</numerusform>
            <numerusform>%n píxeles</numerusform>
        </translation>
    </message>
    <message>
        <source>The calibration kept for %1 is damaged, so it is ignored. Calibrate the screen again before the pattern is shown on it.</source>
        <extracomment>%1 is the screen as the list of screens names it.</extracomment>
        <translation>La calibración guardada para %1 está dañada, así que se ignora. Vuelva a calibrar la pantalla antes de mostrar el patrón en ella.</translation>
    </message>
    <message>
        <source>The calibrated rectangle</source>
        <translation>El rectángulo calibrado</translation>
    </message>
    <message>
        <source>&amp;Mirror across</source>
        <translation>Voltear en &amp;horizontal</translation>
    </message>
    <message>
        <source>Mirror &amp;down</source>
        <translation>Voltear en &amp;vertical</translation>
    </message>
    <message>
        <source>0 degrees</source>
        <translation>0 grados</translation>
    </message>
    <message>
        <source>90 degrees</source>
        <translation>90 grados</translation>
    </message>
    <message>
        <source>180 degrees</source>
        <translation>180 grados</translation>
    </message>
    <message>
        <source>270 degrees</source>
        <translation>270 grados</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>3 x 3 points</source>
        <translation>3 x 3 puntos</translation>
    </message>
    <message>
        <source>5 x 5 points</source>
        <translation>5 x 5 puntos</translation>
    </message>
    <message>
        <source>Calibrate C&amp;orners...</source>
        <translation>Calibrar e&amp;squinas...</translation>
    </message>
    <message>
        <source>&amp;Turn:</source>
        <translation>&amp;Rotación:</translation>
    </message>
    <message>
        <source>Mes&amp;h:</source>
        <translation>Malla de c&amp;orrección:</translation>
    </message>
    <message>
        <source>Corners: %1 x %2 %3</source>
        <extracomment>The corner calibration&apos;s rectangle: %1 x %2 and the unit&apos;s short word, in or mm.</extracomment>
        <translation>Esquinas: %1 x %2 %3</translation>
    </message>
    <message>
        <source>Not corner calibrated</source>
        <translation>Esquinas sin calibrar</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::ProjectorView</name>
    <message>
        <source>Projector View</source>
        <translation>Vista de proyector</translation>
    </message>
    <message>
        <source>The pattern at true scale. The arrow keys move it; Esc leaves.</source>
        <translation>El patrón a tamaño real. Las teclas de flecha lo desplazan; Esc cierra la vista.</translation>
    </message>
</context>
</TS>
