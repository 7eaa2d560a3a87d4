#include "platform/text_lines.h"

#include "platform/error_report.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
const char16_t cp1252High[32] = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

QString fromWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text.append(code >= 0x80 && code < 0xA0 ? QChar(cp1252High[code - 0x80]) : QChar(code));
    }
    return text;
}

} // namespace

QString decodeText(const QByteArray &bytes)
{
    if (auto bom = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*bom); // skips the byte-order mark
        return decoder(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? fromWindows1252(bytes) : text;
}

QStringList readTextLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (!file.exists())
            throw AppError(
                QStringLiteral("Impossible d'ouvrir le fichier \"%1\" : le fichier n'existe pas.").arg(absolute));
        throw AppError(QStringLiteral("Impossible d'ouvrir le fichier \"%1\" : %2").arg(absolute, file.errorString()));
    }
    QString text = decodeText(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast(); // a final line break ends the last line, it opens no new one
    if (text.isEmpty())
        lines.clear();
    return lines;
}
