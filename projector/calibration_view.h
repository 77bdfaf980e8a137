#pragma once
// Calibrating a screen: a long bar across it whose length the user matches to a real ruler
// (dragging its right end, or the arrow keys, Shift for coarse steps) or simply measures, then
// types what it measures. The screen's pixels per inch are stored for the next runs too.

#include "measure/unit.h"

#include <QString>
#include <QWidget>

class QLineEdit;

namespace tavrel::projector {

class CalibrationView : public QWidget {
    Q_OBJECT
public:
    // `screenKey` names the screen to store the calibration for; the length is typed in
    // millimeters or in inches.
    CalibrationView(QString screenKey, measure::UnitSystem units, QWidget* parent = nullptr);

    int barPixels() const { return barPixels_; }

signals:
    void calibrated(double pixelsPerInch);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool moveBarEnd(const QKeyEvent& key);
    void setBarPixels(int pixels);
    int barLeft() const;
    void accept();

    QString screenKey_;
    measure::UnitSystem units_;
    int barPixels_ = 0;
    QLineEdit* txtBarLength_ = nullptr;
};

}  // namespace tavrel::projector
