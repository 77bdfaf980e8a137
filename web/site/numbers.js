// Numbers as the box takes them back: with the comma where the comma key types the point.

// Whether the browser's locale writes decimals with a comma: the comma key then types the
// point, as "2,5" would otherwise not read as 2.5.
export function commaTypesPoint(locale = navigator.language) {
  const parts = new Intl.NumberFormat(locale).formatToParts(1.5);
  return parts.find((part) => part.type === 'decimal')?.value === ',';
}

// A text typed where the comma key types the point, as the core reads it.
export function asTyped(text) {
  return commaTypesPoint() ? text.replaceAll(',', '.') : text;
}

export function typedBack(number) {
  return commaTypesPoint() ? number.replaceAll('.', ',') : number;
}

// The drawn inches to a thousandth at most, as "2" or "2.333".
export function drawnNumber(drawn) {
  return String(Math.round(drawn * 1000) / 1000);
}
