// The note under the box where "Inches (Fractions)" draws another size than its text plainly
// says; the core tells how the text reads.
import { tr } from './i18n.js';
import { typedBack, drawnNumber } from './numbers.js';

const kFractions = 1;

export function drawnAsTyped(unit, drawing) {
  return unit !== kFractions || drawing.reading === 'asWritten';
}

// The count that chooses "inch" or "inches": the number itself where it is whole.
function pluralCount(drawn) {
  return drawn === Math.floor(drawn) && drawn < 1e9 ? drawn : 2;
}

function noticeSource(typed, reading) {
  switch (reading) {
    case 'wholeRounded':
      if (!typed.includes('/') && !typed.includes(' '))
        return '%1 is drawn as %2 inch(es) in %3; choose %4 for %1';
      return '%1 is drawn as %2 inch(es) in %3, whose whole inches are rounded';
    case 'zeroDenominator':
      return '%1 is drawn as %2 inch(es) in %3: a fraction over 0 counts as none';
    default:
      return '%1 is drawn as %2 inch(es) in %3; type a whole number, a space and a fraction, as 2 1/2';
  }
}

export function readingNotice(typed, unit, drawing) {
  if (drawnAsTyped(unit, drawing)) return '';
  const caption = (source) => tr('tavrel::app::frmMain', source);
  return tr('ReadingNotice', noticeSource(typed, drawing.reading), pluralCount(drawing.drawnInches))
    .replaceAll('%1', typedBack(typed))
    .replaceAll('%2', typedBack(drawnNumber(drawing.drawnInches)))
    .replaceAll('%3', caption('Inches (Fractions)'))
    .replaceAll('%4', caption('Inches (Decimal)'));
}
