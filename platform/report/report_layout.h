#pragma once

#include <QColor>
#include <QList>
#include <QString>

// A report layout: an 80 mm page whose height grows with the content, and bands
// of objects placed in millimetres. Kept as a small XML file that a person can
// read and edit.
struct ReportObject
{
    enum Kind { Text, Line, Picture, Barcode };
    Kind kind = Text;
    double left = 0, top = 0, width = 0, height = 0; // mm, within the band
    QString text; // literal text and [expressions]; for a barcode, its data; for a picture, its source
    QString fontFamily;
    double fontSize = 8; // points
    bool bold = false;
    bool underline = false;
    Qt::Alignment align = Qt::AlignLeft;
    bool rightToLeft = false;
    bool frame = false;
    QColor shade; // invalid: none
    QString format; // "%2.2n" (two decimals, grouped) or "%g" (shortest form); empty: as it is
    QString thousandsSeparator; // empty: the locale's
    bool stretch = false; // grows downwards with a long text
    bool transparentWhite = false;
    double barRatio = 2;
    bool showDigits = true;
};

struct ReportBand
{
    enum Type { ReportTitle, MasterData, GroupHeader, DetailData, GroupFooter, ReportFooter };
    Type type = DetailData;
    QString name;
    double height = 0; // mm
    QString condition; // group header: the expression whose change starts a group
    QList<ReportObject> objects;
};

struct ReportLayout
{
    QString name;
    QString dataset = QStringLiteral("Ticet");
    QString printer; // empty: the system's default printer
    double pageWidth = 80, pageHeight = 120; // mm; the height grows with the content
    double marginLeft = 3, marginRight = 3, marginTop = 1, marginBottom = 1;
    QList<ReportBand> bands;

    const ReportBand *band(ReportBand::Type type) const;

    // Throws AppError with the line of a malformed file.
    static ReportLayout fromXml(const QByteArray &xml);
    QByteArray toXml() const;
};
