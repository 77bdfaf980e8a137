#pragma once
// Calibrating a screen by a rectangle's corners: four handles the user drags (or moves with the
// arrow keys, Shift for 10 pixels; Tab picks the next) onto the corners of a rectangle of known
// size on the table, whose size is then typed ("24 x 18 in"). With a mesh asked for, a grid of
// points follows, dragged onto the mat's crossings the same way. Kept per screen.

#include "measure/unit.h"
#include "projection/table_mapping.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;

namespace tavrel::projector {

class CornerCalibrationView : public QWidget {
    Q_OBJECT
public:
    // `meshSize` 0 for the corners alone, else 3 or 5; `units` the ruler's, for a size typed
    // without a unit.
    CornerCalibrationView(QString screenKey, measure::UnitSystem units, int meshSize,
                          QWidget* parent = nullptr);

    const std::vector<projection::Point>& handles() const { return handles_; }
    int selectedHandle() const { return selected_; }

signals:
    void calibrated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool handleKey(const QKeyEvent& key);
    void accept();
    void acceptCorners();
    void acceptMesh();
    void finish(const projection::TableMapping& mapping);
    void refuse(const QString& why);

    QString screenKey_;
    measure::UnitSystem units_;
    measure::UnitSystem typedUnits_;
    int meshSize_;
    std::vector<projection::Point> handles_;
    int selected_ = 0;
    bool dragging_ = false;                            // a handle was pressed and follows the mouse
    std::optional<projection::TableMapping> corners_;  // set once the corners are accepted
    QLabel* instructions_ = nullptr;
    QLineEdit* txtRectangleSize_ = nullptr;
};

// The words for why a corner calibration cannot be used.
QString cornerFaultText(projection::CornerFault fault);
QString meshFoldsText();

}  // namespace tavrel::projector
