#pragma once

// The suite runtime is built with hidden symbols; what the controls call is
// exported by name.
#define QVRUN_EXPORT __attribute__((visibility("default")))
