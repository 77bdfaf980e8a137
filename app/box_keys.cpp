#include "app/box_keys.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace tavrel::app {
namespace {

// The character code the key filter sees for a key: Backspace 8, Ctrl+Backspace 127, Enter 13,
// Ctrl+letter the control codes 1 to 26, Latin-1 characters their own code. -1: the key has no
// character (arrows, Delete, F1 ...) and is not filtered, or several, which the box takes as a
// text; 0: a character outside Latin-1, discarded.
int characterCode(const QKeyEvent& event)
{
    const int key = event.key();
    if (key == Qt::Key_Backspace) return event.modifiers() & Qt::ControlModifier ? 127 : 8;
    if (key == Qt::Key_Delete) return -1;  // the X server gives it the character 127
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return 13;
    if (event.modifiers() & Qt::ControlModifier) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 1;
    }
    const QString text = event.text();
    if (text.isEmpty()) return -1;
    if (text.size() != 1) return -1;
    const char16_t unit = text.at(0).unicode();
    return unit <= 255 ? unit : 0;
}

// The box's editing commands (copy, cut, paste, select all, undo, redo by the platform's keys:
// Ctrl+C, Ctrl+Insert, Shift+Delete, Shift+Insert ...) act as in any text box: they type no
// character, so the key filter never sees them.
bool isEditingCommand(const QKeyEvent& key)
{
    for (const auto command : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                               QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo})
        if (key.matches(command)) return true;
    return false;
}

class BoxKeys : public QObject {
public:
    BoxKeys(QLineEdit& box, BoxKeyHandlers handlers)
        : QObject(&box), box_(box), handlers_(std::move(handlers))
    {
        box_.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &box_) return false;
        if (event->type() == QEvent::KeyPress) {
            const auto& key = *static_cast<QKeyEvent*>(event);
            if (moveFocusOnFromBox(key)) return true;
            if (isEditingCommand(key)) return false;
            int code = characterCode(key);
            if (code < 0) return false;
            handlers_.characterTyped();
            if (code > 0) handlers_.keyPress(code);
            return code == 0;
        }
        if (event->type() == QEvent::ContextMenu) {
            showEditMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        return false;
    }

private:
    // Tab and Shift+Tab take the focus on from the box along the tab order; only when no other
    // control can take it do they reach the key handler.
    bool moveFocusOnFromBox(const QKeyEvent& key)
    {
        if (key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab) return false;
        if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        const bool forward = key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier);
        return handlers_.moveFocus(forward);
    }

    // The box's standard edit menu, with its shortcuts; its Paste pastes as the Paste key does.
    void showEditMenu(const QPoint& globalPos)
    {
        QMenu* menu = box_.createStandardContextMenu();
        // Its Paste is the command connected to the box's own paste: by name in Qt 6.4, by
        // pointer in later versions.
        for (QAction* action : menu->actions())
            if (disconnect(action, SIGNAL(triggered()), &box_, SLOT(paste())) ||
                disconnect(action, &QAction::triggered, &box_, &QLineEdit::paste))
                connect(action, &QAction::triggered, this, [this] { handlers_.paste(); });
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(globalPos);
    }

    QLineEdit& box_;
    BoxKeyHandlers handlers_;
};

}  // namespace

void routeBoxKeys(QLineEdit& box, BoxKeyHandlers handlers)
{
    new BoxKeys(box, std::move(handlers));
}

}  // namespace tavrel::app
