<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
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
        <translation>%1 pol.</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>Print this sheet at 100 % (actual size), with no scaling and no &quot;fit to page&quot;. Measure each bar with a good ruler in millimeters, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern &gt; Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they come out at their true size.</source>
        <extracomment>&quot;Pattern &gt; Calibrate Printer...&quot; is a menu command: word it as the menu does.</extracomment>
        <translation>Imprima esta folha a 100 % (tamanho real), sem redimensionamento e sem «ajustar à página». Meça cada barra com uma boa régua em milímetros, desde o meio de uma marca da ponta até ao meio da outra. No Tavrel, escolha Molde &gt; Calibrar impressora... e escreva os dois comprimentos que mediu: a partir daí, o que imprimir nesta impressora será corrigido para ficar com as medidas certas.</translation>
    </message>
    <message>
        <source>Print this sheet at 100 % (actual size), with no scaling and no &quot;fit to page&quot;. Measure each bar with a good ruler in inches, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern &gt; Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they come out at their true size.</source>
        <extracomment>&quot;Pattern &gt; Calibrate Printer...&quot; is a menu command: word it as the menu does.</extracomment>
        <translation>Imprima esta folha a 100 % (tamanho real), sem redimensionamento e sem «ajustar à página». Meça cada barra com uma boa régua em polegadas, desde o meio de uma marca da ponta até ao meio da outra. No Tavrel, escolha Molde &gt; Calibrar impressora... e escreva os dois comprimentos que mediu: a partir daí, o que imprimir nesta impressora será corrigido para ficar com as medidas certas.</translation>
    </message>
    <message>
        <source>The calibration sheet could not be made.</source>
        <translation>Não foi possível criar a folha de calibração.</translation>
    </message>
    <message>
        <source>Tavrel printer calibration</source>
        <translation>Tavrel – calibração da impressora</translation>
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
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 foi indicado duas vezes</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>%1 (see tavrel --help)</source>
        <translation>%1 (consulte tavrel --help)</translation>
    </message>
    <message>
        <source>unknown unit &quot;%1&quot;: use decimal, fractions or millimeter</source>
        <translation>unidade desconhecida &quot;%1&quot;: use decimal, fractions ou millimeter</translation>
    </message>
    <message>
        <source>unknown paper &quot;%1&quot;: use %2; %3; or %4</source>
        <extracomment>%2, %3 and %4 are the names of the office papers, the copy-shop papers and the rolls.</extracomment>
        <translation>papel desconhecido &quot;%1&quot;: use %2; %3; ou %4</translation>
    </message>
    <message>
        <source>--export needs --unit decimal, fractions or millimeter</source>
        <translation>--export precisa de --unit decimal, fractions ou millimeter</translation>
    </message>
    <message>
        <source>--export needs --measure TEXT</source>
        <translation>--export precisa de --measure TEXTO</translation>
    </message>
    <message>
        <source>--dpi takes a whole number of dots per inch from %1 to %2</source>
        <translation>--dpi aceita um número inteiro de pontos por polegada, de %1 a %2</translation>
    </message>
    <message>
        <source>--paper goes with an export to FILE.pdf</source>
        <translation>--paper só se usa com uma exportação para FICHEIRO.pdf</translation>
    </message>
    <message>
        <source>--correction takes two factors from 0.8 to 1.25, across and down, as 1.02,0.99</source>
        <translation>--correction aceita dois fatores com ponto decimal de 0.8 a 1.25, horizontal e vertical, como 1.02,0.99</translation>
    </message>
    <message>
        <source>--correction goes with an export to FILE.pdf</source>
        <translation>--correction só se usa com uma exportação para FICHEIRO.pdf</translation>
    </message>
    <message>
        <source>--calibration-sheet goes only with --paper and --unit</source>
        <translation>--calibration-sheet só se usa com --paper e --unit</translation>
    </message>
    <message>
        <source>--calibration-sheet writes a FILE.pdf</source>
        <translation>--calibration-sheet escreve um FICHEIRO.pdf</translation>
    </message>
    <message>
        <source>--unit, --measure, --dpi, --paper and --correction go with --export FILE</source>
        <translation>--unit, --measure, --dpi, --paper e --correction só se usam com --export FICHEIRO</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in decimal inches: use 2.5 for decimal inches or --unit fractions for 2 1/2</source>
        <translation>--measure &quot;%1&quot; não é uma medida em polegadas decimais: use 2.5 para polegadas decimais ou --unit fractions para 2 1/2</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in millimeters: use digits with one point at most, as 63.5</source>
        <translation>--measure &quot;%1&quot; não é uma medida em milímetros: use algarismos com no máximo um ponto, como 63.5</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two of a list of paper names, as &quot;legal or tabloid&quot;.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>(%1 x %2 in)</source>
        <extracomment>A paper&apos;s size in inches, as &quot;(24 x 36 in)&quot;.</extracomment>
        <translation>(%1 x %2 pol.)</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is unclear: a comma before three digits may group thousands. Write decimals with a point and thousands without a separator</source>
        <translation>--measure &quot;%1&quot; é ambíguo: uma vírgula antes de três algarismos pode separar milhares. Escreva as casas decimais com ponto e os milhares sem separador</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; is not a measurement in inches with fractions: use a whole number, a fraction, or both with one space between, as 2, 1/2 or 2 1/2</source>
        <translation>--measure &quot;%1&quot; não é uma medida em polegadas com frações: use um número inteiro, uma fração ou ambos separados por um espaço, como 2, 1/2 ou 2 1/2</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has decimals, which --unit fractions rounds away to whole inches: use --unit decimal for %1</source>
        <translation>--measure &quot;%1&quot; tem casas decimais, que --unit fractions arredonda para polegadas inteiras: use --unit decimal para %1</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has decimals in its whole inches, which --unit fractions rounds away: write them in the fraction, as 2 1/2, or use --unit decimal</source>
        <translation>--measure &quot;%1&quot; tem casas decimais nas polegadas inteiras, que --unit fractions arredonda: escreva-as na fração, como 2 1/2, ou use --unit decimal</translation>
    </message>
    <message>
        <source>--measure &quot;%1&quot; has a fraction over 0: write a number above 0 after the slash, as 2 1/2</source>
        <translation>--measure &quot;%1&quot; tem uma fração sobre 0: escreva depois da barra um número maior que 0, como 2 1/2</translation>
    </message>
    <message>
        <source>--export FILE ends in a dot: end it in .png, .svg, .pdf or .dxf</source>
        <translation>--export FICHEIRO termina num ponto: termine-o em .png, .svg, .pdf ou .dxf</translation>
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
        <translation>Utilização: tavrel [--unit UNIDADE --measure TEXTO --export FICHEIRO [--dpi N]
                   [--paper PAPEL] [--correction X,Y]]
            tavrel --calibration-sheet FICHEIRO.pdf [--paper PAPEL]
                   [--unit UNIDADE]

Sem opções, abre a janela. Com --export, desenha o molde de uma medida no
FICHEIRO e não abre nenhuma janela. Com --calibration-sheet, escreve a folha
que mede o erro de escala de uma impressora: uma barra horizontal e uma
vertical, de 8 pol. (20 cm com --unit millimeter; sem --unit, na unidade da
região) ou tão compridas quanto o papel permitir.

  --unit UNIDADE   decimal (polegadas, como 2.5), fractions (polegadas, como
                   &quot;2 1/2&quot;) ou millimeter (como 63.5)
  --measure TEXTO  a medida, lida tal como a caixa de entrada da janela a lê
  --export FICHEIRO
                   FICHEIRO.png: a imagem com um píxel de imagem por píxel de
                   ecrã, com a resolução registada; FICHEIRO.svg: desenho
                   vetorial em tamanho real; FICHEIRO.pdf: páginas para
                   imprimir a 100 %, repartidas por várias folhas quando o
                   molde é maior do que o papel; FICHEIRO.dxf: linhas e arcos
                   em tamanho real para máquinas de corte e CAD, em polegadas
                   ou milímetros conforme a unidade
  --dpi N          a resolução do ecrã para a qual se desenha, em pontos por
                   polegada (24 a 1440; predefinição: 96)
  --paper PAPEL    o papel do PDF: %1
                   (predefinição: letter onde a região mede em unidades dos
                   EUA, caso contrário a4); para reprografias
                   %2;
                   ou um rolo, %3: páginas da
                   largura do rolo, tão compridas quanto o molde precisar, até
                   200 pol.
  --correction X,Y
                   anula o erro de escala de uma impressora: as páginas do PDF
                   são ampliadas pelo fator X na horizontal e Y na vertical
                   (0.8 a 1.25, como 1.02,0.99); cada fator é o comprimento de
                   uma barra da folha de calibração dividido pelo comprimento
                   medido
  --lang CÓDIGO    a língua da janela e destas mensagens, como de ou pt_BR
                   (predefinição: a do sistema)
  -h, --help       mostra esta ajuda
  -v, --version    mostra a versão

O valor de uma opção pode vir como argumento seguinte ou depois de &apos;=&apos;
(--dpi=120).
Estado de saída: 0 escrito, 1 nada escrito (sem medida, demasiado grande,
impossível escrever), 2 opções erradas. Um FICHEIRO existente só é substituído
por um desenho completo.
</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Pattern Maker</source>
        <translation>Criador de moldes</translation>
    </message>
    <message>
        <source>Draft a full-size cutting pattern from one measurement and print it at true scale</source>
        <translation>Desenhar um molde em tamanho real a partir de uma só medida e imprimi-lo à escala exata</translation>
    </message>
    <message>
        <source>sewing;pattern;craft;template;print;true scale;</source>
        <extracomment>Words a sewist types into the desktop&apos;s search to find the program, each followed by a semicolon.</extracomment>
        <translation>costura;molde;moldes;trabalhos manuais;modelo;imprimir;tamanho real;</translation>
    </message>
</context>
<context>
    <name>DocumentTitles</name>
    <message>
        <source>Tavrel pattern</source>
        <extracomment>A document&apos;s title and a print job&apos;s name.</extracomment>
        <translation>Molde do Tavrel</translation>
    </message>
    <message>
        <source>A flat cutting pattern at true size, in millimeters.</source>
        <translation>Um molde plano em tamanho real, em milímetros.</translation>
    </message>
    <message>
        <source>Tavrel printer calibration</source>
        <extracomment>A document&apos;s title and a print job&apos;s name.</extracomment>
        <translation>Calibração de impressora do Tavrel</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the picture could not be encoded.</source>
        <translation>Não é possível escrever «%1»: não foi possível codificar a imagem.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <extracomment>%2 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>Não é possível escrever «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is a disk or a socket, not a file.</source>
        <translation>Não é possível escrever «%1»: é um disco ou um socket, não um ficheiro.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: no program is reading from this pipe.</source>
        <translation>Não é possível escrever «%1»: nenhum programa está a ler deste pipe.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: its folder &quot;%2&quot; does not let you add files, and the new file is written there before it replaces the old one.</source>
        <extracomment>%2 is the folder of the file %1.</extracomment>
        <translation>Não é possível escrever «%1»: a pasta «%2» não lhe permite acrescentar ficheiros, e o novo ficheiro é escrito nela antes de substituir o antigo.</translation>
    </message>
</context>
<context>
    <name>Extras</name>
    <message>
        <source>A part of Tavrel is missing or damaged (%1). Install the program again.</source>
        <translation>Uma parte do Tavrel está em falta ou danificada (%1). Instale o programa novamente.</translation>
    </message>
    <message>
        <source>%1 is not the module built with this program</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 não é o módulo compilado com este programa</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 não existe</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 não é um ficheiro</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help Not Available</source>
        <translation>Ajuda não disponível</translation>
    </message>
    <message>
        <source>The help file could not be found or read:
%1</source>
        <translation>Não foi possível encontrar ou ler o ficheiro de ajuda:
%1</translation>
    </message>
    <message>
        <source>The help file is damaged or is not a help file:
%1</source>
        <translation>O ficheiro de ajuda está danificado ou não é um ficheiro de ajuda:
%1</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>English</source>
        <extracomment>This language&apos;s own name, as a list of languages shows it: &quot;Deutsch&quot; in German.</extracomment>
        <translation>Português (Portugal)</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Full-size cutting patterns from one measurement</source>
        <translation>Moldes em tamanho real a partir de uma só medida</translation>
    </message>
    <message>
        <source>Tavrel drafts a flat cutting pattern from a single measurement and prints it at its real size, ready to pin to fabric or trace onto cardstock.</source>
        <translation>O Tavrel desenha um molde plano a partir de uma única medida e imprime-o em tamanho real, pronto a prender com alfinetes no tecido ou a decalcar para cartolina.</translation>
    </message>
    <message>
        <source>Choose inches as decimals, inches with fractions such as 2 1/2, or millimeters, type the measurement, and the pattern follows every keystroke. A ruler under the pattern tells what one division must measure on paper, so you can check that the printout came out at 100 %. Patterns can also be saved as PDF, SVG, PNG or DXF files.</source>
        <translation>Escolha polegadas com decimais, polegadas com frações como 2 1/2 ou milímetros, escreva a medida e o molde acompanha cada tecla. Uma régua por baixo do molde indica quanto deve medir uma divisão no papel, para verificar se a impressão saiu a 100 %. Os moldes também podem ser guardados como ficheiros PDF, SVG, PNG ou DXF.</translation>
    </message>
    <message>
        <source>A pattern for 2 1/2 inches with its check ruler</source>
        <translation>Um molde para 2 1/2 polegadas com a sua régua de controlo</translation>
    </message>
</context>
<context>
    <name>PaperMenu</name>
    <message>
        <source>&amp;Letter (8.5 x 11 in)</source>
        <translation>&amp;Letter (8,5 x 11 pol.)</translation>
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
        <translation>Le&amp;gal (8,5 x 14 pol.)</translation>
    </message>
    <message>
        <source>&amp;Tabloid (11 x 17 in)</source>
        <translation>&amp;Tabloide (11 x 17 pol.)</translation>
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
        <translation>Arch &amp;D (24 x 36 pol.)</translation>
    </message>
    <message>
        <source>Arch &amp;E (36 x 48 in)</source>
        <translation>Arch &amp;E (36 x 48 pol.)</translation>
    </message>
    <message>
        <source>&amp;Roll, 36 in wide</source>
        <translation>&amp;Rolo com 36 pol. de largura</translation>
    </message>
    <message>
        <source>R&amp;oll, 24 in wide</source>
        <translation>R&amp;olo com 24 pol. de largura</translation>
    </message>
    <message>
        <source>Roll, 914 &amp;mm wide</source>
        <translation>Rolo com 914 &amp;mm de largura</translation>
    </message>
</context>
<context>
    <name>PatternDescription</name>
    <message>
        <source>Pattern for %1 millimeters, %2 by %3 millimeters when printed</source>
        <translation>Molde para %1 milímetros, %2 por %3 milímetros quando impresso</translation>
    </message>
    <message>
        <source>Pattern for %1 inches, %2 by %3 inches when printed</source>
        <translation>Molde para %1 polegadas, %2 por %3 polegadas quando impresso</translation>
    </message>
</context>
<context>
    <name>PatternExport</name>
    <message>
        <source>Too large to draw. The largest measurement is %1 millimeters.</source>
        <extracomment>%1 is a number, such as 2312.</extracomment>
        <translation>Demasiado grande para desenhar. A maior medida possível é %1 milímetros.</translation>
    </message>
    <message>
        <source>Too large to draw. The largest measurement is %1 inches.</source>
        <extracomment>%1 is a number, such as 91.02 or 91.</extracomment>
        <translation>Demasiado grande para desenhar. A maior medida possível é %1 polegadas.</translation>
    </message>
    <message>
        <source>Nothing to draw: &quot;%1&quot; is not a measurement above 0.</source>
        <translation>Nada a desenhar: «%1» não é uma medida superior a 0.</translation>
    </message>
</context>
<context>
    <name>PdfPages</name>
    <message>
        <source>When printed, this bar should measure one centimeter</source>
        <translation>Na impressão, esta barra deve medir um centímetro</translation>
    </message>
    <message>
        <source>When printed, this bar should measure one inch</source>
        <translation>Na impressão, esta barra deve medir uma polegada</translation>
    </message>
    <message>
        <source>Print every page at 100 % (actual size), with no scaling and no &quot;fit to page&quot;: the bar at the foot of each page must then measure one centimeter. Cut each page along the top and the left line of its frame. Then lay the pages out as in the diagram below, each page over its neighbors to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 12.7 mm (1/2 inch).</source>
        <translation>Imprima todas as páginas a 100 % (tamanho real), sem redimensionamento e sem «ajustar à página»: a barra no fundo de cada página deve então medir um centímetro. Corte cada página pela linha de cima e pela linha da esquerda da sua moldura. Depois disponha as páginas como no esquema abaixo, cada página por cima das vizinhas da esquerda e de cima, com os bordos cortados sobre as linhas tracejadas dessas vizinhas, de modo que as duas metades de cada cruz dentro de um círculo se encontrem. Una as páginas com fita adesiva. As páginas sobrepõem-se 12,7 mm (1/2 polegada).</translation>
    </message>
    <message>
        <source>Print every page at 100 % (actual size), with no scaling and no &quot;fit to page&quot;: the bar at the foot of each page must then measure one inch. Cut each page along the top and the left line of its frame. Then lay the pages out as in the diagram below, each page over its neighbors to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 1/2 inch (12.7 mm).</source>
        <translation>Imprima todas as páginas a 100 % (tamanho real), sem redimensionamento e sem «ajustar à página»: a barra no fundo de cada página deve então medir uma polegada. Corte cada página pela linha de cima e pela linha da esquerda da sua moldura. Depois disponha as páginas como no esquema abaixo, cada página por cima das vizinhas da esquerda e de cima, com os bordos cortados sobre as linhas tracejadas dessas vizinhas, de modo que as duas metades de cada cruz dentro de um círculo se encontrem. Una as páginas com fita adesiva. As páginas sobrepõem-se 1/2 polegada (12,7 mm).</translation>
    </message>
    <message numerus="yes">
        <source>Tavrel pattern on %n pages: %1 across, %2 down</source>
        <extracomment>The map&apos;s title: %n pages in all, the map included; %1 columns of pages across and %2 rows down.</extracomment>
        <translation>
            <numerusform>Molde do Tavrel em %n página: %1 na horizontal, %2 na vertical</numerusform>
            <numerusform>Molde do Tavrel em %n páginas: %1 na horizontal, %2 na vertical</numerusform>
        </translation>
    </message>
    <message>
        <source>Page %1 of %2: column %3 of %4, row %5 of %6.</source>
        <translation>Página %1 de %2: coluna %3 de %4, linha %5 de %6.</translation>
    </message>
    <message>
        <source>Print at 100 % (actual size), no scaling.</source>
        <translation>Imprima a 100 % (tamanho real), sem redimensionamento.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Cannot export to &quot;%1&quot;: the file name must end in .png, .svg, .pdf or .dxf.</source>
        <translation>Não é possível exportar para «%1»: o nome do ficheiro tem de terminar em .png, .svg, .pdf ou .dxf.</translation>
    </message>
    <message>
        <source>Too small to draw. At this measurement the pattern is less than one pixel high.</source>
        <translation>Demasiado pequeno para desenhar. Com esta medida, o molde tem menos de um píxel de altura.</translation>
    </message>
</context>
<context>
    <name>PrintCorrection</name>
    <message>
        <source>%1 % across, %2 % down</source>
        <extracomment>A printer&apos;s correction: the scale its prints are made at, across and down the page, where 100 % changes nothing.</extracomment>
        <translation>%1 % na horizontal, %2 % na vertical</translation>
    </message>
</context>
<context>
    <name>PrintQuestion</name>
    <message>
        <source>The pattern does not fit the page at its usual place. It will print on one page of %1 on &quot;%2&quot;, moved in from the corner.</source>
        <extracomment>%1 is the paper, such as A4; %2 the printer.</extracomment>
        <translation>O molde não cabe na página na posição habitual. Será impresso numa página %1 na impressora «%2», afastado do canto.</translation>
    </message>
    <message numerus="yes">
        <source>The pattern is larger than the page. It will print whole on %n pages of %1 on &quot;%2&quot;: first a diagram of how the pages fit together, then the pages to tape together.</source>
        <extracomment>%n pages in all, the diagram&apos;s page included; %1 the paper, such as A4; %2 the printer.</extracomment>
        <translation>
            <numerusform>O molde é maior do que a página. Será impresso por inteiro em %n página %1 na impressora «%2»: primeiro um esquema de como as páginas se juntam, depois as páginas a unir com fita adesiva.</numerusform>
            <numerusform>O molde é maior do que a página. Será impresso por inteiro em %n páginas %1 na impressora «%2»: primeiro um esquema de como as páginas se juntam, depois as páginas a unir com fita adesiva.</numerusform>
        </translation>
    </message>
    <message>
        <source>Print Pattern</source>
        <translation>Imprimir molde</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>The correction kept for the printer &quot;%1&quot; is damaged, so it is ignored: the pattern prints as the printer makes it. Calibrate the printer again to correct its prints.</source>
        <extracomment>%1 is the printer.</extracomment>
        <translation>A correção guardada para a impressora «%1» está danificada e é ignorada: o molde é impresso sem correção. Calibre novamente a impressora para corrigir as impressões.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There is no default printer (%1). Choose one in the system&apos;s printer settings, then print again.</source>
        <extracomment>%1 is the print system&apos;s reason.</extracomment>
        <translation>Não há nenhuma impressora predefinida (%1). Escolha uma nas definições de impressoras do sistema e volte a imprimir.</translation>
    </message>
    <message>
        <source>The page for the printer &quot;%1&quot; could not be prepared. Nothing was printed.</source>
        <translation>Não foi possível preparar a página para a impressora «%1». Nada foi impresso.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2. Nothing was printed.</source>
        <extracomment>%1 is the printer, %2 the print system&apos;s reason.</extracomment>
        <translation>A impressora «%1» não aceitou o trabalho: %2. Nada foi impresso.</translation>
    </message>
    <message>
        <source>There is no default printer. Choose one in the system&apos;s printer settings, then print again.</source>
        <translation>Não há nenhuma impressora predefinida. Escolha uma nas definições de impressoras do sistema e volte a imprimir.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started. Nothing was printed.</source>
        <translation>Não foi possível iniciar a impressora «%1». Nada foi impresso.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job. Nothing was printed.</source>
        <translation>A impressora «%1» não aceitou o trabalho. Nada foi impresso.</translation>
    </message>
    <message>
        <source>Printing is not available on this system: no print service is running.</source>
        <translation>A impressão não está disponível neste sistema: não há nenhum serviço de impressão em execução.</translation>
    </message>
</context>
<context>
    <name>PrinterCalibration</name>
    <message>
        <source>These lengths would need a correction of %1, beyond what a printer at 100 % needs (%2 % to %3 %). Check that the sheet was printed at 100 %, measure the bars again, and type the lengths in the unit chosen here.</source>
        <extracomment>%1 is the correction, such as &quot;130 % across, 99.5 % down&quot;; %2 and %3 are the least and the greatest percentages, 80 and 125.</extracomment>
        <translation>Estes comprimentos exigiriam uma correção de %1, para além do que uma impressora a 100 % precisa (%2 % a %3 %). Verifique se a folha foi impressa a 100 %, meça de novo as barras e escreva os comprimentos na unidade aqui escolhida.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>there is no display to open the window on. To export a pattern to a file instead: tavrel --unit fractions --measure &quot;2 1/2&quot; --export pattern.png (see tavrel --help)</source>
        <extracomment>The command stays as it is: it must be typed so.</extracomment>
        <translation>não há nenhum ecrã onde abrir a janela. Para exportar antes um molde para um ficheiro: tavrel --unit fractions --measure &quot;2 1/2&quot; --export pattern.png (ver tavrel --help)</translation>
    </message>
</context>
<context>
    <name>ReadingNotice</name>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3; choose %4 for %1</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 and %4 the units&apos; captions.</extracomment>
        <translation>
            <numerusform>Em %3, %1 é desenhado como %2 polegada; escolha %4 para %1</numerusform>
            <numerusform>Em %3, %1 é desenhado como %2 polegadas; escolha %4 para %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3, whose whole inches are rounded</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>Em %3, %1 é desenhado como %2 polegada, porque as polegadas inteiras são arredondadas</numerusform>
            <numerusform>Em %3, %1 é desenhado como %2 polegadas, porque as polegadas inteiras são arredondadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3: a fraction over 0 counts as none</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>Em %3, %1 é desenhado como %2 polegada: uma fração sobre 0 não conta</numerusform>
            <numerusform>Em %3, %1 é desenhado como %2 polegadas: uma fração sobre 0 não conta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3; type a whole number, a space and a fraction, as 2 1/2</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>Em %3, %1 é desenhado como %2 polegada; escreva um número inteiro, um espaço e uma fração, como 2 1/2</numerusform>
            <numerusform>Em %3, %1 é desenhado como %2 polegadas; escreva um número inteiro, um espaço e uma fração, como 2 1/2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>space</source>
        <translation>espaço</translation>
    </message>
    <message>
        <source>no-break space</source>
        <translation>espaço não separável</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulação</translation>
    </message>
    <message>
        <source>line break</source>
        <translation>quebra de linha</translation>
    </message>
    <message>
        <source>point</source>
        <translation>ponto</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>vírgula</translation>
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
        <translation>Nada foi colado: a caixa não aceita o carácter %1.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes no %1.</source>
        <translation>Nada foi largado: a caixa não aceita o carácter %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes only one %1.</source>
        <translation>Nada foi colado: a caixa aceita o carácter %1 apenas uma vez.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes only one %1.</source>
        <translation>Nada foi largado: a caixa aceita o carácter %1 apenas uma vez.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the box takes no %1 at the start.</source>
        <translation>Nada foi colado: a caixa não aceita o carácter %1 no início.</translation>
    </message>
    <message>
        <source>Nothing was dropped: the box takes no %1 at the start.</source>
        <translation>Nada foi largado: a caixa não aceita o carácter %1 no início.</translation>
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
        <translation>Desenho SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Guardar como PNG</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>Save as DXF</source>
        <translation>Guardar como DXF</translation>
    </message>
    <message>
        <source>DXF drawing for cutters (*.dxf)</source>
        <translation>Desenho DXF para máquinas de corte (*.dxf)</translation>
    </message>
    <message>
        <source>None: the pattern at its true size</source>
        <translation>Nenhuma: o PDF tem as medidas certas</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is a printer, %2 its correction, such as &quot;102 % across, 99.5 % down&quot;.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Correct &amp;for printer:</source>
        <translation>Corrigir para a &amp;impressora:</translation>
    </message>
    <message>
        <source>pattern</source>
        <extracomment>The name offered for a new file, without its suffix.</extracomment>
        <translation>molde</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Tavrel could not write its settings file %1, so this change holds only until Tavrel closes. Check that its folder can be written to and that the disk is not full.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>O Tavrel não conseguiu escrever o seu ficheiro de definições %1, pelo que esta alteração só vale até o Tavrel ser fechado. Verifique se é possível escrever na pasta e se o disco não está cheio.</translation>
    </message>
    <message>
        <source>Tavrel&apos;s settings file %1 is damaged. The settings that could be read are kept; the rest could not be copied aside and goes with the next change.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>O ficheiro de definições %1 do Tavrel está danificado. As definições que foi possível ler são mantidas; o resto não pôde ser posto de parte e perde-se na próxima alteração.</translation>
    </message>
    <message>
        <source>Tavrel&apos;s settings file %1 is damaged. The settings that could be read are kept; the file as it was is set aside as %2.</source>
        <extracomment>%1 is the settings file, %2 the copy of it as it was.</extracomment>
        <translation>O ficheiro de definições %1 do Tavrel está danificado. As definições que foi possível ler são mantidas; o ficheiro tal como estava foi posto de parte como %2.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Print at 100 % (&quot;Actual size&quot;), not &quot;Fit to page&quot;, then check the ruler on the printout.</source>
        <extracomment>Under the pattern, before printing. &quot;Actual size&quot; and &quot;Fit to page&quot; are the print dialog&apos;s settings as browsers and PDF viewers name them in the language.</extracomment>
        <translation>Imprima a 100 % («Tamanho real»), não com «Ajustar à página», e depois verifique a régua de controlo na folha impressa.</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The caption of the list of languages.</extracomment>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Install Tavrel</source>
        <extracomment>A button that installs the page as a program on the computer or phone.</extracomment>
        <translation>Instalar o Tavrel</translation>
    </message>
    <message>
        <source>Works offline</source>
        <extracomment>Said of the page once installed: it needs no internet connection.</extracomment>
        <translation>Funciona sem ligação à Internet</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>A button that saves the pattern as a file.</extracomment>
        <translation>Transferir</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>One correction is kept, for the printer this browser prints on.</source>
        <extracomment>In Pattern &gt; Calibrate Printer, beside &quot;Printer:&quot;: the browser does not say which printer it prints on, so the page keeps one correction for all of it.</extracomment>
        <translation>É guardada uma única correção, para a impressora em que este navegador imprime.</translation>
    </message>
    <message>
        <source>Open the calibration sheet to print</source>
        <extracomment>A link in Pattern &gt; Calibrate Printer, once the sheet is made: it opens the sheet&apos;s PDF.</extracomment>
        <translation>Abrir a folha de calibração para imprimir</translation>
    </message>
    <message>
        <source>This browser keeps no data for this page, so the correction could not be kept.</source>
        <extracomment>When the browser refuses to store anything for the page (private mode, full storage).</extracomment>
        <translation>Este navegador não guarda dados desta página, pelo que não foi possível guardar a correção.</translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>The name, for screen readers, of the three units the measurement is typed in.</extracomment>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button that closes a question without doing what it asks.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open the pattern to print</source>
        <extracomment>A link under the sentence on printing at 100 %: it opens the pattern&apos;s PDF to print.</extracomment>
        <translation>Abrir o molde para imprimir</translation>
    </message>
    <message>
        <source>The pattern does not fit the page at its usual place. It will print on one page of %1, moved in from the corner.</source>
        <extracomment>Before printing a pattern just too large for its usual place. %1 is the paper, such as A4.</extracomment>
        <translation>O molde não cabe na página na posição habitual. Será impresso numa página %1, afastado do canto.</translation>
    </message>
    <message numerus="yes">
        <source>The pattern is larger than the page. It will print whole on %n pages of %1: first a diagram of how the pages fit together, then the pages to tape together.</source>
        <extracomment>Before printing a pattern larger than the page. %n pages in all, the diagram&apos;s page included; %1 the paper, such as A4.</extracomment>
        <translation>
            <numerusform>O molde é maior do que a página. Será impresso por inteiro em %n página %1: primeiro um esquema de como as páginas se juntam, depois as páginas a unir com fita adesiva.</numerusform>
            <numerusform>O molde é maior do que a página. Será impresso por inteiro em %n páginas %1: primeiro um esquema de como as páginas se juntam, depois as páginas a unir com fita adesiva.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavrel::app::PatternMenu</name>
    <message>
        <source>&amp;Pattern</source>
        <translation>&amp;Molde</translation>
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
        <translation>Pape&amp;l do PDF</translation>
    </message>
    <message>
        <source>Save Pattern</source>
        <translation>Guardar molde</translation>
    </message>
    <message>
        <source>Pro&amp;jector View...</source>
        <translation>Mostrar no pro&amp;jetor...</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer...</source>
        <translation>&amp;Calibrar impressora...</translation>
    </message>
    <message>
        <source>PDF Paper</source>
        <translation>Papel do PDF</translation>
    </message>
</context>
<context>
    <name>tavrel::app::PrinterCalibrationDialog</name>
    <message>
        <source>Calibrate Printer</source>
        <translation>Calibrar impressora</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Polegadas</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>&amp;Print Sheet</source>
        <translation>&amp;Imprimir folha</translation>
    </message>
    <message>
        <source>&amp;Save Correction</source>
        <translation>&amp;Guardar correção</translation>
    </message>
    <message>
        <source>&amp;Reset Correction</source>
        <translation>&amp;Remover correção</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impressora:</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Correção:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unidade:</translation>
    </message>
    <message>
        <source>None: prints go out as the printer makes them</source>
        <translation>Nenhuma: a impressora imprime sem correção</translation>
    </message>
    <message>
        <source>&amp;Across bar (%1) measures:</source>
        <translation>Barra &amp;horizontal (%1) mede:</translation>
    </message>
    <message>
        <source>&amp;Down bar (%1) measures:</source>
        <translation>Barra &amp;vertical (%1) mede:</translation>
    </message>
    <message>
        <source>Type each length in millimeters, as 198.5.</source>
        <translation>Escreva cada comprimento em milímetros, como 198.5.</translation>
    </message>
    <message>
        <source>Type each length in inches, as 7.85 or 7 7/8.</source>
        <translation>Escreva cada comprimento em polegadas, como 7.85 ou 7 7/8.</translation>
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
        <translation>Acerca do Tavrel Maker</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number, such as 1.0.0.</extracomment>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>Written by: %1</source>
        <translation>Escrito por: %1</translation>
    </message>
    <message>
        <source>Please send comments and suggestions 
to </source>
        <translation>Envie os seus comentários e sugestões 
para </translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Ícone do programa</translation>
    </message>
    <message>
        <source>Send mail to the author</source>
        <extracomment>The mail link&apos;s name for screen readers, which read the address after it.</extracomment>
        <translation>Enviar e-mail ao autor</translation>
    </message>
    <message>
        <source>The Tavrel developers</source>
        <translation>Os programadores do Tavrel</translation>
    </message>
    <message>
        <source>This program draws a flat cutting pattern and its sizing
formula from a published source; see the user&apos;s guide.</source>
        <extracomment>The About box&apos;s two credit lines: keep the line break.</extracomment>
        <translation>Este programa desenha um molde plano e a sua fórmula de tamanho
a partir de uma fonte publicada; consulte o guia do utilizador.</translation>
    </message>
</context>
<context>
    <name>tavrel::app::frmMain</name>
    <message>
        <source>Inches (Decimal)</source>
        <translation>Polegadas (decimais)</translation>
    </message>
    <message>
        <source>Inches (Fractions)</source>
        <translation>Polegadas (frações)</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>Print Pattern</source>
        <translation>Imprimir molde</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca do Tavrel</translation>
    </message>
    <message>
        <source>When printed, each division above should measure one centimeter</source>
        <translation>Na impressão, cada divisão acima deve medir um centímetro</translation>
    </message>
    <message>
        <source>When printed, each division above should measure one inch</source>
        <translation>Na impressão, cada divisão acima deve medir uma polegada</translation>
    </message>
    <message>
        <source>Enter the measurement in inches</source>
        <translation>Introduza a medida em polegadas</translation>
    </message>
    <message>
        <source>Enter the measurement in millimeters</source>
        <translation>Introduza a medida em milímetros</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Molde</translation>
    </message>
</context>
<context>
    <name>tavrel::help::HelpBrowser</name>
    <message>
        <source>Page not found</source>
        <translation>Página não encontrada</translation>
    </message>
    <message>
        <source>The help file has no page %1.</source>
        <extracomment>%1 is the page&apos;s address within the help file, such as &quot;printing.html&quot;.</extracomment>
        <translation>O ficheiro de ajuda não tem a página %1.</translation>
    </message>
    <message>
        <source>Page too large</source>
        <translation>Página demasiado grande</translation>
    </message>
    <message>
        <source>The page %1 is too large or too deeply nested for the help window to show.</source>
        <extracomment>%1 is the page&apos;s address within the help file, such as &quot;printing.html&quot;.</extracomment>
        <translation>A página %1 é demasiado grande ou está demasiado aninhada para ser mostrada na janela de ajuda.</translation>
    </message>
</context>
<context>
    <name>tavrel::help::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <extracomment>The window&apos;s title: the page&apos;s title, then the help file&apos;s.</extracomment>
        <translatorcomment>same</translatorcomment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegação</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retroceder</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Início</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::CalibrationView</name>
    <message>
        <source>Calibration</source>
        <translation>Calibração</translation>
    </message>
    <message>
        <source>Type the bar&apos;s length in millimeters, such as 250.</source>
        <translation>Escreva o comprimento da barra em milímetros, por exemplo 250.</translation>
    </message>
    <message>
        <source>Type the bar&apos;s length in inches, such as 7 7/8.</source>
        <translation>Escreva o comprimento da barra em polegadas, por exemplo 7 7/8.</translation>
    </message>
    <message>
        <source>Drag the bar&apos;s right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in millimeters and press Enter. Esc leaves without calibrating.</source>
        <translation>Arraste a ponta direita da barra, ou use as teclas de seta (com Shift para passos maiores), até coincidir com um comprimento da sua régua; ou simplesmente meça a barra. Depois escreva esse comprimento em milímetros e prima Enter. Esc cancela a calibração.</translation>
    </message>
    <message>
        <source>Drag the bar&apos;s right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in inches, such as 7 7/8, and press Enter. Esc leaves without calibrating.</source>
        <translation>Arraste a ponta direita da barra, ou use as teclas de seta (com Shift para passos maiores), até coincidir com um comprimento da sua régua; ou simplesmente meça a barra. Depois escreva esse comprimento em polegadas, por exemplo 7 7/8, e prima Enter. Esc cancela a calibração.</translation>
    </message>
    <message>
        <source>Screen Calibration</source>
        <translation>Calibração do ecrã</translation>
    </message>
    <message>
        <source>Bar length in millimeters</source>
        <translation>Comprimento da barra em milímetros</translation>
    </message>
    <message>
        <source>Bar length in inches</source>
        <translation>Comprimento da barra em polegadas</translation>
    </message>
    <message numerus="yes">
        <source>A bar of %Ln pixels cannot measure %1: screens show between %2 and %3 pixels per inch. Check the length and its unit.</source>
        <extracomment>%Ln is the bar&apos;s length on the screen, %1 the length the user typed, %2 and %3 the least and the most pixels per inch.</extracomment>
        <translation>
            <numerusform>Uma barra de %Ln píxel não pode medir %1: os ecrãs têm entre %2 e %3 píxeis por polegada. Verifique o comprimento e a unidade.</numerusform>
            <numerusform>Uma barra de %Ln píxeis não pode medir %1: os ecrãs têm entre %2 e %3 píxeis por polegada. Verifique o comprimento e a unidade.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavrel::projector::CornerCalibrationView</name>
    <message>
        <source>Type the rectangle&apos;s size, for example 24 x 18 in or 600 x 450 mm.</source>
        <translation>Escreva o tamanho do retângulo, por exemplo 24 x 18 in ou 600 x 450 mm.</translation>
    </message>
    <message>
        <source>The rectangle must be at least 4 x 4 inches (102 x 102 mm).</source>
        <translation>O retângulo tem de medir pelo menos 4 x 4 polegadas (102 x 102 mm).</translation>
    </message>
    <message>
        <source>The corners cross each other. Drag each handle onto its own corner of the rectangle.</source>
        <translation>Os cantos cruzam-se. Arraste cada pega para o seu próprio canto do retângulo.</translation>
    </message>
    <message>
        <source>A corner is turned inwards: the rectangle would fold over itself.</source>
        <translation>Um canto está virado para dentro: o retângulo dobrar-se-ia sobre si próprio.</translation>
    </message>
    <message>
        <source>The rectangle&apos;s size does not match what a screen can show. Check the size you typed.</source>
        <translation>O tamanho do retângulo não corresponde ao que um ecrã consegue mostrar. Verifique o tamanho que escreveu.</translation>
    </message>
    <message>
        <source>Corner Calibration</source>
        <translation>Calibração pelos cantos</translation>
    </message>
    <message>
        <source>Drag each handle onto a corner of a rectangle you know on the table, or select one with Tab and move it with the arrow keys (Shift: 10 pixels). Then type the rectangle&apos;s size and press Enter.</source>
        <translation>Arraste cada pega para um canto de um retângulo da mesa cujo tamanho conhece, ou selecione uma com Tab e mova-a com as teclas de seta (Shift: 10 píxeis). Depois escreva o tamanho do retângulo e prima Enter.</translation>
    </message>
    <message>
        <source>Rectangle size</source>
        <translation>Tamanho do retângulo</translation>
    </message>
    <message>
        <source>Drag each point onto the crossing of the mat&apos;s grid it stands for, then press Enter. Esc keeps the corners alone.</source>
        <translation>Arraste cada ponto para o cruzamento da quadrícula da base de corte que ele representa e prima Enter. Esc mantém só os cantos.</translation>
    </message>
    <message>
        <source>Two points of the mesh cross or fold over each other. Drag each onto its own crossing.</source>
        <translation>Dois pontos da malha cruzam-se ou dobram-se um sobre o outro. Arraste cada um para o seu próprio cruzamento.</translation>
    </message>
    <message>
        <source>The stored corner calibration of this screen is damaged and was not used.</source>
        <translation>A calibração pelos cantos guardada para este ecrã está danificada e não foi usada.</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::MappedProjectorView</name>
    <message>
        <source>Projector View</source>
        <translation>Vista do projetor</translation>
    </message>
    <message>
        <source>The pattern at true scale on the calibrated table. The arrow keys move it, Page Down and Page Up show the next and the previous section; Esc leaves.</source>
        <translation>O molde à escala real na mesa calibrada. As teclas de seta deslocam-no, Page Down e Page Up mostram a secção seguinte e a anterior; Esc fecha a projeção.</translation>
    </message>
    <message>
        <source>Section %1 of %2: %3</source>
        <extracomment>%1 is the section&apos;s number, %2 how many there are, %3 its label such as B2.</extracomment>
        <translation>Secção %1 de %2: %3</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::ProjectorDialog</name>
    <message>
        <source>Projector</source>
        <translation>Projetor</translation>
    </message>
    <message>
        <source>White lines on black</source>
        <translation>Linhas brancas sobre fundo preto</translation>
    </message>
    <message>
        <source>Black lines on white</source>
        <translation>Linhas pretas sobre fundo branco</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>A grid</source>
        <translation>Uma quadrícula</translation>
    </message>
    <message>
        <source>A ruler</source>
        <translation>Uma régua</translation>
    </message>
    <message>
        <source>&amp;Show Pattern</source>
        <translation>&amp;Mostrar molde</translation>
    </message>
    <message>
        <source>&amp;Reset Calibration</source>
        <translation>&amp;Remover calibração</translation>
    </message>
    <message>
        <source>&amp;Lines:</source>
        <translation>&amp;Linhas:</translation>
    </message>
    <message>
        <source>Line &amp;width:</source>
        <translation>Es&amp;pessura das linhas:</translation>
    </message>
    <message>
        <source>Check the scale &amp;by:</source>
        <translation>&amp;Verificar a escala com:</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Calibração:</translation>
    </message>
    <message>
        <source>%1 pixels per inch</source>
        <translation>%1 píxeis por polegada</translation>
    </message>
    <message>
        <source>Not calibrated yet</source>
        <translation>Ainda não calibrado</translation>
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
        <translation>&amp;Ecrã:</translation>
    </message>
    <message numerus="yes">
        <source>%n pixel(s)</source>
        <translation>
            <numerusform>%n píxel</numerusform>
            <numerusform>%n píxeis</numerusform>
        </translation>
    </message>
    <message>
        <source>The calibration kept for %1 is damaged, so it is ignored. Calibrate the screen again before the pattern is shown on it.</source>
        <extracomment>%1 is the screen as the list of screens names it.</extracomment>
        <translation>A calibração guardada para %1 está danificada, por isso é ignorada. Calibre de novo o ecrã antes de mostrar nele o molde.</translation>
    </message>
    <message>
        <source>The calibrated rectangle</source>
        <translation>O retângulo calibrado</translation>
    </message>
    <message>
        <source>&amp;Mirror across</source>
        <translation>Espelhar na hori&amp;zontal</translation>
    </message>
    <message>
        <source>Mirror &amp;down</source>
        <translation>Espelhar na ver&amp;tical</translation>
    </message>
    <message>
        <source>0 degrees</source>
        <translation>0 graus</translation>
    </message>
    <message>
        <source>90 degrees</source>
        <translation>90 graus</translation>
    </message>
    <message>
        <source>180 degrees</source>
        <translation>180 graus</translation>
    </message>
    <message>
        <source>270 degrees</source>
        <translation>270 graus</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>3 x 3 points</source>
        <translation>3 x 3 pontos</translation>
    </message>
    <message>
        <source>5 x 5 points</source>
        <translation>5 x 5 pontos</translation>
    </message>
    <message>
        <source>Calibrate C&amp;orners...</source>
        <translation>Calibrar &amp;cantos...</translation>
    </message>
    <message>
        <source>&amp;Turn:</source>
        <translation>R&amp;otação:</translation>
    </message>
    <message>
        <source>Mes&amp;h:</source>
        <translation>Mal&amp;ha:</translation>
    </message>
    <message>
        <source>Corners: %1 x %2 %3</source>
        <extracomment>The corner calibration&apos;s rectangle: %1 x %2 and the unit&apos;s short word, in or mm.</extracomment>
        <translation>Cantos: %1 x %2 %3</translation>
    </message>
    <message>
        <source>Not corner calibrated</source>
        <translation>Cantos ainda não calibrados</translation>
    </message>
</context>
<context>
    <name>tavrel::projector::ProjectorView</name>
    <message>
        <source>Projector View</source>
        <translation>Vista do projetor</translation>
    </message>
    <message>
        <source>The pattern at true scale. The arrow keys move it; Esc leaves.</source>
        <translation>O molde à escala real. As teclas de seta deslocam-no; Esc fecha a projeção.</translation>
    </message>
</context>
</TS>
