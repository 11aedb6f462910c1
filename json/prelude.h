#pragma once

// The script every new engine instance receives first (json/prelude.js, embedded by the build).
extern const char kPrelude[];
