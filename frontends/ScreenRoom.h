#pragma once

class QWidget;

/// Keeps a top-level window within its screen's room: now, with a guess at its frame and title
/// bar, and once it is first shown, with the frame it has.
void keepWithinScreen(QWidget& window);
