#include "platform/report/report_render.h"

#include "platform/display_format.h"
#include "platform/ean13.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <zint.h>

namespace {

QFont fontOf(const ReportObject &object)
{
    QFont font(object.fontFamily.isEmpty() ? QStringLiteral("DejaVu Sans") : object.fontFamily);
    font.setPointSizeF(object.fontSize);
    font.setBold(object.bold);
    font.setUnderline(object.underline);
    return font;
}

QString formatValue(const QVariant &value, const ReportObject &object)
{
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    if (!isNumber || object.format.isEmpty() || value.typeId() == QMetaType::QString)
        return value.toString();
    QLocale locale;
    if (object.format == QLatin1String("%g")) {
        QString text = QString::number(number, 'g', 12);
        return text.replace(QLatin1Char('.'), locale.decimalPoint());
    }
    // "%2.2n": two decimals, thousands grouped with the object's separator.
    QString text = formatNumber(number, QStringLiteral(",0.00"), QLocale::c());
    const QString group = object.thousandsSeparator.isEmpty() ? locale.groupSeparator() : object.thousandsSeparator;
    text.replace(QLatin1Char(','), QChar(0x1));
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text.replace(QChar(0x1), group);
}

// The values a band's expressions read: the row in hand and the rows its sums
// and counts run over.
struct Scope
{
    const QSqlRecord *row = nullptr;
    QList<QSqlRecord> aggregated;
};

const QRegularExpression bracket(QStringLiteral(R"re(\[([^\[\]]*)\])re"));
const QRegularExpression fieldRef(QStringLiteral(R"re(^\s*(\w+)\."(\w+)"\s*$)re"));
const QRegularExpression sumRef(QStringLiteral(R"re(^\s*SUM\(\s*<(\w+)\."(\w+)">\s*,\s*\w+\s*\)\s*$)re"),
    QRegularExpression::CaseInsensitiveOption);
const QRegularExpression countRef(
    QStringLiteral(R"re(^\s*COUNT\(\s*\w+\s*\)\s*$)re"), QRegularExpression::CaseInsensitiveOption);
const QRegularExpression conditionRef(QStringLiteral(R"re(<(\w+)\."(\w+)">)re"));

QString evaluate(const QString &text, const ReportObject &object, const Scope &scope)
{
    QString result;
    qsizetype at = 0;
    auto match = bracket.globalMatch(text);
    while (match.hasNext()) {
        const QRegularExpressionMatch part = match.next();
        result += text.mid(at, part.capturedStart() - at);
        at = part.capturedEnd();
        const QString inside = part.captured(1);
        if (const auto field = fieldRef.match(inside); field.hasMatch()) {
            result += scope.row ? formatValue(scope.row->value(field.captured(2)), object) : QString();
        } else if (const auto sum = sumRef.match(inside); sum.hasMatch()) {
            double total = 0;
            for (const QSqlRecord &row : scope.aggregated)
                total += row.value(sum.captured(2)).toDouble();
            result += formatValue(total, object);
        } else if (countRef.match(inside).hasMatch()) {
            result += QString::number(scope.aggregated.size());
        } else {
            result += part.captured(0); // not an expression: shown as written
        }
    }
    return result + text.mid(at);
}

QString groupKey(const QString &condition, const QSqlRecord &row)
{
    QString key;
    auto match = conditionRef.globalMatch(condition);
    while (match.hasNext())
        key += row.value(match.next().captured(2)).toString() + QChar(0x1F);
    return key;
}

// Height in mm that a text needs at a width, wrapped.
double textHeight(const QString &text, const ReportObject &object, double widthMm)
{
    static QImage reference = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(int(720 / 0.0254));
        image.setDotsPerMeterY(int(720 / 0.0254));
        return image;
    }();
    const double dotsPerMm = 720 / 25.4;
    const QFontMetricsF metrics(fontOf(object), &reference);
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, widthMm * dotsPerMm, 1e6), Qt::TextWordWrap, text);
    return bounds.height() / dotsPerMm + 0.5;
}

class Composer
{
public:
    Composer(const ReportLayout &layout, PreparedReport &report)
        : m_layout(layout)
        , m_report(report)
        , m_y(layout.marginTop)
    {
    }

    void place(const ReportBand *band, const Scope &scope)
    {
        if (!band)
            return;
        double height = band->height;
        QList<PreparedReport::Item> items;
        for (const ReportObject &object : band->objects) {
            PreparedReport::Item item { object,
                QRectF(m_layout.marginLeft + object.left, m_y + object.top, object.width,
                    object.kind == ReportObject::Line ? 0 : object.height),
                object.kind == ReportObject::Picture ? object.text : evaluate(object.text, object, scope) };
            if (object.stretch && object.kind == ReportObject::Text) {
                const double needed = textHeight(item.text, object, object.width);
                if (needed > object.height) {
                    item.rect.setHeight(needed);
                    height = std::max(height, object.top + needed);
                }
            }
            items.append(item);
        }
        m_report.items.append(items);
        m_y += height;
    }

    double bottom() const { return m_y; }

private:
    const ReportLayout &m_layout;
    PreparedReport &m_report;
    double m_y;
};

void drawBarcode(QPainter &painter, const QRectF &rect, const PreparedReport::Item &item)
{
    const QString code = item.text.trimmed();
    const bool valid = code.size() == 12 || isValidEan13(code);
    zint_symbol *symbol = valid ? ZBarcode_Create() : nullptr;
    if (symbol) {
        symbol->symbology = BARCODE_EANX;
        symbol->show_hrt = item.object.showDigits ? 1 : 0;
        const QByteArray data = code.toLatin1();
        if (ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char *>(data.constData()), int(data.size())) >= 5
            || ZBarcode_Buffer_Vector(symbol, 0) >= 5 || !symbol->vector) {
            ZBarcode_Delete(symbol);
            symbol = nullptr;
        }
    }
    if (!symbol) {
        // Never an empty space in silence: say what could not be drawn.
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 6));
        painter.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("code-barre invalide : ") + code);
        return;
    }
    const zint_vector *vector = symbol->vector;
    const double sx = rect.width() / vector->width;
    const double sy = rect.height() / vector->height;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const zint_vector_rect *bar = vector->rectangles; bar; bar = bar->next)
        painter.drawRect(
            QRectF(rect.left() + bar->x * sx, rect.top() + bar->y * sy, bar->width * sx, bar->height * sy));
    QFont digits(QStringLiteral("DejaVu Sans"));
    for (const zint_vector_string *string = vector->strings; string; string = string->next) {
        digits.setPixelSize(std::max(1, int(string->fsize * sy)));
        painter.setFont(digits);
        const QString text = QString::fromLatin1(reinterpret_cast<const char *>(string->text), string->length);
        const double width = (string->width > 0 ? string->width : vector->width) * sx;
        const double x = rect.left() + string->x * sx;
        const QRectF box(string->halign == 1 ? x
                : string->halign == 2        ? x - width
                                             : x - width / 2,
            rect.top() + string->y * sy - string->fsize * sy, width, string->fsize * sy * 1.2);
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, text);
    }
    ZBarcode_Delete(symbol);
}

QImage pictureOf(const PreparedReport::Item &item)
{
    QImage image(item.text);
    if (image.isNull() || !item.object.transparentWhite)
        return image;
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == 0xFFFFFF)
                line[x] = qRgba(255, 255, 255, 0);
        }
    }
    return image;
}

} // namespace

PreparedReport prepareReport(const ReportLayout &layout, const QList<QSqlRecord> &rows)
{
    PreparedReport report;
    report.width = layout.pageWidth;
    report.printer = layout.printer;
    Composer composer(layout, report);
    const ReportBand *groupHeader = layout.band(ReportBand::GroupHeader);
    const ReportBand *groupFooter = layout.band(ReportBand::GroupFooter);
    const ReportBand *detail = layout.band(ReportBand::DetailData);

    composer.place(layout.band(ReportBand::ReportTitle), { rows.isEmpty() ? nullptr : &rows.first(), rows });
    QList<QSqlRecord> group;
    QString key;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString rowKey = groupHeader ? groupKey(groupHeader->condition, rows[i]) : QString();
        if (i == 0 || rowKey != key) {
            if (i > 0)
                composer.place(groupFooter, { &group.last(), group });
            group.clear();
            key = rowKey;
            composer.place(groupHeader, { &rows[i], {} });
        }
        group.append(rows[i]);
        composer.place(detail, { &rows[i], { rows[i] } });
    }
    if (!group.isEmpty())
        composer.place(groupFooter, { &group.last(), group });
    composer.place(layout.band(ReportBand::ReportFooter), { rows.isEmpty() ? nullptr : &rows.last(), rows });
    report.height = std::max(layout.pageHeight, composer.bottom() + layout.marginBottom);
    return report;
}

void paintReport(QPainter &painter, QPaintDevice &device, const PreparedReport &report)
{
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    const auto toDevice = [&](const QRectF &mm) {
        return QRectF(mm.left() * dotsPerMm, mm.top() * dotsPerMm, mm.width() * dotsPerMm, mm.height() * dotsPerMm);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const PreparedReport::Item &item : report.items) {
        const QRectF rect = toDevice(item.rect);
        const ReportObject &object = item.object;
        switch (object.kind) {
        case ReportObject::Line:
            painter.setPen(QPen(Qt::black, std::max(1.0, 0.2 * dotsPerMm)));
            painter.drawLine(rect.topLeft(), rect.topRight());
            break;
        case ReportObject::Picture:
            painter.drawImage(rect, pictureOf(item));
            break;
        case ReportObject::Barcode:
            painter.save();
            drawBarcode(painter, rect, item);
            painter.restore();
            break;
        case ReportObject::Text: {
            if (object.shade.isValid())
                painter.fillRect(rect, object.shade);
            if (object.frame) {
                painter.setPen(QPen(Qt::black, std::max(1.0, 0.15 * dotsPerMm)));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(rect);
            }
            painter.setPen(Qt::black);
            painter.setFont(fontOf(object));
            QTextOption option(object.align | (object.stretch ? Qt::AlignTop : Qt::AlignVCenter));
            option.setWrapMode(QTextOption::WordWrap);
            option.setTextDirection(object.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
            const double inset = 0.4 * dotsPerMm;
            painter.drawText(rect.adjusted(inset, 0, -inset, 0), item.text, option);
            break;
        }
        }
    }
    painter.restore();
}

QImage renderReportImage(const PreparedReport &report, double dotsPerMm)
{
    QImage image(int(report.width * dotsPerMm), int(report.height * dotsPerMm), QImage::Format_ARGB32);
    image.setDotsPerMeterX(int(dotsPerMm * 1000));
    image.setDotsPerMeterY(int(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintReport(painter, image, report);
    return image;
}
