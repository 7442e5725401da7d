#pragma once

// Writing a file whole or not at all, for the case file and the case sheet
// alike: a file already there stays as it was unless every byte of the new
// one arrived.

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

namespace quorrel::ui
{

// Writes the bytes to `path`; returns why it could not, or an empty text.
inline QString writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered: a buffered write that the disk takes in part fails on the
    // flush with no reason given; written directly, the rest is tried again
    // and fails with the system's reason ("No space left on device").
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // The new file is made beside the old one first: where that fails,
        // the folder is the cause, not the file, which may not exist yet.
        const QFileInfo target(path);
        if (target.exists() && !target.isWritable())
            return file.errorString();
        //: Why a file could not be written; %1 is a folder, %2 the system's reason.
        return QCoreApplication::translate("WholeFileWords",
                                           "the folder %1 cannot be written to (%2)")
            .arg(QDir::toNativeSeparators(target.absolutePath()), file.errorString());
    }
    const auto failed = [&file] {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    };
    // QSaveFile alone does not keep a full disk from renaming a truncated
    // file into place: a write the disk takes in part returns short with no
    // error, and a flush that fails as the file closes does not stop
    // commit(). So every byte is counted and the flush checked first.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return failed();
        done += written;
    }
    if (!file.flush())
        return failed();
    if (!file.commit())
        return file.errorString();
    return QString();
}

} // namespace quorrel::ui
