#pragma once
// The pattern on a corner-calibrated screen: drawn through the table's mapping, so that an inch
// is an inch anywhere in the calibrated rectangle, however the projector leans. Mirrored and
// turned as chosen; the arrow keys move it by 1/16 in or 1 mm (Shift: 1 in or 25 mm); a pattern
// larger than the rectangle shows a section at a time, Page Down and Page Up (or N and P)
// moving by one. The section's label and a small map of the sections stay upright. Esc leaves.

#include "measure/unit.h"
#include "picture/persistent_image.h"
#include "projection/table_view.h"
#include "projector/projector_preferences.h"

#include <QWidget>

namespace tavrel::projector {

class MappedProjectorView : public QWidget {
    Q_OBJECT
public:
    // `units` are the calibration's, for the arrow keys' steps; `ruler` the pattern's.
    MappedProjectorView(const picture::PersistentImage& image, double twipsPerPixel,
                        projection::TableMapping mapping, measure::UnitSystem units,
                        projection::Placement placement, const ProjectorPreferences& look,
                        measure::UnitSystem ruler, QWidget* parent = nullptr);

    int section() const { return section_; }
    const projection::Placement& placement() const { return placement_; }
    const projection::TableView& shown() const { return view_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void rebuild();
    void drawSectionMap(QPainter& painter) const;

    projection::PlacedFigure figure_;
    projection::TableMapping mapping_;
    measure::UnitSystem units_;
    projection::Placement placement_;
    ProjectorPreferences look_;
    measure::UnitSystem ruler_;
    int section_ = 0;
    projection::TableView view_;
};

// The overlay the projector's choice names, on a corner-calibrated screen.
projection::TableOverlay tableOverlay(Overlay overlay);

}  // namespace tavrel::projector
