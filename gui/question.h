// A question with no default answer.
#pragma once

#include <string>
#include <vector>

// Asks message (lines broken by "\n") in a modal box with the buttons, laid
// out from right to left as the toolkit's fl_choice lays them: the first,
// the way back, rightmost. Escape and closing the box choose the first.
// Unlike fl_choice, no button is the default: Return chooses nothing, so
// that a question without a safe answer is answered with a click (or Tab and
// Space). Returns the index of the button chosen once the box has closed,
// running the toolkit's events meanwhile, as fl_choice does.
int ask(const std::string& message, const std::vector<std::string>& buttons);
