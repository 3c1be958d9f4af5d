#include "ScreenRoom.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace {

// Fits the window to its screen the first time it is shown, when its frame is known, then goes.
class FitWhenShown : public QObject {
public:
    FitWhenShown(QWidget* window, QSize wanted) : QObject(window), m_wanted(wanted) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* window = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, window, [window, wanted = m_wanted] {
                const QScreen* screen = window->screen();
                const QSize frame = window->frameGeometry().size() - window->size();
                if (screen != nullptr && (frame.width() > 0 || frame.height() > 0)) {
                    // The guess at the frame may have been too large: the room it left is used.
                    window->resize(wanted.boundedTo(screen->availableSize() - frame));
                }
            });
            deleteLater();
        }
        return false;
    }

private:
    QSize m_wanted;
};

} // namespace

void keepWithinScreen(QWidget& window, QSize wanted)
{
    // The default size, or the screen's room where that is less, with room for a frame and
    // title bar, whose size is only known once the window is shown.
    if (const QScreen* screen = window.screen()) {
        const QStyle* style = window.style();
        const int border = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &window);
        const int title = std::max(style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window),
                                   window.fontMetrics().lineSpacing() * 2);
        window.resize(
            wanted.boundedTo(screen->availableSize() - QSize(2 * border, title + 2 * border)));
    } else {
        window.resize(wanted);
    }
    window.installEventFilter(new FitWhenShown(&window, wanted));
}
