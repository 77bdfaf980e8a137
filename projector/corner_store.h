#pragma once
// A screen's corner calibration (and its mesh, when one was made), kept per screen between runs
// beside the bar's. A kept value that no calibration could have given is damaged: the screen
// counts as not corner calibrated, and the user is told why.

#include "measure/unit.h"
#include "projection/table_mapping.h"

#include <QString>

#include <optional>

namespace tavrel::projector {

struct StoredCorners {
    std::optional<projection::TableMapping> mapping;
    measure::UnitSystem units = measure::UnitSystem::Inch;  // the size's, as typed
    bool damaged = false;
    // Why a damaged one cannot be used, where that can be told: its corners, or its mesh.
    std::optional<projection::CornerFault> fault;
    bool meshFolds = false;
};

StoredCorners readCorners(const QString& screenKey);
// False when the settings file could not be written: the calibration then holds for this run.
bool storeCorners(const QString& screenKey, const projection::TableMapping& mapping,
                  measure::UnitSystem units);
bool forgetCorners(const QString& screenKey);

}  // namespace tavrel::projector
