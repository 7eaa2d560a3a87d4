#pragma once

#include "platform/report/report_layout.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSqlRecord>

class QPainter;
class QPaintDevice;

// A layout run over its dataset's rows: what to draw, placed in millimetres on
// one page whose height follows the content.
struct PreparedReport
{
    struct Item
    {
        ReportObject object;
        QRectF rect; // mm, on the page
        QString text; // expressions replaced by their values
    };
    double width = 80;
    double height = 120;
    QString printer;
    QList<Item> items;
};

// Runs the layout over the rows: the title with the first row, a group header
// each time the group condition's value changes, a detail band per row, the
// group footers with the sums and counts of their group, the footer with the
// last row. Fields are written [Dataset."FIELD"]; sums [SUM(<Dataset."FIELD">,Band)]
// and counts [COUNT(Band)].
PreparedReport prepareReport(const ReportLayout &layout, const QList<QSqlRecord> &rows);

// Draws the prepared page on a device (a printer, a PDF, a picture), scaled
// from millimetres to the device's own resolution.
void paintReport(QPainter &painter, QPaintDevice &device, const PreparedReport &report);

// The page as a picture, `dotsPerMm` pixels a millimetre.
QImage renderReportImage(const PreparedReport &report, double dotsPerMm = 8);
