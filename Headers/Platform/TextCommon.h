// Text encodings of the Text Encoding Converter that the application asks about.
#pragma once

#include "Platform/MacTypes.h"

enum : TextEncoding { kTextEncodingUTF8 = 0x08000100 };

// The application's text encoding: UTF-8, like the system's.
inline TextEncoding GetApplicationTextEncoding() {
    return kTextEncodingUTF8;
}
