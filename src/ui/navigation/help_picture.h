#pragma once

#include <QtGlobal>

class QImage;
class QWidget;

namespace talvo::ui {

// The help's window pictures are stored at twice the size they are shown at, so they stay
// sharp on ordinary screens (scaled down smoothly) and on high-density ones alike.
inline constexpr qreal kHelpPictureScale = 2.0;

// A window's picture for the help, drawn at twice its size. A window wider than maxWidth is
// shown maxWidth wide: the picture is reduced smoothly, never stretched by the viewer.
QImage helpPicture(QWidget& window, int maxWidth);

// A stored picture ready for a screen of this pixel ratio: its shown size is half its stored
// size, and it carries exactly the pixels the screen has for that size.
QImage helpPictureForScreen(const QImage& stored, qreal devicePixelRatio);

} // namespace talvo::ui
