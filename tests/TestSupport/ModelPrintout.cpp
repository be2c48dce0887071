#include "TestSupport/ModelPrintout.h"

#include "Display/ModelPrinter.h"

#include <sstream>

namespace testsupport {

std::string ModelPrintout() {
    std::ostringstream model;
    platform::display::PrintModel(model, 0);
    return model.str();
}

} // namespace testsupport
