#include "output/document/width_table.h"

#include <QRegularExpression>

#include "files/fault_words.h"
#include "files/file_error.h"

namespace wm4 {

namespace {
constexpr int FieldKindTimesA = 4;  // a field whose width is A x B
}

QString WidthFilePath(const QString& datFolder, int page) {
    return datFolder + QStringLiteral("/PAGE") + QString::number(page) + QStringLiteral(".DAT");
}

std::optional<double> ParseWidthLine(const QString& line) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList parts = line.trimmed().split(blanks, Qt::SkipEmptyParts);
    if (parts.size() != 7) return std::nullopt;
    double values[7];
    for (int k = 0; k < 7; ++k) {
        bool ok = false;
        // Positions 0, 1, 2 and 6 are integers, 3 to 5 reals.
        const bool integer = k <= 2 || k == 6;
        values[k] = integer ? double(parts[k].toInt(&ok)) : parts[k].toDouble(&ok);
        if (!ok) return std::nullopt;
    }
    const int fieldKind = int(values[1]);
    const double a = values[4];
    const double b = values[5];
    return fieldKind == FieldKindTimesA ? a * b : b;
}

WidthTable ReadWidthTable(const QString& path) {
    return ParseWidthTable(ReadWholeFile(path), path);
}

WidthTable ParseWidthTable(const QByteArray& bytes, const QString& path) {
    const QString text = QString::fromLatin1(bytes);
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // the final line end

    std::vector<double> widths;
    for (const QString& line : lines) {
        if (int(widths.size()) == WidthTableSlots) break;
        const std::optional<double> width = ParseWidthLine(line);
        if (!width)
            throw FileError(path, qint64(widths.size()) + 1,
                            QStringLiteral("the program's data is damaged: a field width line "
                                           "holds seven numbers separated by blanks, this one "
                                           "is \"%1\"")
                                .arg(line.left(80)));
        widths.push_back(*width);
    }
    return WidthTable(std::move(widths));
}

}  // namespace wm4
