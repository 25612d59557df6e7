#pragma once

#include "storage/ProfileStore.h"

#include <QString>
#include <QStringList>

// The calculation files the window used, as text entries in a section of their own ("Files1"),
// so that "Settings1" keeps whole numbers only: the file open at the last write of the inputs
// ("Current") with a digest of its bytes while the inputs were still the file's
// ("CurrentDigest", empty otherwise), the most recent files, newest first ("Recent1" to
// "Recent8"), and the folder the file dialog showed last ("LastFolder").
class FileHistory {
public:
    static constexpr const char* kSection = "Files1";
    static constexpr int kMostRecent = 8;

    explicit FileHistory(ProfileStore& store)
        : store_(store)
    {
    }

    QString Current() const;
    QString CurrentDigest() const;
    void SetCurrent(const QString& path, const QString& digest);
    // SHA-256 of the file's bytes, in hex; empty when it cannot be read.
    static QString Digest(const QString& path);
    QStringList Recent() const;
    // To the front of the list, once; the oldest beyond eight drops off.
    void AddRecent(const QString& path);
    QString LastFolder() const;
    void SetLastFolder(const QString& folder);

private:
    QString Text(const std::string& entry) const;
    void SetText(const std::string& entry, const QString& text);

    ProfileStore& store_;
};
