// The message of an alert, for a command line that reports what the program would show.
#pragma once

#include <string>

// The first static text of the alert's items, as the alert would show it; empty when the alert
// cannot be made. Each alert is made once.
const std::string& AlertText(short alertID);
