#include "app/unit_keys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QRadioButton>

#include <algorithm>

namespace tavrel::app {
namespace {

class UnitKeys : public QObject {
public:
    explicit UnitKeys(const std::array<QRadioButton*, 3>& units) : QObject(units[0]), units_(units)
    {
        keepTabStopOnCheckedUnit();
        for (QRadioButton* unit : units_) unit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto unit = std::ranges::find(units_, watched);
        if (unit == units_.end()) return false;
        if (event->type() == QEvent::KeyPress)
            return chooseUnitBeside(unit - units_.begin(), *static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut) keepTabStopOnCheckedUnit();
        return false;
    }

private:
    // Before the first and after the last there is none.
    bool chooseUnitBeside(int index, const QKeyEvent& key)
    {
        if (key.modifiers() & ~Qt::KeypadModifier) return false;
        int next = index;
        switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Left: next = index - 1; break;
        case Qt::Key_Down:
        case Qt::Key_Right: next = index + 1; break;
        default: return false;
        }
        if (next >= 0 && next < static_cast<int>(units_.size())) units_[next]->click();
        return true;
    }

    // Tab enters the units on the checked one, or on the first while none is. Qt moves the tab
    // stop to whichever unit last had the focus, and an arrow key chooses a unit without
    // focusing it, so the stop is set again each time the focus leaves the units.
    void keepTabStopOnCheckedUnit()
    {
        const auto checked = std::ranges::find_if(
            units_, [](const QRadioButton* unit) { return unit->isChecked(); });
        QRadioButton* stop = checked != units_.end() ? *checked : units_[0];
        for (QRadioButton* unit : units_)
            unit->setFocusPolicy(unit == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }

    std::array<QRadioButton*, 3> units_;
};

}  // namespace

void chooseUnitsByKeys(const std::array<QRadioButton*, 3>& units)
{
    new UnitKeys(units);
}

}  // namespace tavrel::app
