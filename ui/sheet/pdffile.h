#pragma once

// Writing a PDF to a file, shared by saving the case sheet and by printing it
// to a file: the PDF is made in memory, then written and checked byte by byte
// before the file takes its name.

#include <QBuffer>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>

#include <functional>

namespace quorrel::ui
{

// Makes a PDF with `make`, which sets the writer up and paints (false where
// painting could not start), and writes it to `path` whole or not at all: a
// file already there stays as it was unless every byte of the new one
// arrived. Returns why it could not, or an empty text.
inline QString writePdfFile(const QString &path, const std::function<bool(QPdfWriter &)> &make)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const auto failed = [&file] {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    };
    // A PDF writer does not look at what its device says about a write.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        if (!make(writer)) {
            file.cancelWriting();
            return QStringLiteral("the PDF could not be started");
        }
    }
    // QSaveFile alone does not keep a full disk from renaming a truncated
    // file into place: a write the disk takes in part returns short with no
    // error, and a flush that fails as the file closes does not stop
    // commit(). So every byte is counted, the rest of a short write is tried
    // again (which fails with the reason), and the flush is checked first.
    const QByteArray &bytes = pdf.data();
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
