#pragma once

#include <QFont>
#include <QString>

namespace ui {

// The faces the layouts name.
inline constexpr char comicSans[] = "Comic Sans MS";
inline constexpr char msSansSerif[] = "MS Sans Serif";
inline constexpr char arial[] = "Arial";

// Comic Sans MS, MS Sans Serif and Arial are asked for by name; where they are
// missing, these faces stand in. Call once, before the first window is built.
void registerFontSubstitutes();

// A face at a size in points, set as pixels (points x 96 / 72) so that text fits
// the twips layout whatever the screen's DPI.
QFont font(const QString &face, double points, bool bold = false, bool italic = false);

} // namespace ui
