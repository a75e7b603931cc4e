// The toolkit's message boxes (fl_message, fl_alert, fl_choice) at the
// scale factor.
#pragma once

// From now on, each message box the toolkit shows is laid out again at the
// scale factor before it is drawn, as FLTK 1.3 lays it out at 1: its text
// and buttons in the scaled font size, its icon, margins and least sizes
// scaled. Nothing changes at scale 1.
void scaleaskboxes();
