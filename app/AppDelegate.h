#pragma once

#include <QPointer>
#include <QWidget>

/// Holds the main window and decides that Crestmap ends when its last window closes.
class AppDelegate {
public:
    QPointer<QWidget> window;

    [[nodiscard]] static constexpr bool applicationShouldTerminateAfterLastWindowClosed() noexcept
    {
        return true;
    }
};
