// The message boxes of the controls. The controls library does not know the
// program's own dialogs, so it shows its boxes through this replaceable
// function: tarn plugs its dialog seam in at start-up, tests plug in a
// recorder. Until then a plain modal information box is shown.
// Call on the window thread only.
#pragma once

#include <QString>

#include <functional>

using control_message_handler = std::function<void(const QString& text)>;

// Shows a modal box with the text and an OK button (through the handler).
void show_control_message(const QString& text);

// Replaces the box; an empty handler puts the plain information box back.
void set_control_message_handler(control_message_handler handler);
