#pragma once

// The thread's COM initialisation count, raised and lowered by the document's life cycle.
void ComInitialize() noexcept;
void ComUninitialize() noexcept;
