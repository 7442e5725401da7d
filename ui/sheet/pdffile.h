#pragma once

// Writing a PDF to a file, shared by saving the case sheet and by printing it
// to a file: the PDF is made in memory, then written and checked byte by byte
// before the file takes its name.

#include "wholefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPdfWriter>
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
    // A PDF writer does not look at what its device says about a write, so
    // the PDF is made whole in memory first.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        if (!make(writer))
            return QCoreApplication::translate("PdfFileWords", "the PDF could not be started");
    }
    return writeWholeFile(path, pdf.data());
}

} // namespace quorrel::ui
