#pragma once

#include "platform/report/report_render.h"

#include <QDialog>

// Shows a prepared report as it will print; it can be printed from here, or
// saved as a PDF file.
class ReportPreview : public QDialog
{
    Q_OBJECT

public:
    ReportPreview(const PreparedReport &report, QWidget *parent = nullptr);

    const PreparedReport &report() const { return m_report; }
    void printClick();
    void savePdfClick();

private:
    PreparedReport m_report;
};
