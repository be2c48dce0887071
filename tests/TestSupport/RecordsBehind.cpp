#include "TestSupport/RecordsBehind.h"

#include "Controls/Control.h"
#include "TextEdit/TextEditRecord.h"
#include "Windows/Window.h"

namespace testsupport {

TextStyle TextStyleAt(TEHandle textEdit, SInt32 offset) {
    return platform::textedit::Find(textEdit)->runs.At(offset);
}

SInt16 ControlProcID(ControlRef control) {
    return control->procID;
}

bool WindowVisible(WindowRef window) {
    return window->visible;
}

} // namespace testsupport
