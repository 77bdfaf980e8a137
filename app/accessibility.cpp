#include "app/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QKeyEvent>

namespace tavrel::app {
namespace {

// An option button whose Toggle action clicks it. Qt's own merely checks the option, so the
// handlers of a click never run: choosing a unit by voice would show no box to type in.
class ClickedOption : public QAccessibleWidget {
public:
    explicit ClickedOption(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QString(button()->text()).remove(QLatin1Char('&'));
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled()) names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == toggleAction() || action == pressAction()) {
            if (widget()->isEnabled()) button()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A label whose role says it must be heard now; its text is its name.
class Alert : public QAccessibleWidget {
public:
    explicit Alert(QLabel* label) : QAccessibleWidget(label, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

// A link read by its name, with its address as the description; Press follows it.
class Link : public QAccessibleWidget {
public:
    explicit Link(LinkBox* box) : QAccessibleWidget(box, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Description) return box()->text();
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return box()->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            box()->follow();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    LinkBox* box() const { return static_cast<LinkBox*>(widget()); }
};

QAccessibleInterface* programInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("QRadioButton"))
        return new ClickedOption(static_cast<QAbstractButton*>(object));
    if (className == QLatin1String("tavrel::platform::PictureBox"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    if (className == QLatin1String("tavrel::app::AlertLabel"))
        return new Alert(static_cast<QLabel*>(object));
    if (className == QLatin1String("tavrel::app::LinkBox"))
        return new Link(static_cast<LinkBox*>(object));
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(programInterface);
        return true;
    }();
}

// Also an alert event for the platforms that announce those; the others say the alert as it
// shows.
void AlertLabel::showEvent(QShowEvent* event)
{
    QLabel::showEvent(event);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

// As in a browser; Enter does not reach the window's default button.
void LinkBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
        follow();
    else
        QLineEdit::keyPressEvent(event);
}

}  // namespace tavrel::app
