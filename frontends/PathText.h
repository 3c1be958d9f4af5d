#pragma once

#include <QDir>
#include <QFile>
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
