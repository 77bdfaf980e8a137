#include "app/text_as_typed.h"

#include "measure/key_filter.h"
#include "platform/decimal_comma.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>
#include <utility>

namespace tavrel::app {
namespace {

// `inserted` took the place of the old text's characters from `from` up to `to`.
struct Change {
    qsizetype from = 0;
    qsizetype to = 0;
    QString inserted;
};

// Every route inserts at the caret, which then stands after the inserted text; a change that
// leaves the caret elsewhere (an undo, say) is told from the texts alone.
Change changeBetween(const QString& old, const QString& now, qsizetype caret)
{
    qsizetype prefix = 0;
    while (prefix < std::min(old.size(), now.size()) && old[prefix] == now[prefix]) ++prefix;
    const qsizetype behindCaret = now.size() - caret;
    if (behindCaret >= 0 && behindCaret <= old.size() &&
        QStringView(now).right(behindCaret) == QStringView(old).right(behindCaret)) {
        const qsizetype to = old.size() - behindCaret;
        const qsizetype from = std::min({prefix, caret, to});
        return {from, to, now.mid(from, caret - from)};
    }
    qsizetype suffix = 0;
    while (suffix < std::min(old.size(), now.size()) - prefix &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
        ++suffix;
    return {prefix, old.size() - suffix, now.mid(prefix, now.size() - suffix - prefix)};
}

// The key filter's code of a typed character: Latin-1 its own, anything beyond it 0.
int characterCode(QChar character)
{
    return character.unicode() <= 255 ? character.unicode() : 0;
}

// Sees every change of the box's text before the box takes it, and lets only what typing
// would have let in.
class AsTyped : public QValidator {
public:
    AsTyped(QLineEdit& box, std::function<std::optional<measure::Unit>()> unit)
        : QValidator(&box), box_(box), unit_(std::move(unit)), shown_(box.text())
    {
        connect(&box, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
        box.installEventFilter(this);
    }

    // Dropped text that does not enter whole is copied, never moved: the program it came from
    // keeps it.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &box_ || event->type() != QEvent::Drop) return false;
        auto& drop = static_cast<QDropEvent&>(*event);
        cutShort_ = false;
        static_cast<QObject&>(box_).event(&drop);  // the box's own drop, which validate() sees
        if (cutShort_) drop.setDropAction(Qt::CopyAction);
        return true;
    }

    State validate(QString& text, int& caret) const override
    {
        const Change change = changeBetween(shown_, text, caret);
        if (change.inserted.isEmpty()) return Acceptable;
        std::vector<int> codes;
        codes.reserve(change.inserted.size());
        for (const QChar character : change.inserted)
            codes.push_back(characterCode(platform::typedCharacter(character)));
        const QString before = shown_.left(change.from);
        const QString after = shown_.mid(change.to);
        const QString entered = QString::fromLatin1(measure::filterTypedCharacters(
            codes, shown_.toStdString(), before.toStdString(), after.toStdString(), unit_()));
        if (entered.size() < change.inserted.size()) cutShort_ = true;
        // Nothing let through leaves the text as it was, as a discarded key does.
        text = entered.isEmpty() ? shown_ : before + entered + after;
        caret = static_cast<int>(entered.isEmpty() ? change.to : change.from + entered.size());
        return Acceptable;
    }

private:
    QLineEdit& box_;
    std::function<std::optional<measure::Unit>()> unit_;
    QString shown_;                 // the text as the box last showed it
    mutable bool cutShort_ = false;  // whether the filter refused some text since the drop began
};

}  // namespace

void enterTextAsTyped(QLineEdit& box, std::function<std::optional<measure::Unit>()> unit)
{
    box.setValidator(new AsTyped(box, std::move(unit)));
}

}  // namespace tavrel::app
