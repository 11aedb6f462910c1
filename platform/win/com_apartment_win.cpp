#include <objbase.h>

#include "platform/com_apartment.h"

void ComInitialize() noexcept { CoInitialize(nullptr); }
void ComUninitialize() noexcept { CoUninitialize(); }
