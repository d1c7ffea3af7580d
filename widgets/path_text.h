#pragma once
// The one crossing between the logic's file paths and Qt's strings. File
// names are bytes in the locale's encoding on POSIX and UTF-16 on Windows;
// going through std::string would assume UTF-8 on both.

#include <QFile>
#include <QString>
#include <filesystem>

inline QString toQString(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.wstring());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

inline std::filesystem::path toPath(const QString& text) {
#ifdef _WIN32
    return std::filesystem::path(text.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(text).toStdString());
#endif
}
