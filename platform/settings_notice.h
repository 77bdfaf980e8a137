#pragma once
// Telling the user that a choice could not be written to the settings file and holds only
// until the program ends.

class QString;
class QWidget;

namespace tavrel::platform {

// For what the user stored on purpose, such as a calibration: said each time, over `parent`.
void sayNotStored(QWidget* parent, const QString& title);
// For what is kept on the side, such as the last folder: said once in a run at most, so that
// it never stands in the way of the work.
void sayNotStoredOnce(QWidget* parent, const QString& title);

// That the settings file was damaged: what could be read is kept, and the file as it was is in
// `copy`, or, where `copy` is empty, lost at the next change.
void saySettingsSetAside(QWidget* parent, const QString& copy);

}  // namespace tavrel::platform
