// Values of the main bundle's information dictionary as zero-terminated and length-prefixed
// strings.
#pragma once

#include "Platform/CoreFoundation.h"
#include "Platform/MacTypes.h"

// Converts the key's value into buffer with the encoding; false when the buffer is null, the key
// is missing or its value is not a string, or the text does not fit (buffer then unwritten).
Boolean getStringFromPlist(char* buffer, unsigned long bufferSize, CFStringRef key,
                           unsigned long encoding);

// The key's value as a Str255 (at most 255 bytes). When the key is missing or its value does
// not convert, the destination becomes the empty string rather than keeping stale bytes.
void getPStringFromPlist(unsigned char* pascalString, CFStringRef key);
