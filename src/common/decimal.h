#pragma once

#include <QStringView>

#include <optional>

// A decimal integer as the engine writes numbers: an optional sign and digits, nothing else.
std::optional<int> ParseDecimal(QStringView text);
