#pragma once
// What screen readers, voice and switch control learn of the program's own controls beyond what
// Qt tells them: the pattern is a picture, a notice is an alert, a link is a link, and choosing
// an option or a link through them does what a click does.

#include <QLabel>
#include <QLineEdit>

namespace tavrel::app {

// Installs the interfaces once for the whole program; later calls do nothing.
void installAccessibleInterfaces();

// A label that screen readers say as soon as it appears.
class AlertLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void showEvent(QShowEvent* event) override;
};

// A box whose text is a link: Enter or Space, or a screen reader's Press, follow it.
class LinkBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    void follow() { emit followed(); }

signals:
    void followed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tavrel::app
