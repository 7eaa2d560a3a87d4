#include "printing/receipt.h"

#include <QDir>
#include <QFile>

namespace {
const QString Ticet = QStringLiteral("select  *\n"
                                     "From ARTICLE_VENT_COMPTOIR,VENT_COMTPOI_CODEBARRE \n"
                                     "Where CLE_AUTO_VENT=CLE_VENT_AUTO\n"
                                     "And (NUM_GLOBAL=:N)  and (VALIDE='True')\n"
                                     "Order by NUM_VENT,NUM_GLOBAL,DAT_TIME_VENT desc");
const QString salesListTicet = QStringLiteral("select  *\n"
                                              "From ARTICLE_VENT_COMPTOIR,VENT_COMTPOI_CODEBARRE \n"
                                              "Where CLE_AUTO_VENT=CLE_VENT_AUTO\n"
                                              "And (NUM_GLOBAL=:N)  and (VALIDE='True')\n"
                                              "Order by NUM_VENT,NUM_GLOBAL,CODE_BRRE_VENTE");

ReportObject text(double left, double top, double width, double height, const QString &content, double size = 8,
    Qt::Alignment align = Qt::AlignRight, bool bold = false)
{
    ReportObject object;
    object.left = left;
    object.top = top;
    object.width = width;
    object.height = height;
    object.text = content;
    object.fontSize = size;
    object.align = align;
    object.bold = bold;
    object.rightToLeft = true;
    return object;
}

ReportObject rule(double top)
{
    ReportObject object;
    object.kind = ReportObject::Line;
    object.top = top;
    object.width = 74;
    return object;
}

ReportLayout receiptLayout(const QString &title, const QString &groupCondition, bool salesList)
{
    ReportLayout layout;
    layout.name = QStringLiteral("Ticket_FR");

    ReportBand header { ReportBand::ReportTitle, QStringLiteral("ReportTitle1"), 35.5 };
    ReportObject logo;
    logo.kind = ReportObject::Picture;
    logo.left = 21;
    logo.width = 30;
    logo.height = 15;
    logo.text = QStringLiteral(":/talvo/logo.png");
    logo.transparentWhite = true;
    header.objects.append(logo);
    header.objects.append(text(0, 15, 74, 10, title, salesList ? 16 : 18, Qt::AlignHCenter, true));
    header.objects.append(
        text(2, 25, 28, 5, QStringLiteral("وصل رقم : [Ticet.\"NUM_GLOBAL\"]"), 8, Qt::AlignRight, true));
    header.objects.append(text(32.7, 25, 40, 5, QStringLiteral("في, [Ticet.\"DATE_VENTE\"]"), 6));
    header.objects.append(text(3, 30, 12, 5, QStringLiteral("المبلغ"), 7, Qt::AlignHCenter, true));
    header.objects.append(text(17.5, 30, 10, 5, QStringLiteral("س.و"), 7, Qt::AlignHCenter, true));
    header.objects.append(text(29.8, 30, 7, 5, QStringLiteral("كمية"), 7, Qt::AlignHCenter, true));
    header.objects.append(text(55.1, 30, 18, 5, QStringLiteral("التعيين"), 7, Qt::AlignRight, true));
    layout.bands.append(header);

    layout.bands.append({ ReportBand::MasterData, QStringLiteral("MasterData1"), 0 });

    ReportBand group { ReportBand::GroupHeader, QStringLiteral("GroupHeader1"), 7, groupCondition };
    group.objects.append(rule(0));
    ReportObject number = text(53.7, 1, 19, 5, QStringLiteral("رقم: [Ticet.\"NUM_VENT\"]"), 8, Qt::AlignRight, true);
    number.frame = true;
    number.shade = QColor(0xd9, 0xd9, 0xd9);
    group.objects.append(number);
    group.objects.append(text(23, 1, 29, 5, QStringLiteral("[Ticet.\"DAT_TIME_VENT\"]"), 7));
    layout.bands.append(group);

    ReportBand detail { ReportBand::DetailData, QStringLiteral("DetailData1"), 5 };
    ReportObject amount = text(0.9, 0, 16.7, 5, QStringLiteral("[Ticet.\"MONTANT_ARTICLE_APRE_RESTOURNE\"]"), 7);
    amount.format = QStringLiteral("%2.2n");
    ReportObject price = text(18.2, 0, 12.6, 5, QStringLiteral("[Ticet.\"PRIX\"]"), 7);
    price.format = QStringLiteral("%2.2n");
    price.thousandsSeparator = QStringLiteral(" ");
    ReportObject quantity = text(31.8, 0, 6.9, 5, QStringLiteral("[Ticet.\"QTT\"]"), 8, Qt::AlignHCenter, true);
    quantity.format = QStringLiteral("%g");
    quantity.thousandsSeparator = QStringLiteral(" ");
    ReportObject designation = text(40.7, 0, 32, 5, QStringLiteral("[Ticet.\"DES\"]"));
    designation.stretch = true;
    detail.objects = { amount, price, quantity, designation };
    layout.bands.append(detail);

    ReportBand groupFooter { ReportBand::GroupFooter, QStringLiteral("GroupFooter1"), 9 };
    ReportObject sum = text(0.9, 1, 16.7, 5,
        QStringLiteral("[SUM(<Ticet.\"MONTANT_ARTICLE_APRE_RESTOURNE\">,DetailData1)]"), 8, Qt::AlignRight, true);
    sum.format = QStringLiteral("%2.2n");
    ReportObject count
        = text(45, 1, 28, 5, QStringLiteral("عدد المواد  [COUNT(DetailData1)]"), 8, Qt::AlignRight, true);
    count.shade = QColor(0xee, 0xee, 0xee);
    groupFooter.objects = { sum, text(22, 1, 13, 5, QStringLiteral("المجموع :"), 7, Qt::AlignRight, true), count };
    layout.bands.append(groupFooter);

    ReportBand footer { ReportBand::ReportFooter, QStringLiteral("ReportSummary1"), salesList ? 31.0 : 19.0 };
    footer.objects.append(rule(0));
    double paidTop = 1;
    if (salesList) {
        ReportObject all = text(0.9, 1, 16.7, 5,
            QStringLiteral("[SUM(<Ticet.\"MONTANT_ARTICLE_APRE_RESTOURNE\">,DetailData1)]"), 8, Qt::AlignRight, true);
        all.format = QStringLiteral("%2.2n");
        ReportObject discount = text(0.9, 6, 16.7, 5, QStringLiteral("[Ticet.\"REMIS\"]"), 8, Qt::AlignRight, true);
        discount.format = QStringLiteral("%2.2n");
        footer.objects += { all, text(18.5, 1, 21, 5, QStringLiteral("مجموع الوصل :"), 8, Qt::AlignRight, true),
            discount, text(18.5, 6, 21, 5, QStringLiteral("التخفيض "), 8, Qt::AlignRight, true) };
        paidTop = 11.3;
    }
    ReportObject paid = text(0.9, paidTop, 16.7, 5, QStringLiteral("[Ticet.\"VERSMENT\"]"), 8, Qt::AlignRight, true);
    paid.format = QStringLiteral("%2.2n");
    ReportObject paidLabel = text(18.5, paidTop, 21, 5, QStringLiteral("الصافي للدفع  "), 8, Qt::AlignRight, true);
    paidLabel.underline = true;
    ReportObject barcode;
    barcode.kind = ReportObject::Barcode;
    barcode.left = 42;
    barcode.top = paidTop + 5;
    barcode.width = 27.3;
    barcode.height = 12;
    barcode.text = QStringLiteral("[Ticet.\"CODE_BRRE\"]");
    footer.objects += { paid, paidLabel, barcode };
    layout.bands.append(footer);
    return layout;
}

} // namespace

Rows receiptRows(int ticketNumber)
{
    return Database::instance().select(Ticet, { ticketNumber });
}

Rows salesListReceiptRows(int ticketNumber)
{
    return Database::instance().select(salesListTicet, { ticketNumber });
}

QString receiptLayoutPath()
{
    const QDir here = QDir::current();
    for (const QString &folder : here.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (folder.compare(QLatin1String("Etat"), Qt::CaseInsensitive) != 0)
            continue;
        const QString path = here.filePath(folder + QStringLiteral("/Ticket_FR.fr3"));
        if (QFile::exists(path))
            return path;
    }
    return QString();
}

QString defaultReceiptLayoutPath()
{
    return QDir::current().filePath(QStringLiteral("Etat/Ticket_FR.fr3"));
}

ReceiptLayout loadReceiptLayout()
{
    const QString path = receiptLayoutPath();
    if (path.isEmpty())
        return { builtInReceiptLayout(), QString() };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Impossible de lire \"%1\" : %2").arg(path, file.errorString()));
    try {
        return { ReportLayout::fromXml(file.readAll()), path };
    } catch (const AppError &error) {
        throw AppError(QStringLiteral("%1\n(%2)").arg(error.message(), path));
    }
}

ReportLayout builtInReceiptLayout()
{
    return receiptLayout(
        QStringLiteral("Voderez Market"), QStringLiteral("<Ticet.\"POSTE_ID\">and<Ticet.\"NUM_VENT\">"), false);
}

ReportLayout builtInSalesListReceiptLayout()
{
    return receiptLayout(QStringLiteral("Voderez"), QStringLiteral("<Ticet.\"CODE_BRRE_VENTE\">"), true);
}
