#pragma once
// The unit buttons by keyboard: an arrow key on a unit chooses the unit above or below it, as a
// click on that unit does, and Tab enters the units on the checked one.

#include <array>

class QRadioButton;

namespace tavrel::app {

// Watches `units`, top to bottom, for as long as the first of them lives.
void chooseUnitsByKeys(const std::array<QRadioButton*, 3>& units);

}  // namespace tavrel::app
