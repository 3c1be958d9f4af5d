#pragma once

class QWidget;

class QSize;

/// Gives a top-level window its first size, `wanted` or its screen's room where that is less:
/// now, with a guess at its frame and title bar, and once it is first shown, with the frame it
/// has.
void keepWithinScreen(QWidget& window, QSize wanted);
