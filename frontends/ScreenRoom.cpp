#include "ScreenRoom.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace {

// Hands each event of the object it watches to `react`, which takes the event by returning true.
class EventHook : public QObject {
public:
    EventHook(QObject* owner, std::function<bool(EventHook&, QEvent*)> react)
        : QObject(owner), m_react(std::move(react))
    {}

protected:
    bool eventFilter(QObject*, QEvent* event) override { return m_react(*this, event); }

private:
    std::function<bool(EventHook&, QEvent*)> m_react;
};

// Some of Qt's own catalogues lack the words its file dialog gives a folder's or a drive's type:
// ours hold them, where the dialog finds them too.
struct QtWords {
    const char* source;
    const char* comment;
};
[[maybe_unused]] constexpr std::array<QtWords, 3> typeWords{{
    QT_TRANSLATE_NOOP3("QAbstractFileIconProvider", "Folder", "All other platforms"),
    {QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Drive"), nullptr},
    {QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Unknown"), nullptr},
}};

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
    // Fits the window to its screen the first time it is shown, when its frame is known.
    window.installEventFilter(
        new EventHook(&window, [&window, wanted](EventHook& hook, QEvent* event) {
            if (event->type() == QEvent::Show) {
                QTimer::singleShot(0, &window, [&window, wanted] {
                    const QScreen* screen = window.screen();
                    const QSize frame = window.frameGeometry().size() - window.size();
                    if (screen != nullptr && (frame.width() > 0 || frame.height() > 0)) {
                        // The guess at the frame may have been too large: the room it left is used.
                        window.resize(wanted.boundedTo(screen->availableSize() - frame));
                    }
                });
                hook.deleteLater();
            }
            return false;
        }));
}

// Qt's own file dialog opens small, with its size and date cut; a system's dialog sizes itself.
void giveRoom(QFileDialog& dialog)
{
    const QFontMetrics metrics(dialog.font());
    QSize size(metrics.averageCharWidth() * 140, metrics.lineSpacing() * 36);
    if (const QScreen* screen = dialog.screen()) {
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    }
    dialog.resize(size.expandedTo(dialog.sizeHint()));
    auto* view = dialog.findChild<QTreeView*>();
    if (view == nullptr) {
        return;
    }
    const QLocale locale;
    const int margin = metrics.averageCharWidth() * 4;
    const QStringList widest{
        //: Only measured, never shown: the file dialog's name for the type of a .jpg file
        locale.formattedDataSize(1023 * 1024 + 1023),
        QCoreApplication::translate("DialogPrompts", "JPEG image"),
        locale.toString(QDateTime(QDate(2000, 12, 28), QTime(23, 59)), QLocale::ShortFormat)};
    for (int column = 1; column <= widest.size(); ++column) {
        // The header's own words may be the widest: "Değiştirilme Tarihi".
        QHeaderView* header = view->header();
        header->resizeSection(column,
                              std::max(metrics.horizontalAdvance(widest[column - 1]) + margin,
                                       header->sectionSizeHint(column)));
    }
    // The places at its side read whole too: "Ordinateur" was cut.
    auto* side = dialog.findChild<QAbstractItemView*>(QStringLiteral("sidebar"));
    auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"));
    if (side != nullptr && splitter != nullptr && splitter->count() == 2) {
        const int room = side->sizeHintForColumn(0) + 2 * side->frameWidth() + margin;
        // Shares, before the dialog's layout gives the splitter its width.
        splitter->setSizes({room, std::max(dialog.width() - room, dialog.width() / 2)});
    }
}

// Qt gives an alert's details a box of a fixed size, where each fact wraps onto two lines: size it
// to its lines instead, up to what the screen holds; Escape in it closes the alert, as elsewhere.
void fitDetails(QMessageBox& box, const QString& text)
{
    auto* details = box.findChild<QTextEdit*>();
    if (details == nullptr) {
        return;
    }
    const QFontMetrics metrics(details->font());
    int widest = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const int margins = 2 * (details->frameWidth() +
                             static_cast<int>(std::ceil(details->document()->documentMargin())));
    QSize size(widest + margins + details->style()->pixelMetric(QStyle::PM_ScrollBarExtent),
               metrics.lineSpacing() * static_cast<int>(lines.size()) + margins);
    if (const QScreen* screen = box.screen()) {
        size = size.boundedTo(screen->availableSize() * 2 / 3);
    }
    details->setMinimumWidth(size.width());
    details->setFixedHeight(std::max(details->height(), size.height()));
    // Escape in the details closes the alert, as it does from its buttons.
    details->installEventFilter(new EventHook(&box, [&box](EventHook&, QEvent* event) {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape ||
            box.escapeButton() == nullptr) {
            return false;
        }
        box.escapeButton()->click();
        return true;
    }));
}
