#pragma once

#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

#include "store/task_store.h"

namespace quorlin {

// The windows show QStrings; everything behind MainView and Dialogs is GBK.
QString FromGbk(std::string_view text);

// FromGbk of every text, with one conversion for all of them when they can be told apart afterwards.
QStringList FromGbkEach(const std::vector<Text>& texts);
Text ToGbk(const QString& text);

}  // namespace quorlin
