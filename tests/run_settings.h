#pragma once
// The program's settings during a test run go to a place of the run's own, never the user's, and
// start empty: the folder given on Linux, on Windows a registry key of the run's own in its place.

class QString;

namespace tavrel::test {

void keepSettingsApart(const QString& folder);

}  // namespace tavrel::test
