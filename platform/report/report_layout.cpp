#include "platform/report/report_layout.h"

#include "platform/error_report.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QList<QPair<ReportBand::Type, QString>> bandTypes = {
    { ReportBand::ReportTitle, QStringLiteral("ReportTitle") },
    { ReportBand::MasterData, QStringLiteral("MasterData") },
    { ReportBand::GroupHeader, QStringLiteral("GroupHeader") },
    { ReportBand::DetailData, QStringLiteral("DetailData") },
    { ReportBand::GroupFooter, QStringLiteral("GroupFooter") },
    { ReportBand::ReportFooter, QStringLiteral("ReportFooter") },
};
const QList<QPair<ReportObject::Kind, QString>> objectKinds = {
    { ReportObject::Text, QStringLiteral("text") },
    { ReportObject::Line, QStringLiteral("line") },
    { ReportObject::Picture, QStringLiteral("picture") },
    { ReportObject::Barcode, QStringLiteral("barcode") },
};

template<typename T> QString nameOf(const QList<QPair<T, QString>> &names, T value)
{
    for (const auto &[v, name] : names) {
        if (v == value)
            return name;
    }
    return QString();
}

QString alignName(Qt::Alignment align)
{
    if (align & Qt::AlignRight)
        return QStringLiteral("right");
    if (align & Qt::AlignHCenter)
        return QStringLiteral("center");
    return QStringLiteral("left");
}

Qt::Alignment alignFrom(QStringView name)
{
    if (name == QLatin1String("right"))
        return Qt::AlignRight;
    if (name == QLatin1String("center"))
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

} // namespace

const ReportBand *ReportLayout::band(ReportBand::Type type) const
{
    for (const ReportBand &band : bands) {
        if (band.type == type)
            return &band;
    }
    return nullptr;
}

ReportLayout ReportLayout::fromXml(const QByteArray &xml)
{
    ReportLayout layout;
    QXmlStreamReader reader(xml);
    const auto number = [&](const char *name, double fallback) {
        const QStringView value = reader.attributes().value(QLatin1String(name));
        return value.isEmpty() ? fallback : value.toDouble();
    };
    const auto flag
        = [&](const char *name) { return reader.attributes().value(QLatin1String(name)) == QLatin1String("true"); };
    const auto text = [&](const char *name) { return reader.attributes().value(QLatin1String(name)).toString(); };
    bool sawReport = false;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView element = reader.name();
        if (element == QLatin1String("report")) {
            sawReport = true;
            layout.name = text("name");
            layout.dataset = text("dataset");
            layout.printer = text("printer");
        } else if (element == QLatin1String("page")) {
            layout.pageWidth = number("width", 80);
            layout.pageHeight = number("height", 120);
            layout.marginLeft = number("left", 3);
            layout.marginRight = number("right", 3);
            layout.marginTop = number("top", 1);
            layout.marginBottom = number("bottom", 1);
        } else if (element == QLatin1String("band")) {
            ReportBand band;
            const QString type = text("type");
            bool known = false;
            for (const auto &[value, name] : bandTypes) {
                if (name == type) {
                    band.type = value;
                    known = true;
                }
            }
            if (!known)
                reader.raiseError(QStringLiteral("bande de type inconnu « %1 »").arg(type));
            band.name = text("name");
            band.height = number("height", 0);
            band.condition = text("condition");
            layout.bands.append(band);
        } else if (layout.bands.isEmpty()) {
            reader.raiseError(QStringLiteral("« %1 » hors d'une bande").arg(element.toString()));
        } else {
            ReportObject object;
            bool known = false;
            for (const auto &[value, name] : objectKinds) {
                if (name == element) {
                    object.kind = value;
                    known = true;
                }
            }
            if (!known) {
                reader.raiseError(QStringLiteral("objet inconnu « %1 »").arg(element.toString()));
                break;
            }
            object.left = number("left", 0);
            object.top = number("top", 0);
            object.width = number("width", 0);
            object.height = number("height", 0);
            object.fontFamily = text("font");
            object.fontSize = number("size", 8);
            object.bold = flag("bold");
            object.underline = flag("underline");
            object.align = alignFrom(reader.attributes().value(QLatin1String("align")));
            object.rightToLeft = flag("rtl");
            object.frame = flag("frame");
            if (const QString shade = text("shade"); !shade.isEmpty())
                object.shade = QColor(shade);
            object.format = text("format");
            object.thousandsSeparator = text("thousands");
            object.stretch = flag("stretch");
            object.transparentWhite = flag("transparentWhite");
            object.barRatio = number("ratio", 2);
            object.showDigits = reader.attributes().value(QLatin1String("digits")) != QLatin1String("false");
            object.text = reader.readElementText();
            layout.bands.last().objects.append(object);
        }
    }
    if (reader.hasError())
        throw AppError(QStringLiteral("Modèle d'état illisible (ligne %1) : %2")
                           .arg(reader.lineNumber())
                           .arg(reader.errorString()));
    if (!sawReport)
        throw AppError(QStringLiteral("Modèle d'état illisible : l'élément <report> manque."));
    return layout;
}

QByteArray ReportLayout::toXml() const
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("report"));
    writer.writeAttribute(QStringLiteral("name"), name);
    writer.writeAttribute(QStringLiteral("dataset"), dataset);
    writer.writeAttribute(QStringLiteral("printer"), printer);
    writer.writeEmptyElement(QStringLiteral("page"));
    writer.writeAttribute(QStringLiteral("width"), QString::number(pageWidth));
    writer.writeAttribute(QStringLiteral("height"), QString::number(pageHeight));
    writer.writeAttribute(QStringLiteral("left"), QString::number(marginLeft));
    writer.writeAttribute(QStringLiteral("right"), QString::number(marginRight));
    writer.writeAttribute(QStringLiteral("top"), QString::number(marginTop));
    writer.writeAttribute(QStringLiteral("bottom"), QString::number(marginBottom));
    for (const ReportBand &band : bands) {
        writer.writeStartElement(QStringLiteral("band"));
        writer.writeAttribute(QStringLiteral("type"), nameOf(bandTypes, band.type));
        if (!band.name.isEmpty())
            writer.writeAttribute(QStringLiteral("name"), band.name);
        writer.writeAttribute(QStringLiteral("height"), QString::number(band.height));
        if (!band.condition.isEmpty())
            writer.writeAttribute(QStringLiteral("condition"), band.condition);
        for (const ReportObject &object : band.objects) {
            writer.writeStartElement(nameOf(objectKinds, object.kind));
            writer.writeAttribute(QStringLiteral("left"), QString::number(object.left));
            writer.writeAttribute(QStringLiteral("top"), QString::number(object.top));
            writer.writeAttribute(QStringLiteral("width"), QString::number(object.width));
            writer.writeAttribute(QStringLiteral("height"), QString::number(object.height));
            if (object.kind == ReportObject::Text) {
                if (!object.fontFamily.isEmpty())
                    writer.writeAttribute(QStringLiteral("font"), object.fontFamily);
                writer.writeAttribute(QStringLiteral("size"), QString::number(object.fontSize));
                writer.writeAttribute(QStringLiteral("align"), alignName(object.align));
                const auto writeFlag = [&](const char *name, bool on) {
                    if (on)
                        writer.writeAttribute(QLatin1String(name), QStringLiteral("true"));
                };
                writeFlag("bold", object.bold);
                writeFlag("underline", object.underline);
                writeFlag("rtl", object.rightToLeft);
                writeFlag("frame", object.frame);
                writeFlag("stretch", object.stretch);
                if (object.shade.isValid())
                    writer.writeAttribute(QStringLiteral("shade"), object.shade.name());
                if (!object.format.isEmpty())
                    writer.writeAttribute(QStringLiteral("format"), object.format);
                if (!object.thousandsSeparator.isEmpty())
                    writer.writeAttribute(QStringLiteral("thousands"), object.thousandsSeparator);
            } else if (object.kind == ReportObject::Picture && object.transparentWhite) {
                writer.writeAttribute(QStringLiteral("transparentWhite"), QStringLiteral("true"));
            } else if (object.kind == ReportObject::Barcode) {
                writer.writeAttribute(QStringLiteral("ratio"), QString::number(object.barRatio));
                writer.writeAttribute(QStringLiteral("digits"), object.showDigits ? "true" : "false");
            }
            writer.writeCharacters(object.text);
            writer.writeEndElement();
        }
        writer.writeEndElement();
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}
