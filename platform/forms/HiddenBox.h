#pragma once

#include "platform/forms/TextBox.h"

namespace forms {

// A text box the window never shows: a shared variable or a marker that other
// windows read and write. It starts with its design text, not marked changed.
TextBox* hiddenBox(QWidget* window, const QString& name, const QString& designText = {});

} // namespace forms
