#include "gui/platform/NumberFormat.h"

#include <clocale>

void KeepDecimalPoint() {
    std::setlocale(LC_NUMERIC, "C");
}
