// Whether the running system offers the Appearance Manager and the item-list extensions.
// Either is absent when Gestalt cannot tell.
#pragma once

#include "Platform/MacTypes.h"

Boolean AppearanceManagerAvailable();
Boolean DITLExtensionAvailable();
