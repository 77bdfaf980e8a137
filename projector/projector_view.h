#pragma once
// The pattern at true scale on a whole screen, for projecting it onto the fabric: drawn for the
// screen's calibrated pixels per inch, in the chosen colours and line width, mirrored and turned
// as chosen, with a grid or a check ruler over it, never mirrored. It never zooms; a pattern larger
// than the screen pans under the mouse and the arrow keys. Esc leaves.

#include "measure/unit.h"
#include "pattern/projection.h"
#include "picture/persistent_image.h"
#include "projector/projector_preferences.h"

#include <QPoint>
#include <QTransform>
#include <QWidget>

namespace tavrel::projector {

class ProjectorView : public QWidget {
    Q_OBJECT
public:
    // `twipsPerPixel` is the picture's scale, `pixelsPerInch` the screen's calibration.
    ProjectorView(picture::PersistentImage image, double twipsPerPixel, double pixelsPerInch,
                  const ProjectorPreferences& look, measure::UnitSystem ruler,
                  QWidget* parent = nullptr);

    // The view's top-left corner within the pattern on screen, in screen pixels.
    QPoint pan() const { return pan_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize patternOnScreen() const;
    QPoint patternCorner() const;
    void panTo(QPoint pan);

    picture::PersistentImage image_;
    // The picture mirrored and turned as chosen, and its size then.
    QTransform placing_;
    QSize placedSize_;
    pattern::ProjectionScale scale_;
    ProjectorPreferences look_;
    QPoint pan_;
    QPoint dragFrom_;
};

}  // namespace tavrel::projector
