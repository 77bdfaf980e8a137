#pragma once
// What screen readers, voice and switch control learn of the program's own controls beyond what
// Qt tells them: the pattern is a picture, a notice is an alert, and choosing an option through
// them does what a click does.

#include <QLabel>

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

}  // namespace tavrel::app
