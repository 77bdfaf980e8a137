#include "app/text_as_typed.h"

#include "app/refusal_notice.h"
#include "measure/key_filter.h"
#include "platform/decimal_comma.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
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

// Dropped data the box takes: text, and no file or link, whose name would enter as digits.
bool isDroppableText(const QDropEvent& drop)
{
    return drop.mimeData()->hasText() && !drop.mimeData()->hasUrls() &&
           (drop.possibleActions() & Qt::CopyAction);
}

// Sees every change of the box's text before the box takes it, and lets only what typing
// would have let in.
class AsTyped : public QValidator {
public:
    AsTyped(QLineEdit& box, std::function<std::optional<measure::Unit>()> unit,
            std::function<void(const QString&)> refused)
        : QValidator(&box), box_(box), unit_(std::move(unit)), refused_(std::move(refused)),
          shown_(box.text())
    {
        connect(&box, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
        box.installEventFilter(this);
    }

    // The box pastes or drops in `act`, whole or not at all; false when nothing entered.
    bool arriveWhole(Arrival arrival, const std::function<void()>& act)
    {
        arrival_ = arrival;
        notice_.clear();
        act();
        arrival_.reset();
        if (notice_.isEmpty()) return true;
        refused_(notice_);
        return false;
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &box_) return false;
        switch (event->type()) {
        case QEvent::KeyPress:
            if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) return false;
            arriveWhole(Arrival::Pasted, [&] { handToBox(event); });
            return true;
        case QEvent::MouseButtonRelease:  // the middle button pastes the X selection
            if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton) return false;
            arriveWhole(Arrival::Pasted, [&] { handToBox(event); });
            return true;
        case QEvent::DragEnter:
        case QEvent::DragMove:
            offerCopy(static_cast<QDragMoveEvent&>(*event));
            return true;
        case QEvent::Drop:
            dropCopy(static_cast<QDropEvent&>(*event));
            return true;
        default:
            return false;
        }
    }

    State validate(QString& text, int& caret) const override
    {
        const Change change = changeBetween(shown_, text, caret);
        if (change.inserted.isEmpty()) return Acceptable;
        std::vector<int> codes;
        codes.reserve(change.inserted.size());
        for (const QChar character : change.inserted)
            codes.push_back(characterCode(platform::typedCharacter(character)));
        const std::string before = shown_.left(change.from).toStdString();
        const std::string after = shown_.mid(change.to).toStdString();
        if (arrival_) {
            const auto refusal =
                measure::firstRefusal(codes, shown_.toStdString(), before, after, unit_());
            if (refusal) {
                const QChar refused = platform::typedCharacter(change.inserted[refusal->index]);
                notice_ = refusalNotice(*arrival_, refused, refusal->why);
                return Invalid;  // the box takes back the whole change
            }
        }
        const QString entered = QString::fromLatin1(
            measure::filterTypedCharacters(codes, shown_.toStdString(), before, after, unit_()));
        // Nothing let through leaves the text as it was, as a discarded key does.
        text = entered.isEmpty() ? shown_ : shown_.left(change.from) + entered + shown_.mid(change.to);
        caret = static_cast<int>(entered.isEmpty() ? change.to : change.from + entered.size());
        return Acceptable;
    }

private:
    void handToBox(QEvent* event) { static_cast<QObject&>(box_).event(event); }

    // While text is dragged over the box, it offers to copy it; a file or a link it refuses.
    void offerCopy(QDragMoveEvent& drag)
    {
        if (!isDroppableText(drag)) {
            drag.ignore();
            return;
        }
        handToBox(&drag);
        if (drag.isAccepted()) drag.setDropAction(Qt::CopyAction);
    }

    // The text is copied, whole, or nothing happens: the program it came from keeps it.
    void dropCopy(QDropEvent& drop)
    {
        if (!isDroppableText(drop)) {
            drop.ignore();
            return;
        }
        drop.setDropAction(Qt::CopyAction);
        const bool entered = arriveWhole(Arrival::Dropped, [&] { handToBox(&drop); });
        drop.setDropAction(entered ? Qt::CopyAction : Qt::IgnoreAction);
        drop.setAccepted(entered);
    }

    QLineEdit& box_;
    std::function<std::optional<measure::Unit>()> unit_;
    std::function<void(const QString&)> refused_;
    QString shown_;                   // the text as the box last showed it
    std::optional<Arrival> arrival_;  // a paste or drop under way, which enters whole or not
    mutable QString notice_;          // why it did not
};

}  // namespace

std::function<void()> enterTextAsTyped(QLineEdit& box,
                                       std::function<std::optional<measure::Unit>()> unit,
                                       std::function<void(const QString& notice)> refused)
{
    auto* asTyped = new AsTyped(box, std::move(unit), std::move(refused));
    box.setValidator(asTyped);
    return [asTyped, &box] { asTyped->arriveWhole(Arrival::Pasted, [&box] { box.paste(); }); };
}

}  // namespace tavrel::app
