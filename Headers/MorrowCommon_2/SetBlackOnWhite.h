// Foreground black (all components 0) and background white (all 65535) in the current port.
#pragma once

void SetBlackOnWhite();
