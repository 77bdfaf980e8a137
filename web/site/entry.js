// The measurement box lets in only what typing would: every character, by every route (keys,
// paste, drop, input methods, a phone's keyboard), passes the core's key filter against the text
// as it is by then, a comma as its key types it. A paste or a drop enters whole or not at all,
// and a notice then names the refused character. Deleting is no typing and stays as it is.
import { asTyped } from './numbers.js';
import { tr } from './i18n.js';

const kWhole = new Set(['insertFromPaste', 'insertFromPasteAsQuotation', 'insertFromDrop']);

function nameOf(character) {
  const t = (source) => tr('RefusalNotice', source);
  switch (character) {
    case ' ': return t('space');
    case '\u00A0': case '\u202F': return t('no-break space');
    case '\t': return t('tab');
    case '\n': case '\r': case '\u2028': case '\u2029': return t('line break');
    case '.': return t('point');
    case ',': return t('comma');
    case '/': return t('slash');
    default: break;
  }
  if (/^[\p{L}\p{M}\p{N}\p{P}\p{S}]$/u.test(character))
    return t('\u201C%1\u201D').replace('%1', character);
  const number = character.codePointAt(0).toString(16).toUpperCase().padStart(4, '0');
  return t('character U+%1').replace('%1', number);
}

const kNotices = {
  pasted: {
    notTaken: 'Nothing was pasted: the box takes no %1.',
    onlyOne: 'Nothing was pasted: the box takes only one %1.',
    notFirst: 'Nothing was pasted: the box takes no %1 at the start.',
  },
  dropped: {
    notTaken: 'Nothing was dropped: the box takes no %1.',
    onlyOne: 'Nothing was dropped: the box takes only one %1.',
    notFirst: 'Nothing was dropped: the box takes no %1 at the start.',
  },
};

export function refusalNotice(arrival, refusal) {
  const character = String.fromCodePoint(refusal.character);
  // The comma that typed a point was refused as the point it typed.
  const shown = character === '.' && arrival.comma ? ',' : character;
  return tr('RefusalNotice', kNotices[arrival.kind][refusal.why]).replace('%1', nameOf(shown));
}

// Where `now` differs from `before`: the inserted text and the replaced range of `before`.
function changeBetween(before, now) {
  let from = 0;
  while (from < before.length && from < now.length && before[from] === now[from]) ++from;
  let tail = 0;
  while (tail < before.length - from && tail < now.length - from &&
         before[before.length - 1 - tail] === now[now.length - 1 - tail]) ++tail;
  return { from, to: before.length - tail, inserted: now.slice(from, now.length - tail) };
}

// `unit()` is the chosen unit's index; `changed()` runs after every change the box takes;
// `refused(notice)` shows why a paste or a drop entered nothing.
export function enterAsTyped(box, core, unit, changed, refused) {
  let shown = box.value;

  const enter = (text, from, to) => {
    box.value = shown.slice(0, from) + text + shown.slice(to);
    box.setSelectionRange(from + text.length, from + text.length);
  };

  // Checks an insertion of `inserted` over `from`..`to` of the shown text; false when the
  // insertion must not happen as the browser would make it.
  const judge = (inserted, from, to, whole) => {
    const typed = asTyped(inserted);
    const before = shown.slice(0, from);
    const after = shown.slice(to);
    if (whole) {
      const refusal = core.refusalOf(typed, shown, before, after, unit());
      if (refusal) {
        refused(refusalNotice({ kind: whole, comma: inserted !== typed }, refusal));
        return false;
      }
    }
    const entered = core.enteredText(typed, shown, before, after, unit());
    if (entered === inserted) return true;
    if (entered) {
      enter(entered, from, to);
      shown = box.value;
      changed();
    }
    return false;
  };

  box.addEventListener('beforeinput', (event) => {
    if (!event.inputType.startsWith('insert') || event.isComposing) return;
    if (!event.cancelable) return;  // the input handler below sees it instead
    let inserted = event.data ?? event.dataTransfer?.getData('text/plain') ?? '';
    if (event.inputType === 'insertLineBreak' || event.inputType === 'insertParagraph')
      inserted = '\n';
    const whole = kWhole.has(event.inputType)
      ? (event.inputType === 'insertFromDrop' ? 'dropped' : 'pasted') : null;
    if (whole === 'dropped' && !event.dataTransfer?.types.includes('text/plain')) {
      event.preventDefault();  // a dropped file or link is no text
      return;
    }
    if (!judge(inserted, box.selectionStart, box.selectionEnd, whole)) event.preventDefault();
  });

  // What reached the box without a cancellable beforeinput (an input method's composition, a
  // phone keyboard's word, autofill) is checked once it has landed, as typed.
  box.addEventListener('input', (event) => {
    if (event.isComposing) return;
    if (box.value !== shown) {
      const change = changeBetween(shown, box.value);
      const now = box.value;
      box.value = shown;
      if (!change.inserted) {
        shown = now;  // deleting stays as it is
        box.value = now;
        box.setSelectionRange(change.from, change.from);
      } else if (judge(change.inserted, change.from, change.to, null)) {
        enter(change.inserted, change.from, change.to);
      } else {
        return;  // judged: what entered of it, if anything, is in and seen
      }
      shown = box.value;
    }
    changed();
  });
  box.addEventListener('compositionend', () => box.dispatchEvent(new Event('input')));

  // Dropped text is copied, never moved: the place it came from keeps it.
  box.addEventListener('dragover', (event) => {
    if (event.dataTransfer) event.dataTransfer.dropEffect = 'copy';
  });

  return {
    clear() { shown = ''; box.value = ''; },
  };
}
