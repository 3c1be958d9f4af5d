#pragma once

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QString>
#include <string>
#include <string_view>

/// A path as the core keeps it: the system's own bytes on POSIX, UTF-8 on Windows.
[[nodiscard]] inline std::string coreBytes(const QString& path)
{
#ifdef Q_OS_WIN
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

/// A core path as Qt takes it, to open or look at the file.
[[nodiscard]] inline QString qtPath(std::string_view bytes)
{
    const QByteArray raw(bytes.data(), static_cast<qsizetype>(bytes.size()));
#ifdef Q_OS_WIN
    return QString::fromUtf8(raw);
#else
    return QFile::decodeName(raw);
#endif
}

/// A core path for a person to read, with the system's own separators.
[[nodiscard]] inline QString shownPath(std::string_view bytes)
{
    return QDir::toNativeSeparators(qtPath(bytes));
}

/// `text` with places to wrap after each path separator and within any run too long for a line,
/// so that a label wraps a path at its folders rather than running past its edge.
[[nodiscard]] inline QString wrappable(const QString& text)
{
    constexpr int longestRun = 40;
    QString out;
    out.reserve(text.size() + text.size() / 8);
    int run = 0;
    for (const QChar c : text) {
        out += c;
        const bool separator = c == QLatin1Char('/') || c == QLatin1Char('\\');
        if (c.isSpace()) {
            run = 0;
        } else if (separator || ++run == longestRun) {
            out += QChar(0x200b);
            run = 0;
        }
    }
    return out;
}

/// Makes what is copied from `label`, a label of `wrappable` text, the text it shows: a path
/// pasted elsewhere must not carry the invisible places to wrap at.
inline void copyWithoutWrapPlaces(QLabel& label)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    QObject::connect(clipboard, &QClipboard::changed, &label,
                     [&label, clipboard](QClipboard::Mode mode) {
                         const QString copied = clipboard->text(mode);
                         // Only the label's own copy, which is its selection: never what another
                         // program copied.
                         if (copied.contains(QChar(0x200b)) && copied == label.selectedText()) {
                             clipboard->setText(QString(copied).remove(QChar(0x200b)), mode);
                         }
                     });
}
