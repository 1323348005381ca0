// Test support: records the boxes of the controls instead of showing them.
#pragma once

#include <QStringList>

#include "control_messages.h"

class control_message_recorder {
 public:
  control_message_recorder() {
    set_control_message_handler([this](const QString& text) { messages << text; });
  }
  ~control_message_recorder() { set_control_message_handler({}); }
  QStringList messages;  // texts of the boxes, in order
};
