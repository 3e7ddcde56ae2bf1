#pragma once
// The Qt side of a Picture, shared by the picture loader and the canvas.
#include <QPixmap>

#include "framework/ui/Picture.h"

struct fw::Picture::Impl {
    // Carries its device pixel ratio: 2 when the double-resolution file was used.
    QPixmap pixmap;
};
