#pragma once
// The picture items: each opens its picture file on first need and keeps it;
// while none could be opened, each call tries again.
#include "framework/ui/Picture.h"

fw::Ref<fw::Picture> Curve();
fw::Ref<fw::Picture> q36();
fw::Ref<fw::Picture> QuenvaleTitle();
fw::Ref<fw::Picture> QuenvaleSmTitle();
