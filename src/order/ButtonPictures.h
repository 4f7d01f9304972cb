#pragma once
#include "platform/Canvas.h"

namespace tarn {

enum class ButtonPicture { Up, Down, InsertSeparator, DeleteSeparator, EditOrder };

// Draws the picture of a button on the whole canvas, over its background, which stays the transparent part.
void DrawButtonPicture(Canvas& canvas, ButtonPicture picture);

}  // namespace tarn
