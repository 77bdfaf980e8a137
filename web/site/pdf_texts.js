// The words on the pattern's PDF pages in the chosen language: the desktop's own texts, handed to
// the core that lays out the pages.
import { tr, pluralText } from './i18n.js';

const kPages = 'PdfPages';

export function pdfTexts() {
  const pages = (source) => tr(kPages, source);
  return {
    documentTitle: tr('DocumentTitles', 'Tavrel pattern'),
    // A map is drawn only for two pages or more.
    mapTitle: pluralText(kPages, 'Tavrel pattern on %n pages: %1 across, %2 down', 2),
    mapInstructionsInch: pages('Print every page at 100 % (actual size), with no scaling and no "fit to page": the bar at the foot of each page must then measure one inch. Cut each page along the top and the left line of its frame. Then lay the pages out as in the diagram below, each page over its neighbors to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 1/2 inch (12.7 mm).'),
    mapInstructionsMetric: pages('Print every page at 100 % (actual size), with no scaling and no "fit to page": the bar at the foot of each page must then measure one centimeter. Cut each page along the top and the left line of its frame. Then lay the pages out as in the diagram below, each page over its neighbors to its left and above, with its cut edges on their dashed lines, so that the halves of each circled cross meet. Tape them together. The pages overlap by 12.7 mm (1/2 inch).'),
    rulerSentenceInch: pages('When printed, this bar should measure one inch'),
    rulerSentenceMetric: pages('When printed, this bar should measure one centimeter'),
    actualSize: pages('Print at 100 % (actual size), no scaling.'),
    tileNote: pages('Page %1 of %2: column %3 of %4, row %5 of %6.'),
  };
}
