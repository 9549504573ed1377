#pragma once

#include <QString>
#include <string_view>

#include "store/task_store.h"

namespace quorlin {

// The windows show QStrings; everything behind MainView and Dialogs is GBK.
QString FromGbk(std::string_view text);

Text ToGbk(const QString& text);

}  // namespace quorlin
