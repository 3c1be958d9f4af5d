#pragma once

class QFileDialog;
class QMessageBox;
class QSize;
class QString;
class QWidget;

/// Gives a top-level window its first size, `wanted` or its screen's room where that is less:
/// now, with a guess at its frame and title bar, and once it is first shown, with the frame it
/// has.
void keepWithinScreen(QWidget& window, QSize wanted);

/// Gives Qt's own file dialog, which opens small, room for its columns: size, type and date.
void giveRoom(QFileDialog& dialog);

/// Sizes an alert's details to their lines, up to two thirds of the screen, and lets Escape
/// close the alert from them too.
void fitDetails(QMessageBox& box, const QString& text);
