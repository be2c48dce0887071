// The message of an alert, for reports that tell in words what the program would show.
#pragma once

#include <string>

// The first static text of the alert's items, as its item list holds it; empty when the alert
// or its items cannot be found. Read from the resources: no alert is shown and no event is
// taken, so the program's own reports can quote it too.
const std::string& AlertText(short alertID);
