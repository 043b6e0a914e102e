#pragma once

#include <QColor>
#include <cstdint>

namespace ui {

// A colour as the layouts write it, &H00BBGGRR&: blue in the high byte, red in the low one.
QColor vbColor(std::uint32_t bbggrr);

} // namespace ui
