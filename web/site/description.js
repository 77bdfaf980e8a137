// The pattern in words, for those who cannot see the picture: the measurement drawn and how
// large the picture prints, every number in the language's notation without digit grouping.
import { tr, currentLocale } from './i18n.js';
import { drawnAsTyped } from './reading_notice.js';
import { drawnNumber } from './numbers.js';

const kMillimetersPerInch = 25.4;

// Made once per language: a keystroke describes the picture anew.
const formats = new Map();
function numbers() {
  const language = currentLocale();
  if (!formats.has(language))
    formats.set(language, new Intl.NumberFormat(language, { useGrouping: false, maximumFractionDigits: 3 }));
  return formats.get(language);
}

// Inches to a tenth, without a tenth of 0; millimeters whole.
function paperLength(inches, metric) {
  if (metric) return numbers().format(Math.round(inches * kMillimetersPerInch));
  return numbers().format(Math.round(inches * 10) / 10);
}

// A measurement as the box holds it ("1000.5", "2 1/2") in the language's decimal mark.
function inLanguageNotation(measurement) {
  const point = numbers().formatToParts(1.5).find((part) => part.type === 'decimal').value;
  return measurement.replaceAll('.', point);
}

export function describePattern(typed, unit, drawing) {
  const metric = unit === 2;
  const measurement = drawnAsTyped(unit, drawing) ? typed.trim() : drawnNumber(drawing.drawnInches);
  const sentence = metric
    ? 'Pattern for %1 millimeters, %2 by %3 millimeters when printed'
    : 'Pattern for %1 inches, %2 by %3 inches when printed';
  return tr('PatternDescription', sentence)
    .replace('%1', inLanguageNotation(measurement))
    .replace('%2', paperLength(drawing.printedWidthInches, metric))
    .replace('%3', paperLength(drawing.printedHeightInches, metric));
}
